#pragma once
#include "platform/Dialog.h"

// A dialog shaped like the exit question: a label, a multi-line check box exchanged with
// a member, a cancel button and a default OK button.
class SampleDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 216;
  static constexpr int kLabel = 1069;
  static constexpr int kCheck = 1023;

  explicit SampleDialog(std::string checkText = "Don't ask about it on exit and log cleanup")
      : CDialog(MakeTemplate(std::move(checkText))) {}

  void OnInitDialog() override {
    Controls().SetCaption("Exit");
    Controls().SetText(kLabel, "Exit may cause <all> data loss.");
    CDialog::OnInitDialog();
  }
  void DoDataExchange(bool save) override {
    ++exchanges;
    if (save) {
      dontAsk = Controls().Checked(kCheck);
    } else {
      Controls().SetChecked(kCheck, dontAsk);
    }
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    CDialog::OnCommand(id);
  }

  bool dontAsk = false;
  int exchanges = 0;
  std::vector<int> commands;

 private:
  static DialogTemplate MakeTemplate(std::string checkText) {
    DialogTemplate t;
    t.id = kTemplateId;
    t.width = 269;
    t.height = 103;
    t.caption = "template caption";
    t.controls = {
        {kLabel, ControlKind::Label, 7, 7, 255, 41, "label", false},
        {kCheck, ControlKind::CheckBox, 7, 51, 255, 24, std::move(checkText), true},
        {IDCANCEL, ControlKind::PushButton, 7, 82, 129, 14, "Return to program", false},
        {IDOK, ControlKind::DefaultPushButton, 141, 82, 121, 14, "Exit program", false},
    };
    return t;
  }
};

// Ignores every command: only the host's End closes it.
class StubbornDialog : public SampleDialog {
 public:
  void OnCommand(int id) override { commands.push_back(id); }
};
