#include "platform/ScriptedUiHost.h"

#include <gtest/gtest.h>

#include "platform/SampleDialog.h"

TEST(ScriptedUiHost, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
  ScriptedUiHost host;
  const ScopedUiHost scope(host);
  host.messageBoxAnswers = {IDNO};
  EXPECT_EQ(GetUiHost().MessageBox("Really?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
  // Without queued answers a box answers with its first button.
  EXPECT_EQ(GetUiHost().MessageBox("Again?", "Question", MB_YESNO), IDYES);
  EXPECT_EQ(GetUiHost().MessageBox("Sure?", "Q", MB_OKCANCEL), IDOK);
  EXPECT_EQ(GetUiHost().MessageBox("No *.lng file", "Error!", MB_OK | MB_ICONSTOP), IDOK);

  ASSERT_EQ(host.messageBoxes.size(), 4u);
  EXPECT_EQ(host.messageBoxes[0].text, "Really?");
  EXPECT_EQ(host.messageBoxes[0].caption, "Question");
  EXPECT_EQ(host.messageBoxes[0].style, unsigned(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(host.messageBoxes[0].answer, IDNO);
  EXPECT_EQ(host.messageBoxes[3].caption, "Error!");
  EXPECT_EQ(host.messageBoxes[3].style, unsigned(MB_ICONSTOP));
}

TEST(ScriptedUiHost, ADialogIsRecordedAfterInitAndRunsItsScript) {
  ScriptedUiHost host;
  const ScopedUiHost scope(host);
  host.dialogActions.push_back([](CDialog& dialog, DialogControls& controls) {
    controls.SetChecked(SampleDialog::kCheck, true);
    dialog.OnCommand(IDOK);
  });
  SampleDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.dontAsk);
  EXPECT_EQ(dialog.exchanges, 2);

  ASSERT_EQ(host.dialogs.size(), 1u);
  const DialogRun& run = host.dialogs[0];
  EXPECT_EQ(run.templateId, 216);
  EXPECT_EQ(run.caption, "Exit");
  EXPECT_EQ(run.controls.at(SampleDialog::kLabel).text, "Exit may cause <all> data loss.");
  EXPECT_EQ(run.controls.at(SampleDialog::kCheck).text, "Don't ask about it on exit and log cleanup");
  EXPECT_FALSE(run.controls.at(SampleDialog::kCheck).checked);
  EXPECT_EQ(run.controls.at(IDOK).text, "Exit program");
  EXPECT_TRUE(run.unknownIds.empty());
  EXPECT_FALSE(run.leftOpenByScript);
  EXPECT_EQ(run.result, IDOK);
}

TEST(ScriptedUiHost, WithoutAScriptTheUserPressesEscape) {
  ScriptedUiHost host;
  const ScopedUiHost scope(host);
  SampleDialog dialog;
  dialog.dontAsk = true;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.commands, std::vector<int>{IDCANCEL});
  EXPECT_EQ(dialog.exchanges, 1);
  EXPECT_TRUE(dialog.dontAsk);
  EXPECT_FALSE(host.dialogs[0].leftOpenByScript);
}

TEST(ScriptedUiHost, AScriptThatLeavesTheDialogOpenIsFollowedByEscape) {
  ScriptedUiHost host;
  const ScopedUiHost scope(host);
  host.dialogActions.push_back([](CDialog&, DialogControls& c) { c.SetChecked(SampleDialog::kCheck, true); });
  host.dialogActions.push_back(ScriptedUiHost::Press(IDOK));
  SampleDialog open;
  EXPECT_EQ(open.DoModal(), IDCANCEL);
  EXPECT_TRUE(host.dialogs[0].leftOpenByScript);
  EXPECT_FALSE(open.dontAsk);

  StubbornDialog stubborn;
  EXPECT_EQ(stubborn.DoModal(), IDCANCEL);
  EXPECT_EQ(stubborn.commands, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(host.dialogs[1].result, IDCANCEL);
}

TEST(ScriptedUiHost, DialogsOpenedFromADialogAreRecordedInOrder) {
  ScriptedUiHost host;
  const ScopedUiHost scope(host);
  host.dialogActions.push_back([](CDialog& dialog, DialogControls&) {
    SampleDialog inner;
    inner.DoModal();
    GetUiHost().MessageBox("inner box", "", MB_OK);
    dialog.OnCommand(IDOK);
  });
  SampleDialog outer;
  EXPECT_EQ(outer.DoModal(), IDOK);
  ASSERT_EQ(host.dialogs.size(), 2u);
  EXPECT_EQ(host.dialogs[0].result, IDOK);
  EXPECT_EQ(host.dialogs[1].result, IDCANCEL);
  EXPECT_EQ(host.messageBoxes.size(), 1u);
}

TEST(ScriptedUiHost, FilesFontsLinksAndExitAreAnsweredAndRecorded) {
  ScriptedUiHost host;
  const ScopedUiHost scope(host);
  host.fileAnswers = {std::string("/tmp/report.txt")};
  FileDialogRequest request;
  request.caption = "Save log";
  request.defaultExt = "txt";
  EXPECT_EQ(GetUiHost().FileDialog(request), std::optional<std::string>("/tmp/report.txt"));
  EXPECT_EQ(GetUiHost().FileDialog(request), std::nullopt);
  ASSERT_EQ(host.fileRequests.size(), 2u);
  EXPECT_EQ(host.fileRequests[0].caption, "Save log");

  FontDesc chosen = DefaultMainFontDesc();
  chosen.SetFace("DejaVu Serif");
  host.fontAnswers = {chosen};
  EXPECT_EQ(GetUiHost().ChooseFont(DefaultResultFontDesc()), chosen);
  EXPECT_EQ(GetUiHost().ChooseFont(DefaultResultFontDesc()), std::nullopt);
  EXPECT_EQ(host.fontRequests.at(0), DefaultResultFontDesc());

  GetUiHost().OpenUrl("mailto:support@example.org");
  EXPECT_EQ(host.openedUrls, std::vector<std::string>{"mailto:support@example.org"});

  try {
    GetUiHost().ExitProcess(4);
    ADD_FAILURE() << "ExitProcess returned";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, 4);
  }
  EXPECT_EQ(host.exitCode, 4);
}

TEST(ScriptedUiHost, TheScopeRestoresTheDefaultHost) {
  ScriptedUiHost host;
  {
    const ScopedUiHost scope(host);
    EXPECT_EQ(&GetUiHost(), &host);
  }
  EXPECT_NE(&GetUiHost(), &host);
}

namespace {

DialogControl Control(int id, ControlKind kind, std::string text = {}) {
  DialogControl c;
  c.id = id;
  c.kind = kind;
  c.text = std::move(text);
  return c;
}

DialogTemplate ListTemplate() {
  DialogTemplate t;
  t.id = 221;
  t.controls = {Control(1044, ControlKind::ComboBox), Control(1031, ControlKind::EditableComboBox),
                Control(1022, ControlKind::ListBox), Control(1045, ControlKind::Slider),
                Control(1029, ControlKind::NumberEdit, "4")};
  return t;
}

}  // namespace

TEST(MemoryDialogControls, ListsCombosAndSlidersBehaveLikeTheirControls) {
  MemoryDialogControls c(ListTemplate());
  for (const char* item : {"1", "2", "10 (DRUM)"}) {
    c.AddString(1044, item);
    c.AddString(1031, item);
    c.AddString(1022, item);
  }
  EXPECT_EQ(c.ItemCount(1044), 3);
  EXPECT_EQ(c.CurSel(1044), -1);
  EXPECT_EQ(c.Text(1044), "");
  c.SetCurSel(1044, 2);
  EXPECT_EQ(c.Text(1044), "10 (DRUM)");
  c.SetCurSel(1044, 3);
  EXPECT_EQ(c.CurSel(1044), -1);
  c.SetText(1022, "2");
  EXPECT_EQ(c.CurSel(1022), 1);
  EXPECT_EQ(c.ItemText(1022, 5), "");

  // Typed text that matches no item gives no selection.
  c.SetCurSel(1031, 1);
  EXPECT_EQ(c.Text(1031), "2");
  c.SetText(1031, "1/5");
  EXPECT_EQ(c.CurSel(1031), -1);
  EXPECT_EQ(c.Text(1031), "1/5");
  c.ResetContent(1031);
  EXPECT_EQ(c.ItemCount(1031), 0);

  c.SetRange(1045, 0, 127);
  c.SetPos(1045, 200);
  EXPECT_EQ(c.Pos(1045), 127);
  c.SetPos(1045, -3);
  EXPECT_EQ(c.Pos(1045), 0);

  EXPECT_EQ(c.Text(1029), "4");
  c.EnableControl(1029, false);
  EXPECT_FALSE(c.IsControlEnabled(1029));
  EXPECT_TRUE(c.UnknownIds().empty());
  c.SetText(9999, "x");
  EXPECT_FALSE(c.Checked(9998));
  EXPECT_EQ(c.UnknownIds(), (std::vector<int>{9999, 9998}));
}
