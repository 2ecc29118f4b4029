#include "platform/Dialog.h"

#include "platform/UiHost.h"

int CDialog::DoModal() { return GetUiHost().RunModal(*this); }

void CDialog::OnCommand(int id) {
  if (id == IDOK) {
    DoDataExchange(true);
    EndDialog(IDOK);
  } else if (id == IDCANCEL) {
    EndDialog(IDCANCEL);
  }
}
