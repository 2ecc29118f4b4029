#include "dialogs/COptionsDialog.h"

#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

COptionsDialog::COptionsDialog()
    : CDialog({kTemplateId,
               233,
               66,
               "Warning settings",
               {
                   {kNoWarningBox, ControlKind::CheckBox, 7, 7, 219, 31, "Exit program and <Clear log> without warning",
                    true},
                   {IDCANCEL, ControlKind::PushButton, 7, 45, 103, 14, "Cancel", false},
                   {IDOK, ControlKind::DefaultPushButton, 115, 45, 111, 14, "Apply", false},
               }}) {}

void COptionsDialog::OnInitDialog() {
  SetTexts(T(175), {{kNoWarningBox, T(176)}, {IDCANCEL, T(9)}, {IDOK, T(12)}});
  CDialog::OnInitDialog();
}

void COptionsDialog::DoDataExchange(bool save) { ExchangeCheck(kNoWarningBox, noWarning, save); }

void WarningSettings() {
  COptionsDialog dialog;
  dialog.noWarning = askBeforeExit == 0 ? 1 : 0;
  if (dialog.DoModal() == IDOK) askBeforeExit = dialog.noWarning ? 0 : 1;
}
