#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "commands/CommandIds.h"
#include "platform/qt/QtUiHost.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "text/LanguageTable.h"

namespace {

class LanguageSwitch : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
    calls.clear();
  }
  QString Caption() { return Frame().windowTitle(); }
  QString ItemText(int id) { return Frame().ActionFor(id)->text(); }
};

TEST_F(LanguageSwitch, EachLanguageChangesCaptionMenuAndBarAtOnce) {
  EXPECT_EQ(ItemText(cmd::kSaveLog), "Save log of results as text file... (Ctrl+S)");
  EXPECT_TRUE(Frame().ActionFor(cmd::kLangEnglish)->isChecked());
  const QString english = ItemText(cmd::kShowLog);
  const int commands[] = {cmd::kLangGerman, cmd::kLangRussian, cmd::kLangPortuguese, cmd::kLangCustom,
                          cmd::kLangEnglish};
  for (int i = 0; i < 5; ++i) {
    const int index = (i + 1) % 5;
    Frame().OnCommand(commands[i]);
    EXPECT_EQ(languageIndex, index);
    EXPECT_EQ(Caption().toStdString(), T(0));
    EXPECT_EQ(ItemText(cmd::kShowLog).toStdString(), T(27));
    EXPECT_EQ(ItemText(32966).toStdString(), T(66));
    EXPECT_EQ(Frame().ControlBar().ControlText(1053), T(94));
    EXPECT_EQ(Frame().ControlBar().ListItemText(cmd::kModeList, 10), T(110));
    EXPECT_TRUE(Frame().ActionFor(commands[i])->isChecked());
    // The language items keep their own names.
    EXPECT_EQ(ItemText(cmd::kLangGerman), "German");
    if (index >= 1 && index <= 3) {
      EXPECT_NE(ItemText(cmd::kShowLog), english) << index;
    }
  }
  // The task puts its texts in the new language each time.
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetTexts"), 5);
}

TEST_F(LanguageSwitch, RussianShowsMenuPromptsOthersLeaveThePaneEmpty) {
  View().ShowStatus("");  // no message to come back between the prompts
  Frame().ActionFor(cmd::kShowLog)->hover();
  EXPECT_EQ(Frame().MessagePaneText(), "");
  Frame().OnCommand(cmd::kLangRussian);
  Frame().ActionFor(cmd::kShowLog)->hover();
  EXPECT_EQ(Frame().MessagePaneText(), "Показать журнал текущих результатов");
  Frame().ActionFor(cmd::kExit)->hover();
  EXPECT_EQ(Frame().MessagePaneText(), "Завершение работы. ВНИМАНИЕ! ЖУРНАЛ НЕ СОХРАНЯЕТСЯ АВТОМАТИЧЕСКИ!!!");
  // A closed menu and a change of language leave no prompt behind.
  for (QMenu* menu : Frame().findChildren<QMenu*>()) {
    if (!menu->actions().contains(Frame().ActionFor(cmd::kShowLog))) continue;
    emit menu->aboutToHide();
  }
  EXPECT_EQ(Frame().MessagePaneText(), "");
  Frame().ActionFor(cmd::kLangEnglish)->hover();
  EXPECT_NE(Frame().MessagePaneText(), "");
  Frame().OnCommand(cmd::kLangEnglish);
  EXPECT_EQ(Frame().MessagePaneText(), "");
  Frame().ActionFor(cmd::kShowLog)->hover();
  EXPECT_EQ(Frame().MessagePaneText(), "");
}

TEST_F(LanguageSwitch, StatusPaneShowsTheLatestMessageWholeAndAllInItsTooltip) {
  View().ShowStatus("");
  View().ShowStatus("Progress history cannot be written here: answers are not kept.");
  View().ShowStatus("Keyboard connected: <Piano>");
  EXPECT_EQ(Frame().MessagePaneText(), "Keyboard connected: <Piano>");
  EXPECT_EQ(Frame().MessagePaneToolTip(),
            "<p style='white-space:pre-wrap'>Keyboard connected: &lt;Piano&gt;\n"
            "Progress history cannot be written here: answers are not kept.</p>");
  // A menu's prompt stands in for them only while the menu is open.
  Frame().OnCommand(cmd::kLangRussian);
  EXPECT_EQ(Frame().MessagePaneText(), "Keyboard connected: <Piano>");
  Frame().ActionFor(cmd::kShowLog)->hover();
  EXPECT_EQ(Frame().MessagePaneText(), "Показать журнал текущих результатов");
  Frame().ShowMenuPrompt(0);
  EXPECT_EQ(Frame().MessagePaneText(), "Keyboard connected: <Piano>");
  View().ShowStatus("");
  EXPECT_EQ(Frame().MessagePaneText(), "");
  EXPECT_EQ(Frame().MessagePaneToolTip(), "");
}

TEST_F(LanguageSwitch, KeepsTheLogInTheLanguageItWasWrittenIn) {
  const std::vector<std::string> before = LogFrom(0);
  Frame().OnCommand(cmd::kLangGerman);
  EXPECT_EQ(LogFrom(0), before);
}

// Qt's own texts follow the menu: the save dialog of the results log, as the program shows it.
TEST_F(LanguageSwitch, QtsOwnDialogTextsFollowTheLanguage) {
  QtUiHost qtHost;
  // Title and buttons, "|" between them.
  const auto saveDialogTexts = [&] {
    QStringList texts;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      texts << dialog->windowTitle();
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->isVisible()) texts << button->text();
      }
      dialog->reject();
    });
    SetUiHost(&qtHost);
    Frame().OnCommand(cmd::kSaveLog);
    SetUiHost(&host);
    return texts.join(u'|').toStdString();
  };
  const auto yesButton = [] {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
  };
  Frame().OnCommand(cmd::kLangRussian);
  EXPECT_EQ(saveDialogTexts(), "Сохранить как|&Сохранить|Отмена");
  EXPECT_EQ(yesButton(), "&Да");
  Frame().OnCommand(cmd::kLangGerman);
  EXPECT_EQ(saveDialogTexts(), "Speichern unter|S&peichern|Abbrechen");
  Frame().OnCommand(cmd::kLangCustom);
  EXPECT_EQ(saveDialogTexts(), "Save As|&Save|Cancel");
  EXPECT_EQ(yesButton(), "&Yes");
  Frame().OnCommand(cmd::kLangPortuguese);
  EXPECT_NE(yesButton(), "&Yes");
  Frame().OnCommand(cmd::kLangEnglish);
  EXPECT_EQ(yesButton(), "&Yes");
}

}  // namespace
