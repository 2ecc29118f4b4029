#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// Rhythm repetition, one type a level.
std::span<const TaskType> RhythmTaskTypes();
