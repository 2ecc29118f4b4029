#pragma once
#include <sys/types.h>

#include <optional>
#include <string>

// An advisory lock on a small file beside the data it guards, so that one program at a time
// takes the decisions about that data. The lock belongs to this object's own opening of the
// file (flock), so two objects exclude each other as two processes do, in one process as in
// two; the system drops it when the process ends, however it ends. The file itself stays.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock without waiting, creating the file if need be; true when it is held
  // (already held included); false while another holder has it or the file cannot be made.
  bool TryLock(const std::string& path);
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Which file a path names at this moment (device and inode), to notice when it has been
// renamed away or replaced; nullopt when it names none.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);
