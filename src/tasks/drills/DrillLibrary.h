#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "tasks/drills/Drill.h"

// Where the drills come from: the exercise files shipped with the program (exercises/ beside
// the program in a build tree, else in the installed data folder) and a teacher's own in
// ${XDG_DATA_HOME:-~/.local/share}/aurelo/exercises/.
namespace drills {

std::filesystem::path ShippedFolder();
std::filesystem::path OwnFolder();

struct ListedDrill {
  std::filesystem::path file;
  bool own = false;  // from the teacher's folder
  Drill drill;
};
struct DrillList {
  std::vector<ListedDrill> drills;  // the shipped ones, then the own ones, each in the order of their file names
  std::vector<std::string> broken;  // one line for each file that could not be read: "name.json: what is wrong"
};

// The drills of the *.json files of both folders; a folder that is missing has none.
DrillList ListDrills();
DrillList ListDrills(const std::filesystem::path& shipped, const std::filesystem::path& own);

}  // namespace drills
