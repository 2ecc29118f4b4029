#include "dialogs/CExitDialog.h"

#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

CExitDialog::CExitDialog()
    : CDialog({kTemplateId,
               269,
               103,
               "Exit",
               {
                   {1069, ControlKind::Label, 7, 7, 255, 41,
                    "Exit may cause all evaluations and work data loss. Probably you should return to the program "
                    "and save Log as a file.",
                    true},
                   {kDontAskBox, ControlKind::CheckBox, 7, 51, 255, 24, "Don't ask about it on exit and log cleanup",
                    true},
                   {IDCANCEL, ControlKind::PushButton, 7, 82, 129, 14, "Return to program", false},
                   {IDOK, ControlKind::DefaultPushButton, 141, 82, 121, 14, "Exit program", false},
               }}) {}

void CExitDialog::OnInitDialog() {
  SetTexts(T(178), {{1069, T(179)}, {kDontAskBox, T(180)}, {IDCANCEL, T(181)}, {IDOK, T(182)}});
  CDialog::OnInitDialog();
}

void CExitDialog::DoDataExchange(bool save) { ExchangeCheck(kDontAskBox, dontAsk, save); }

void CExitDialog::OnCommand(int id) {
  if (id == IDCANCEL) DoDataExchange(true);
  CDialog::OnCommand(id);
}

bool ConfirmExit() {
  CExitDialog dialog;
  const int result = dialog.DoModal();
  askBeforeExit = dialog.dontAsk ? 0 : 1;
  return result != IDCANCEL;
}
