// Every dialog and the control bar laid out as the program lays them out (dialog font, base
// units of that font) in each shipped language: each static text, check box, button and group
// box title fits its control, wrapped at word boundaries where the control wraps.
#include <QFontInfo>
#include <functional>
#include <string>
#include <vector>

#include "app/MenuTable.h"
#include "app/TaskTable.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CDialogMidiOptions.h"
#include "dialogs/CExitDialog.h"
#include "dialogs/COptionsDialog.h"
#include "dialogs/CResetLogAskDialog.h"
#include "platform/ModalDriver.h"
#include "platform/ScriptedUiHost.h"
#include "platform/qt/DialogUnitsQt.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "sequencer/CSeqDialog.h"
#include "support/TempDir.h"
#include "support/TextFit.h"
#include "tasks/chords/CChordDialog.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/LanguageTable.h"

namespace {

// One way to open a dialog as the program does, with the texts it gets there.
struct DialogCase {
  const char* name;
  std::function<void()> open;
};

void Open(CDialog& dialog) { dialog.DoModal(); }

const std::vector<DialogCase>& Dialogs() {
  static const std::vector<DialogCase> cases = {
      {"exit", [] { CExitDialog d; Open(d); }},
      {"warning settings", [] { COptionsDialog d; Open(d); }},
      {"MIDI settings", [] { CDialogMidiOptions d; Open(d); }},
      {"about", [] { CAboutDlg d; Open(d); }},
      {"clear log", [] { CResetLogAskDialog d; Open(d); }},
      {"recording settings", [] { CSeqDialog d; Open(d); }},
      // The chord dialog with each of its hints.
      {"chord type 198", [] { CChordDialog d; d.AskChordType(0, 14, T(198)); }},
      {"chord type 199", [] { CChordDialog d; d.AskChordType(0, 14, T(199)); }},
      {"chord type 200", [] { CChordDialog d; d.AskChordType(0, 14, T(200)); }},
      {"chord type 201", [] { CChordDialog d; d.AskChordType(0, 14, T(201)); }},
  };
  return cases;
}

// Opens every dialog in every shipped language with the program's host and hands each laid-out
// window to the action before it is closed.
void ForEachDialog(const std::function<void(const std::string& language, const char* dialog, QtDialog&)>& action) {
  const CLanguageTable texts = languageTable;
  TempWorkDir dir;
  dir.CopyLanguageFiles();
  QtUiHost qtHost;
  ScopedUiHost scopedHost(qtHost);
  for (int language = 0; language < 5; ++language) {
    languageTable.LoadLanguage(language);
    const std::string file = CLanguageTable::kFileNames[language];
    for (const DialogCase& dialog : Dialogs()) {
      bool shown = false;
      WhenModal<QtDialog>([&](QtDialog* w) {
        shown = true;
        action(file.substr(0, file.find('.')), dialog.name, *w);
        w->End(IDCANCEL);
      });
      dialog.open();
      EXPECT_TRUE(shown) << dialog.name;
    }
  }
  languageTable = texts;
}

TEST(DialogTexts, FitTheirControlsInEveryLanguage) {
  // The dialog font of a fresh machine (fonts-liberation2), not a look-alike.
  ASSERT_EQ(QFontInfo(DialogFont()).family(), "Liberation Sans");
  ForEachDialog([](const std::string& language, const char* dialog, QtDialog& window) {
    for (const std::string& text : CutTexts(window)) ADD_FAILURE() << language << ", " << dialog << ": " << text;
  });
}

// Pictures of every dialog in every language, for looking at: /tmp/dialog-<language>-<dialog>.png.
TEST(DialogTexts, DISABLED_WritesThePictures) {
  ForEachDialog([](const std::string& language, const char* dialog, QtDialog& window) {
    QString name = QStringLiteral("/tmp/dialog-%1-%2.png").arg(QString::fromStdString(language), dialog);
    EXPECT_TRUE(window.grab().save(name.replace(u' ', u'-')));
  });
}

// The control bar is laid out from a dialog template too; tasks and tools put their own
// captions on its two buttons.
class ControlBarTexts : public melody_test::MelodyApp {};

TEST_F(ControlBarTexts, FitTheirControlsInEveryLanguageAndTask) {
  Open(0);
  for (int language = 0; language < 5; ++language) {
    Command(kLanguageCommands[language]);
    for (int type = 0; type < TaskTypeCount(); ++type) {
      View().CreateTask(type);
      for (const std::string& text : CutTexts(Bar())) {
        ADD_FAILURE() << CLanguageTable::kFileNames[language] << ", task type " << type << ": " << text;
      }
    }
  }
}

}  // namespace
