#include "tasks/melody/MelodyLibrary.h"

#include <algorithm>
#include <cstdlib>

#include "formats/MidiFile.h"
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

fs::path MyMelodiesFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data) return fs::path(data) / "aurelo" / "melodies";
  const char* home = std::getenv("HOME");
  return fs::path(home ? home : "") / ".local" / "share" / "aurelo" / "melodies";
}

fs::path ShippedFolder(const fs::path& relative) {
  std::vector<fs::path> folders;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) folders.push_back(exe.parent_path() / relative);
  folders.push_back(fs::path(AURELO_DATA_DIR) / relative);
  for (const fs::path& folder : folders) {
    if (fs::is_directory(folder, ec)) return folder;
  }
  return folders.back();
}

fs::path LevelFolder(const std::string& level) { return ShippedFolder(fs::path("melodies") / level); }

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

size_t Deck::Next() {
  const bool newOrder = left_.empty();
  if (newOrder) {
    for (size_t i = 0; i < count_; ++i) left_.push_back(i);
  }
  size_t pick = static_cast<size_t>(std::rand()) % left_.size();
  if (newOrder && left_.size() > 1 && left_[pick] == last_) pick = (pick + 1) % left_.size();
  const size_t index = left_[pick];
  left_.erase(left_.begin() + static_cast<std::ptrdiff_t>(pick));
  last_ = index;
  return index;
}

}  // namespace teacher
