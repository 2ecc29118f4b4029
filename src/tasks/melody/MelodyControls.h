#pragma once
#include <cstdint>

#include "tasks/base/TaskType.h"

// The controls and the recorded settings of the melody tasks, shared by the tasks that play
// a melody for any answer (on the piano or sung back).
namespace melody_controls {

// Key, mode, tempo and the two piano options; the maximum distance only where tones follow one
// another at random.
inline constexpr uint16_t kOneTone = controls::kKeyList | controls::kModeList | controls::kTempoList |
                                     controls::kFixIllumination | controls::kBlockExtramode | controls::kPlay |
                                     controls::kTimeMeter;
inline constexpr uint16_t kSequence = kOneTone | controls::kMaxDistance;
inline constexpr progress::UsedSettings kScale{true, true, false};
inline constexpr progress::UsedSettings kScaleAndDistance{true, true, true};
// A teacher's melody brings its own key.
inline constexpr progress::UsedSettings kOwnKey{};

}  // namespace melody_controls
