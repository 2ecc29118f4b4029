#pragma once
#include <span>

#include "tasks/base/TaskType.h"

// The three sequencers and the player.
std::span<const TaskType> SequencerTaskTypes();
