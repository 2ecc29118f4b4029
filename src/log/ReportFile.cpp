#include "log/ReportFile.h"

#include "log/Utf16Le.h"
#include "text/StrFormat.h"

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
