#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// How a write ended: written, or the system's error number of the step that failed.
struct FileWriteResult {
  int error = 0;
  explicit operator bool() const { return error == 0; }
  // The system's words for the failure ("No space left on device"); empty when written.
  std::string Reason() const;
};

// Replaces the file at path with exactly these bytes, or leaves it as it was:
// the bytes go to a temporary file in the same folder, which is flushed to disk and then
// renamed over the old file. Reports nothing itself; when the file cannot be written no
// temporary file is left behind.
FileWriteResult WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

// Tests stand in for the disk (a full one, say): while installed, the bytes of every
// WriteFileAtomically go through this function, which answers as write(2) does.
using FileWriteFunction = ssize_t (*)(int fd, const void* data, size_t size);
class ScopedFileWriteFunction {
 public:
  explicit ScopedFileWriteFunction(FileWriteFunction function);
  ~ScopedFileWriteFunction();
  ScopedFileWriteFunction(const ScopedFileWriteFunction&) = delete;
  ScopedFileWriteFunction& operator=(const ScopedFileWriteFunction&) = delete;

 private:
  FileWriteFunction previous_;
};

// The first maxBytes bytes of the file (all of it by default); nullopt when it cannot be
// opened or read or is not a regular file (a missing file, a folder, a FIFO, a device), so a
// read never blocks and never runs on without end.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes = SIZE_MAX);

// A file the user hands the program is read only when it is a regular file of a sane size.
enum class UserFileStatus { kRead, kUnreadable, kNotRegular, kTooBig };
struct UserFile {
  UserFileStatus status = UserFileStatus::kUnreadable;
  std::vector<uint8_t> bytes;
};
UserFile ReadUserFile(const std::string& path, size_t maxBytes);
