#include "dialogs/CResetLogAskDialog.h"

#include "text/LanguageTable.h"

CResetLogAskDialog::CResetLogAskDialog()
    : CDialog({kTemplateId,
               212,
               29,
               "Clear log of results",
               {
                   {kClearButton, ControlKind::DefaultPushButton, 79, 7, 126, 15, "Yes, clear log", false},
                   {kCancelButton, ControlKind::PushButton, 7, 7, 66, 15, "Cancel", false},
               }}) {}

void CResetLogAskDialog::OnInitDialog() {
  Controls().SetCaption(T(173));
  Controls().SetText(kClearButton, T(174));
  Controls().SetText(kCancelButton, T(9));
  CDialog::OnInitDialog();
}
