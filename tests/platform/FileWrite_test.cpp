#include "platform/FileWrite.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "platform/TestFolder.h"

namespace {

const std::vector<uint8_t> kOld = {'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'};

// Limits the size of files this process may write, so that a write fails part way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*previousHandler_)(int) = SIG_DFL;
};

}  // namespace

TEST(WriteFileAtomically, ReplacesTheFileWithExactlyTheBytesAndLeavesNoTemporaryFile) {
  TestFolder folder;
  const std::string path = folder.Path("report.txt");
  WriteBytes(path, std::vector<uint8_t>(5000, 'x'));
  const std::vector<uint8_t> bytes = {0xFF, 0xFE, 'A', 0, '\r', 0, '\n', 0};

  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.txt"});

  ASSERT_TRUE(WriteFileAtomically(path, {}));
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(WriteFileAtomically, AFailedWriteKeepsTheOldFileWhole) {
  TestFolder folder;
  const std::string path = folder.Path("AureloSettings.dat");
  WriteBytes(path, kOld);
  {
    const FileSizeLimit limit(100);
    EXPECT_EQ(WriteFileAtomically(path, std::vector<uint8_t>(1254, 0xAB)).error, EFBIG);
  }
  EXPECT_EQ(ReadBytes(path), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"AureloSettings.dat"});
  {
    const ScopedFileWriteFunction fullDisk(FullDisk);
    const FileWriteResult result = WriteFileAtomically(path, {1});
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_EQ(result.Reason(), std::strerror(ENOSPC));
  }
  EXPECT_EQ(ReadBytes(path), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"AureloSettings.dat"});
  EXPECT_EQ(WriteFileAtomically(path, {1}).Reason(), "") << "the disk is back";
}

TEST(WriteFileAtomically, APathThatCannotBeAFileIsNotWritten) {
  TestFolder folder;
  const std::string dir = folder.Path("settings");
  std::filesystem::create_directory(dir);
  WriteBytes(dir + "/inside", kOld);

  EXPECT_EQ(WriteFileAtomically(dir, {1, 2, 3}).error, EISDIR);
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  EXPECT_EQ(ReadBytes(dir + "/inside"), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"settings"});

  EXPECT_EQ(WriteFileAtomically(folder.Path("missing/file.dat"), {1}).error, ENOENT);
  // A regular file where a folder should be stops the superuser too.
  EXPECT_EQ(WriteFileAtomically(dir + "/inside/file.dat", {1}).error, ENOTDIR);
  EXPECT_EQ(WriteFileAtomically("", {1}).error, ENOENT);
}

TEST(ReadWholeFile, ReadsAllOrAtMostTheLimit) {
  TestFolder folder;
  const std::string path = folder.Path("data");
  std::vector<uint8_t> bytes(20000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  WriteBytes(path, bytes);

  EXPECT_EQ(ReadWholeFile(path), bytes);
  EXPECT_EQ(ReadWholeFile(path, 1254), std::vector<uint8_t>(bytes.begin(), bytes.begin() + 1254));
  EXPECT_EQ(ReadWholeFile(path, 0), std::vector<uint8_t>{});
}

TEST(ReadWholeFile, MissingFilesAndFoldersGiveNothing) {
  TestFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.Path("missing")), std::nullopt);
  std::filesystem::create_directory(folder.Path("dir"));
  EXPECT_EQ(ReadWholeFile(folder.Path("dir")), std::nullopt);
  WriteBytes(folder.Path("empty"), {});
  EXPECT_EQ(ReadWholeFile(folder.Path("empty")), std::vector<uint8_t>{});
}
