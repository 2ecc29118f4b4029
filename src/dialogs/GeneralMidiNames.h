#pragma once
#include <array>

// The General MIDI level 1 sound set: the 128 programs and the percussion keys 35-81.
namespace gm {
inline constexpr int kFirstPercussionKey = 35;
inline constexpr int kPercussionKeyCount = 47;
extern const std::array<const char*, 128> programNames;
// Index 0 is key 35.
extern const std::array<const char*, kPercussionKeyCount> percussionNames;
}  // namespace gm
