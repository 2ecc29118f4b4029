#include "log/TimeLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "log/LocalTime.h"
#include "log/Utf16Le.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

void WriteUtf16(std::FILE* f, const std::string& text) {
  std::string bytes;
  AppendUtf16Le(bytes, text);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
}

// The log opened for appending; none for anything but a regular file (a FIFO in its place would
// hold the program's end).
std::FILE* OpenForAppending(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  struct stat info {};
  std::FILE* f = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? ::fdopen(fd, "ab") : nullptr;
  if (f == nullptr) ::close(fd);
  return f;
}

}  // namespace

bool AppendTimeRecord(const std::string& path, std::time_t start, std::time_t end) {
  std::unique_ptr<std::FILE, FileCloser> file(OpenForAppending(path));
  if (!file) return false;
  std::FILE* f = file.get();
  std::fseek(f, 0, SEEK_END);
  const std::string rule = std::string(62, '=') + "\r\n";
  if (std::ftell(f) == 0) {
    std::fwrite("\xFF\xFE", 1, 2, f);
    WriteUtf16(f, T(437) + "\r\n");
    WriteUtf16(f, rule);
  }
  const long long duration = static_cast<long long>(end - start);
  WriteUtf16(f, StrFormat("%s = %s\r\n", T(438).c_str(), FormatDateTime(ToLocalTime(start)).c_str()));
  WriteUtf16(f, StrFormat("%s = %s\r\n", T(439).c_str(), FormatDateTime(ToLocalTime(end)).c_str()));
  WriteUtf16(f, StrFormat("%s = %02lld:%02lld\r\n", T(440).c_str(), duration / 60, duration % 60));
  WriteUtf16(f, rule);
  return true;
}
