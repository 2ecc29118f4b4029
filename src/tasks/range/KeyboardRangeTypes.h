#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The measurement of the hardware keyboard's range.
std::span<const TaskType> KeyboardRangeTaskTypes();
