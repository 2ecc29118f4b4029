#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileWrite.h"
#include "tasks/rhythm/RhythmJudge.h"
#include "tasks/rhythm/TapSource.h"

// The rhythm answers' settings, kept in the data folder in a small text file of their own:
// the tolerance, whether claps are listened to, and the offset the calibration measured for
// each input (the user's habit and the system's delays together).
namespace rhythm {

inline constexpr int32_t kLowestTolerancePercent = 4;
inline constexpr int32_t kHighestTolerancePercent = 30;
inline constexpr int32_t kLowestToleranceMs = 20;
inline constexpr int32_t kHighestToleranceMs = 150;
// An offset beyond this is no habit but a fault (a tap far off the clicks).
inline constexpr int32_t kLargestOffsetMs = 400;

struct RhythmSettings {
  Tolerance tolerance;
  bool claps = false;
  // Subtracted from the time of each tap of that channel; 0 until calibrated.
  std::array<int32_t, kTapChannelCount> offsetMs{};
  // The tap's time with the offset of its channel taken off.
  uint32_t Corrected(const Tap& tap) const;
  bool operator==(const RhythmSettings&) const = default;
};

inline constexpr char kRhythmSettingsFile[] = "AureloRhythm.txt";

// Lines of key=value: tolerance_percent, tolerance_most_ms, claps (yes/no), offset_key_ms,
// offset_midi_ms, offset_clap_ms. A missing, unreadable or broken file, or a value out of
// range, gives that setting's default; unknown lines are skipped.
RhythmSettings ParseRhythmSettings(std::string_view text);
std::string FormatRhythmSettings(const RhythmSettings& settings);

RhythmSettings ReadRhythmSettings(const std::string& path = kRhythmSettingsFile);
// Replaces the file at once, or leaves it as it was.
FileWriteResult WriteRhythmSettings(const RhythmSettings& settings, const std::string& path = kRhythmSettingsFile);

}  // namespace rhythm
