#include "platform/FileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace {

std::atomic<FileWriteFunction> writeFunction{&::write};

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  // 0, or the error number of a failed close (a delayed write error).
  int Close() {
    if (fd_ < 0) return 0;
    const int error = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    return error;
  }

 private:
  int fd_;
};

// 0 when every byte is written, else the error number.
int WriteAll(int fd, const uint8_t* data, size_t size) {
  const FileWriteFunction write = writeFunction.load();
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return 0;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new file next to path with a name no other writer uses.
FileDescriptor CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter.fetch_add(1));
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return FileDescriptor(fd);
  }
  return FileDescriptor(-1);
}

// Makes the rename itself durable; a failure here does not undo the write.
void SyncFolder(const std::string& folder) {
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Valid()) ::fsync(dir.Get());
}

}  // namespace

std::string FileWriteResult::Reason() const { return error == 0 ? std::string() : std::system_category().message(error); }

ScopedFileWriteFunction::ScopedFileWriteFunction(FileWriteFunction function) : previous_(writeFunction.exchange(function)) {}
ScopedFileWriteFunction::~ScopedFileWriteFunction() { writeFunction.store(previous_); }

FileWriteResult WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (path.empty()) return {ENOENT};
  std::string tempPath;
  FileDescriptor file = CreateTemporaryBeside(path, tempPath);
  if (!file.Valid()) return {errno};
  int error = WriteAll(file.Get(), bytes.data(), bytes.size());
  if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
  const int closeError = file.Close();
  if (error == 0) error = closeError;
  if (error == 0 && std::rename(tempPath.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    std::remove(tempPath.c_str());
    return {error};
  }
  SyncFolder(FolderOf(path));
  return {};
}

UserFile ReadUserFile(const std::string& path, size_t maxBytes) {
  UserFile out;
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!file.Valid()) return out;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) return out;
  if (!S_ISREG(info.st_mode)) {
    out.status = UserFileStatus::kNotRegular;
    return out;
  }
  if (static_cast<uint64_t>(info.st_size) > maxBytes) {
    out.status = UserFileStatus::kTooBig;
    return out;
  }
  uint8_t buffer[8192];
  // One byte more than allowed tells a file that grew meanwhile.
  while (out.bytes.size() <= maxBytes) {
    const size_t want = std::min(sizeof buffer, maxBytes + 1 - out.bytes.size());
    const ssize_t n = ::read(file.Get(), buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {};
    if (n == 0) break;
    out.bytes.insert(out.bytes.end(), buffer, buffer + n);
  }
  if (out.bytes.size() > maxBytes) return {UserFileStatus::kTooBig, {}};
  out.status = UserFileStatus::kRead;
  return out;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!file.Valid()) return std::nullopt;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::vector<uint8_t> bytes;
  uint8_t buffer[8192];
  while (bytes.size() < maxBytes) {
    const size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const ssize_t n = ::read(file.Get(), buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  return bytes;
}
