#include "log/LogView.h"

#include "app/CommandIds.h"
#include "dialogs/CLogViewDialog.h"
#include "dialogs/CResetLogAskDialog.h"
#include "log/LogLines.h"
#include "log/ResultsLog.h"
#include "log/TransientStatistics.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

void ShowLog(CAbstractT& task) {
  const TransientStatistics statistics(task);
  CLogViewDialog dialog(resultsLog);
  dialog.DoModal();
}

bool ClearLog(CAbstractT& task, std::time_t now) {
  if (askBeforeExit != 0) {
    CResetLogAskDialog dialog;
    if (dialog.DoModal() != CResetLogAskDialog::kClearButton) return false;
  }
  task.ResetStatistics();
  GetViewHost().Invalidate();
  resultsLog.clear();
  AppendLogHeader(now);
  task.WriteLogHeader();
  AppendSettingsLines();
  GetViewHost().SetControlText(cmd::kHintBox, T(115));
  GetViewHost().SetControlText(cmd::kTimeMeter, "00:00");
  return true;
}
