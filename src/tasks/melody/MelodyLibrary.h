#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "formats/TeacherMelody.h"
#include "tasks/common/Deck.h"

// Where the melodies of the teacher-melody tasks come from: the levels shipped with the
// program (melodies/<level>/ beside the program in a build tree, or in the installed data
// folder) and the user's own folder ${XDG_DATA_HOME:-~/.local/share}/aurelo/melodies/.
namespace teacher {

// The user's own melodies.
std::filesystem::path MyMelodiesFolder();
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

}  // namespace teacher
