#include "dialogs/CLogViewDialog.h"

#include "text/LanguageTable.h"

CLogViewDialog::CLogViewDialog(const std::vector<std::string>& lines)
    : CDialog({kTemplateId,
               524,
               319,
               "Log of results",
               {
                   {kLogList, ControlKind::ListBox, 7, 7, 510, 305, "", false},
               }}),
      lines_(lines) {}

void CLogViewDialog::OnInitDialog() {
  Controls().SetCaption(T(177));
  for (const std::string& line : lines_) Controls().AddString(kLogList, line);
  CDialog::OnInitDialog();
}
