#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The tone search, the random melodies and the teachers' melodies.
std::span<const TaskType> MelodyTaskTypes();
