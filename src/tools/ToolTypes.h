#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The tuning fork and the metronome.
std::span<const TaskType> ToolTaskTypes();
