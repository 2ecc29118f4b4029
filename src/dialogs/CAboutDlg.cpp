#include "dialogs/CAboutDlg.h"

#include "dialogs/Links.h"
#include "platform/UiHost.h"
#include "text/LanguageTable.h"

CAboutDlg::CAboutDlg()
    : CDialog({kTemplateId,
               274,
               129,
               "About Aurelo",
               {
                   {kIconControl, ControlKind::Icon, 11, 7, 21, 20, "", false},
                   {1047, ControlKind::Label, 40, 7, 227, 10, "", false},
                   {1048, ControlKind::Label, 40, 19, 227, 10, "", false},
                   {1049, ControlKind::Label, 40, 33, 227, 18, "", true},
                   {1050, ControlKind::Label, 40, 53, 227, 18, "", true},
                   {1051, ControlKind::Label, 40, 73, 227, 10, "", false},
                   {1052, ControlKind::Label, 40, 85, 227, 18, "", true},
                   {kLinkButton, ControlKind::PushButton, 7, 106, 224, 16, "", false},
                   {IDOK, ControlKind::DefaultPushButton, 240, 106, 27, 16, "OK", false},
               }}) {}

void CAboutDlg::OnInitDialog() {
  SetTexts(T(3), {{1048, T(1)}, {1047, T(2)}, {1049, T(4)}, {1050, T(5)}, {1051, T(6)}, {1052, T(7)},
                  {kLinkButton, T(8)}});
  CDialog::OnInitDialog();
}

void CAboutDlg::OnCommand(int id) {
  if (id == kLinkButton) {
    links::Open(links::kMakerPage);
    return;
  }
  CDialog::OnCommand(id);
}

void ShowAbout() {
  CAboutDlg dialog;
  dialog.DoModal();
}
