#pragma once
#include <array>
#include <cstdint>

// How many entries the key and mode lists of the control bar have.
inline constexpr int32_t kKeyCount = 12;
inline constexpr int32_t kModeCount = 11;

// The maximum distances between neighbouring tones the control bar offers, in semitones.
inline constexpr std::array<int32_t, 10> maxDistanceValues = {2, 3, 4, 5, 7, 10, 12, 17, 24, 36};

// The widest distance on the three-octave piano; a stored distance above it means nothing.
inline constexpr int32_t kWidestDistance = 36;

// First-start values that a stored value outside its range falls back to.
namespace firstStart {
inline constexpr int32_t tempoIndex = 21;
inline constexpr int32_t modeIndex = 0;
inline constexpr int32_t keyIndex = 0;
inline constexpr int32_t maxDistance = 5;
inline constexpr int32_t volume = 100;
}  // namespace firstStart

// The loudest MIDI volume.
inline constexpr int32_t kMaxVolume = 127;
// A font taller than this many pixels is not a font anyone chose.
inline constexpr int32_t kTallestFont = 1000;
