#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The tasks answered by singing into the microphone.
std::span<const TaskType> VoiceTaskTypes();
