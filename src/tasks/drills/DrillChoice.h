#pragma once
#include <cstddef>

#include "tasks/drills/DrillLibrary.h"

// The drills of the menu, read once a run, and the one the student chose last, this run or
// the one before: the drill tasks play it (a task of another kind, the first drill of its
// kind).
namespace drills {

// The drills of both folders, read at the first call.
const DrillList& LoadedDrills();
// The drill of the menu's index into LoadedDrills().drills is the one to play, at the next
// start too.
void ChooseDrill(size_t index);
// The chosen drill when it is of the kind, else the first loaded one of the kind; nullptr
// when there is none.
const ListedDrill* DrillOfKind(Kind kind);

}  // namespace drills
