#include "sound/SoundFont.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The program's own folder, empty when it cannot be told.
std::string ProgramFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.parent_path().string();
}

std::optional<std::string> FirstFontInFolder(const fs::path& folder) {
  std::error_code error;
  std::vector<std::string> fonts;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->path().extension() == ".sf2" && it->is_regular_file(error)) fonts.push_back(it->path().string());
  }
  if (fonts.empty()) return std::nullopt;
  return *std::min_element(fonts.begin(), fonts.end());
}

}  // namespace

std::vector<std::string> SoundFontSearchOrder() {
  std::vector<std::string> places = {
      "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/soundfonts/",
  };
  const std::string folder = ProgramFolder();
  if (!folder.empty()) places.push_back(folder + "/soundfonts/");
  return places;
}

std::optional<std::string> FindSoundFontIn(const std::vector<std::string>& places) {
  for (const std::string& place : places) {
    std::error_code error;
    if (!place.empty() && place.back() == '/') {
      if (auto font = FirstFontInFolder(place)) return font;
    } else if (fs::is_regular_file(place, error)) {
      return place;
    }
  }
  return std::nullopt;
}

std::optional<std::string> FindSoundFont() { return FindSoundFontIn(SoundFontSearchOrder()); }
