#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// Chord recognition and chord playing.
std::span<const TaskType> ChordTaskTypes();
