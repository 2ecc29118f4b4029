#include "tasks/melody/MelodyLibrary.h"

#include <algorithm>
#include <cstdlib>

#include "formats/MidiFile.h"
#include "platform/DataFolder.h"
#include "platform/FileWrite.h"

namespace fs = std::filesystem;

namespace teacher {
namespace {

bool IsMelodyFile(const fs::directory_entry& entry) {
  std::error_code ec;
  if (!entry.is_regular_file(ec)) return false;
  std::string ext = entry.path().extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == ".aro" || ext == ".mid" || ext == ".midi";
}

std::vector<fs::path> MelodyFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsMelodyFile(*it)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

fs::path MyMelodiesFolder() { return UserDataFolder("melodies"); }

fs::path LevelFolder(const std::string& level) { return ShippedDataFolder(fs::path("melodies") / level); }

Collection ReadFolder(const fs::path& folder) {
  Collection collection;
  for (const fs::path& file : MelodyFiles(folder)) {
    const UserFile read = ReadUserFile(file.string(), smf::kMostBytes);
    std::optional<Melody> melody;
    if (read.status == UserFileStatus::kRead) melody = ReadMelody(read.bytes, file.stem().string());
    if (melody) {
      collection.melodies.push_back(std::move(*melody));
    } else {
      collection.unreadable.push_back(file.filename().string());
    }
  }
  return collection;
}


}  // namespace teacher
