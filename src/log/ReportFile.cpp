#include "log/ReportFile.h"

#include <filesystem>
#include <optional>

#include "log/ResultsLog.h"
#include "log/TransientStatistics.h"
#include "log/Utf16Le.h"
#include "platform/UiHost.h"
#include "text/LanguageTable.h"
#include "text/SaveUserFile.h"
#include "text/StrFormat.h"

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

std::string ReportFileName(const LocalTime& t) {
  return StrFormat("%02d-%02d-%04d_%02d-%02d_log", t.day, t.month, t.year, t.hour, t.minute);
}

std::string ReportFilter(const std::string& notation) {
  const size_t end = notation.find_last_not_of('|');
  return end == std::string::npos ? std::string() : notation.substr(0, end + 1);
}

std::vector<uint8_t> ReportBytes(const std::vector<std::string>& lines) {
  std::vector<uint8_t> bytes = {0xFF, 0xFE};
  for (const std::string& line : lines) {
    AppendUtf16Le(bytes, line);
    AppendUtf16Le(bytes, "\r\n");
  }
  return bytes;
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
