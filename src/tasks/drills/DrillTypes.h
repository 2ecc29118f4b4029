#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The drill task types: one for each kind of exercise file.
std::span<const TaskType> DrillTaskTypes();
// The task type that plays drills of the kind (Kind: 0 intervals, 1 scales, 2 inversions, 3 mixed).
int DrillTaskType(int kind);
