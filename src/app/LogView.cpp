#include "app/LogView.h"

#include <filesystem>
#include <optional>

#include "app/TransientStatistics.h"
#include "commands/CommandIds.h"
#include "dialogs/CLogViewDialog.h"
#include "dialogs/CResetLogAskDialog.h"
#include "dialogs/SaveUserFile.h"
#include "log/LocalTime.h"
#include "log/LogLines.h"
#include "log/ReportFile.h"
#include "log/ResultsLog.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

namespace {

// Puts the process's current directory back when the command ends, whatever the file dialog
// did with it: the settings file and the time log are found through it.
class CurrentDirectoryKeeper {
 public:
  CurrentDirectoryKeeper() : saved_(std::filesystem::current_path(error_)) {}
  ~CurrentDirectoryKeeper() {
    if (error_) return;
    std::error_code ignored;
    std::filesystem::current_path(saved_, ignored);
  }
  CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
  CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

 private:
  std::error_code error_;
  std::filesystem::path saved_;
};

}  // namespace

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

bool SaveLogAsText(CAbstractT& task, std::time_t now) {
  const CurrentDirectoryKeeper keeper;
  const LocalTime time = ToLocalTime(now);
  FileDialogRequest request;
  request.defaultName = ReportFileName(time);
  request.defaultExt = "txt";
  request.filter = ReportFilter(T(424));
  const std::optional<std::string> path = AskWhereToSave(SaveKind::kResultsLog, request);
  if (!path) return false;

  std::vector<uint8_t> bytes;
  {
    const TransientStatistics statistics(task);
    resultsLog.push_back(T(425) + " " + FormatDateTime(time));
    bytes = ReportBytes(resultsLog);
  }
  if (SaveUserFile(SaveKind::kResultsLog, *path, bytes)) return true;
  // No report exists, so no line may say it was saved.
  resultsLog.pop_back();
  return false;
}
