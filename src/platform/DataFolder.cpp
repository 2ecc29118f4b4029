#include "platform/DataFolder.h"

#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

fs::path ChooseDataFolder(const fs::path& current, const char* xdgDataHome, const char* home) {
  std::error_code ec;
  if (fs::is_regular_file(current / "AureloSettings.dat", ec) || fs::is_directory(current / "lang_files", ec)) {
    return current;
  }
  fs::path base;
  if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
    base = xdgDataHome;
  } else if (home != nullptr && *home != '\0') {
    base = fs::path(home) / ".local" / "share";
  } else {
    return current;
  }
  return base / "aurelo";
}

namespace {
// Chosen by EnterDataFolder, not there yet.
fs::path newFolder;
}  // namespace

void EnterDataFolder() {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  if (ec) return;
  const fs::path folder = ChooseDataFolder(current, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (folder == current) return;
  if (fs::is_directory(folder, ec)) {
    fs::current_path(folder, ec);
  } else {
    newFolder = folder;
  }
}

void EnterNewDataFolder() {
  const fs::path folder = std::exchange(newFolder, {});
  if (folder.empty()) return;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return;
  fs::current_path(folder, ec);
}

fs::path ShippedDataFolder(const fs::path& relative) {
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

fs::path UserDataFolder(const fs::path& relative) {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data) return fs::path(data) / "aurelo" / relative;
  const char* home = std::getenv("HOME");
  return fs::path(home ? home : "") / ".local" / "share" / "aurelo" / relative;
}
