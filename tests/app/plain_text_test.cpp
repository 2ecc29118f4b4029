// Names from outside (a MIDI port, a file, a song title) that look like markup are shown as
// they are wherever the program may show one: read as rich text, "<img src=...>" would make
// the widget open that file, and a FIFO there would freeze the program.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStatusBar>

#include "app/CControlBar.h"
#include "dialogs/CDialogMidiOptions.h"
#include "platform/ModalDriver.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace melody_test;

const std::vector<std::string> kNames = {"<b>x</b>", "<img src=\"/tmp/aurelo-no-such-fifo\">"};

// A dialog that puts the name on every kind of control that can show text.
class NameDialog final : public CDialog {
 public:
  static constexpr int kLabel = 10;
  static constexpr int kList = 11;
  static constexpr int kCombo = 12;
  static constexpr int kCheck = 13;

  explicit NameDialog(std::string name) : CDialog(MakeTemplate()), name_(std::move(name)) {}
  void OnInitDialog() override {
    Controls().SetCaption(name_);
    for (int id : {kLabel, kCheck}) Controls().SetText(id, name_);
    for (int id : {kList, kCombo}) Controls().AddString(id, name_);
  }

 private:
  static DialogTemplate MakeTemplate() {
    DialogTemplate t;
    t.width = 200;
    t.height = 120;
    t.controls = {{kLabel, ControlKind::Label, 5, 5, 190, 10, "", false},
                  {kList, ControlKind::ListBox, 5, 20, 190, 30, "", false},
                  {kCombo, ControlKind::ComboBox, 5, 55, 190, 40, "", false},
                  {kCheck, ControlKind::CheckBox, 5, 75, 190, 20, "", true}};
    return t;
  }
  std::string name_;
};

void ExpectPlain(const QLabel* label, const QString& name) {
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), name);
  EXPECT_EQ(label->textFormat(), Qt::PlainText) << name.toStdString();
}

class PlainText : public MelodyApp {
 protected:
  void SetUp() override { Open(0); }
};

TEST_F(PlainText, TheStatusBarAndTheControlBarShowNamesAsTheyAre) {
  for (const std::string& name : kNames) {
    const QString shown = QString::fromStdString(T(txt::kKeyboardConnected) + name);
    View().ShowStatus(shown.toStdString());
    const QLabel* pane = nullptr;
    for (const QLabel* label : Frame().statusBar()->findChildren<QLabel*>()) {
      if (label->text() == shown) pane = label;
    }
    ExpectPlain(pane, shown);
    // Drawn literally, the whole name takes its room: as markup it would shrink to an "x" or a picture.
    EXPECT_GE(pane->sizeHint().width(), pane->fontMetrics().horizontalAdvance(shown));

    Frame().ControlBar().SetControlText(1059, name);  // the hint label
    ExpectPlain(qobject_cast<QLabel*>(Frame().ControlBar().Control(1059)), QString::fromStdString(name));
  }
}

TEST_F(PlainText, MessageBoxesDialogsListsAndTitlesShowNamesAsTheyAre) {
  QtUiHost qtHost;
  for (const std::string& name : kNames) {
    const QString expected = QString::fromStdString(name);
    WhenModal<QMessageBox>([&expected](QMessageBox* box) {
      EXPECT_EQ(box->text(), expected);
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      EXPECT_EQ(box->windowTitle(), expected);
      box->button(QMessageBox::Ok)->click();
    });
    qtHost.MessageBox(name, name, MB_OK | MB_ICONEXCLAMATION);

    NameDialog dialog(name);
    WhenModal<QtDialog>([&expected](QtDialog* w) {
      EXPECT_EQ(w->windowTitle(), expected);
      ExpectPlain(qobject_cast<QLabel*>(w->ControlWidget(NameDialog::kLabel)), expected);
      ExpectPlain(w->ControlWidget(NameDialog::kCheck)->findChild<QLabel*>(), expected);
      EXPECT_EQ(qobject_cast<QListWidget*>(w->ControlWidget(NameDialog::kList))->item(0)->text(), expected);
      EXPECT_EQ(qobject_cast<QComboBox*>(w->ControlWidget(NameDialog::kCombo))->itemText(0), expected);
      w->End(IDCANCEL);
    });
    qtHost.RunModal(dialog);

    // The keyboard's port list of the MIDI settings.
    midi.log.portNames = {name};
    CDialogMidiOptions settings;
    WhenModal<QtDialog>([&expected](QtDialog* w) {
      auto* ports = qobject_cast<QComboBox*>(w->ControlWidget(CDialogMidiOptions::kKeyboardPortList));
      ASSERT_NE(ports, nullptr);
      EXPECT_EQ(ports->itemText(1), expected);
      w->End(IDCANCEL);
    });
    qtHost.RunModal(settings);
  }
}

}  // namespace
