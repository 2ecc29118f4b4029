#include "tasks/drills/DrillLibrary.h"

#include <algorithm>

#include "platform/DataFolder.h"
#include "tasks/drills/DrillFile.h"

namespace fs = std::filesystem;

namespace drills {
namespace {

std::vector<fs::path> ExerciseFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string ext = it->path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".json") files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void ListFolder(const fs::path& folder, bool own, DrillList& list) {
  for (const fs::path& file : ExerciseFiles(folder)) {
    DrillRead read = ReadDrillFile(file);
    if (read.drill) {
      list.drills.push_back({file, own, std::move(*read.drill)});
    } else {
      list.broken.push_back(std::move(read.error));
    }
  }
}

}  // namespace

fs::path ShippedFolder() { return ShippedDataFolder("exercises"); }

// Beside the teacher's own melodies, in the program's data folder.
fs::path OwnFolder() { return UserDataFolder("exercises"); }

DrillList ListDrills() { return ListDrills(ShippedFolder(), OwnFolder()); }

DrillList ListDrills(const fs::path& shipped, const fs::path& own) {
  DrillList list;
  ListFolder(shipped, false, list);
  ListFolder(own, true, list);
  return list;
}

}  // namespace drills
