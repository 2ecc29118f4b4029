#include "tasks/drills/DrillChoice.h"

#include <optional>
#include <string>

#include "tasks/drills/DrillLevels.h"

namespace drills {
namespace {
// Chosen in this run; before that, the one chosen last in the file of the levels.
std::optional<size_t> chosen;

size_t Chosen() {
  if (!chosen) {
    chosen = 0;
    const std::string key = ReadChosenDrill();
    const std::vector<ListedDrill>& drills = LoadedDrills().drills;
    for (size_t i = 0; i < drills.size(); ++i) {
      if (LevelKey(drills[i]) == key) chosen = i;
    }
  }
  return *chosen;
}

}  // namespace

const DrillList& LoadedDrills() {
  static const DrillList list = ListDrills();
  return list;
}

void ChooseDrill(size_t index) {
  chosen = index;
  const std::vector<ListedDrill>& drills = LoadedDrills().drills;
  // A file that cannot be written only costs the choice at the next start.
  if (index < drills.size()) StoreChosenDrill(LevelKey(drills[index]));
}

const ListedDrill* DrillOfKind(Kind kind) {
  const std::vector<ListedDrill>& drills = LoadedDrills().drills;
  if (const size_t i = Chosen(); i < drills.size() && drills[i].drill.kind == kind) return &drills[i];
  for (const ListedDrill& listed : drills) {
    if (listed.drill.kind == kind) return &listed;
  }
  return nullptr;
}

}  // namespace drills
