#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "formats/TeacherMelody.h"

// Where the melodies of the teacher-melody tasks come from: the levels shipped with the
// program (melodies/<level>/ beside the program in a build tree, or in the installed data
// folder) and the user's own folder ${XDG_DATA_HOME:-~/.local/share}/aurelo/melodies/.
namespace teacher {

// The user's own melodies.
std::filesystem::path MyMelodiesFolder();
// A folder of the shipped data (such as "melodies/level1"): the first of beside the program
// (a build tree), then the installed data folder, that exists.
std::filesystem::path ShippedFolder(const std::filesystem::path& relative);
// The folder of a shipped level of melodies.
std::filesystem::path LevelFolder(const std::string& level);

struct Collection {
  std::vector<Melody> melodies;
  // File names of melody files that could not be read.
  std::vector<std::string> unreadable;
};
// The melodies of the folder's *.aro and *.mid files, in the order of their names. A file
// without a title is named after the file.
Collection ReadFolder(const std::filesystem::path& folder);

// Gives the indices 0..count-1 in random order, each once, then again in a new order; the first
// of a new order is never the last of the one before (when count is above 1).
class Deck {
 public:
  explicit Deck(size_t count) : count_(count) {}
  // count must be above 0.
  size_t Next();

 private:
  size_t count_;
  std::vector<size_t> left_;
  std::optional<size_t> last_;
};

}  // namespace teacher
