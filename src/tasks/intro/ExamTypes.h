#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The entrance exam's explanation, warm-up and three levels.
std::span<const TaskType> ExamTaskTypes();
