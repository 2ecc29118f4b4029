#include "tasks/rhythm/RhythmLevels.h"

#include "platform/DataFolder.h"
#include "platform/FileWrite.h"

namespace rhythm {

std::filesystem::path LevelPath(const std::string& fileName) { return ShippedDataFolder("rhythms") / fileName; }

LevelRead ReadLevelFile(const std::filesystem::path& path) {
  const UserFile file = ReadUserFile(path.string(), kMostFileBytes);
  LevelRead read;
  if (file.status == UserFileStatus::kRead) {
    read = ParseLevel(file.bytes);
  } else if (file.status == UserFileStatus::kTooBig) {
    read.error = "the file is larger than " + std::to_string(kMostFileBytes / 1024) + " KiB";
  } else {
    read.error = "the file cannot be read";
  }
  if (!read.Ok()) read.error = path.filename().string() + ": " + read.error;
  return read;
}

}  // namespace rhythm
