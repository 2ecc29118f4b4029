#include "tasks/drills/CDrillDialog.h"

#include "tasks/drills/DrillHistory.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {
constexpr int kListenAgainText = 202;
}  // namespace

CDrillDialog::CDrillDialog()
    : CDialog({kTemplateId,
               213,
               69,
               "Name what you heard",
               {
                   {kHintText, ControlKind::Label, 7, 7, 199, 16, "Hint: Choose what you heard and press OK.", true},
                   {kAnswerList, ControlKind::ComboBox, 7, 26, 199, 120, "", false},
                   {IDOK, ControlKind::DefaultPushButton, 7, 48, 60, 14, "OK", false},
                   {kListenAgainButton, ControlKind::PushButton, 72, 48, 134, 14, "OK, if error listen again", false},
               }}) {}

int CDrillDialog::AskAnswer(const std::vector<drills::Answer>& answers, const std::string& hint) {
  offered = answers;
  hintText = hint;
  return DoModal();
}

void CDrillDialog::OnInitDialog() {
  SetTexts(T(txt::kDrillDialogCaption), {{kListenAgainButton, T(kListenAgainText)}, {kHintText, hintText}});
  DialogControls& controls = Controls();
  controls.ResetContent(kAnswerList);
  for (const drills::Answer& answer : offered) controls.AddString(kAnswerList, drills::AnswerName(answer));
  controls.SetCurSel(kAnswerList, 0);
  selected = 0;
  CDialog::OnInitDialog();
}

void CDrillDialog::OnCommand(int id) {
  if (id == kAnswerList) {
    const int index = Controls().CurSel(kAnswerList);
    if (index >= 0 && static_cast<size_t>(index) < offered.size()) selected = static_cast<size_t>(index);
  } else if (id == IDOK) {
    listenAgain = false;
    CDialog::OnCommand(IDOK);
  } else if (id == kListenAgainButton) {
    listenAgain = true;
    EndDialog(IDOK);
  } else {
    CDialog::OnCommand(id);
  }
}
