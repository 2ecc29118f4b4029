#pragma once
#include <cstdint>

#include "music/MusicalTables.h"

// How many entries the key and mode lists of the control bar have.
inline constexpr int32_t kKeyCount = 12;
inline constexpr int32_t kModeCount = 11;

// The widest distance on the three-octave piano; a stored distance above it means nothing.
inline constexpr int32_t kWidestDistance = 36;

// First-start values of the settings; a stored value outside its range falls back to them.
namespace firstStart {
inline constexpr uint8_t languageIndex = 0;
inline constexpr uint8_t askBeforeExit = 2;
inline constexpr int32_t tempoIndex = 21;
inline constexpr int32_t modeIndex = 0;
inline constexpr int32_t keyIndex = 0;
inline constexpr int32_t maxDistance = 5;
inline constexpr int32_t volume = 100;
inline constexpr int32_t useHardwareMidiKeyboard = 1;
// The audio latency choice of the MIDI settings: 0 low, 1 normal, 2 safe. Low: a key sounds
// about 10 ms after it is played on PulseAudio, and the stress check (bench/stress_tones.sh)
// keeps its tones under two and three spinning processes; a machine that cannot keep up gets
// the next larger latency once its stream has run dry three times.
inline constexpr int32_t audioLatency = 0;
}  // namespace firstStart

// How many audio latency choices there are.
inline constexpr int32_t kAudioLatencyChoices = 3;

// The loudest MIDI volume.
inline constexpr int32_t kMaxVolume = 127;
// A font taller than this many pixels is not a font anyone chose.
inline constexpr int32_t kTallestFont = 1000;
