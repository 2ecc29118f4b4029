#include "tasks/drills/DrillChoice.h"

namespace drills {
namespace {
size_t chosen = 0;
}  // namespace

const DrillList& LoadedDrills() {
  static const DrillList list = ListDrills();
  return list;
}

void ChooseDrill(size_t index) { chosen = index; }

const ListedDrill* DrillOfKind(Kind kind) {
  const std::vector<ListedDrill>& drills = LoadedDrills().drills;
  if (chosen < drills.size() && drills[chosen].drill.kind == kind) return &drills[chosen];
  for (const ListedDrill& listed : drills) {
    if (listed.drill.kind == kind) return &listed;
  }
  return nullptr;
}

}  // namespace drills
