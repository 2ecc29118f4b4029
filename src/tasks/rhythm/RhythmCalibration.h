#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "tasks/rhythm/RhythmTiming.h"
#include "tasks/rhythm/TapSource.h"

// The calibration: one bar counted in, then eight clicks a quarter apart, which the student
// taps along with. The median distance of the taps from their clicks is the delay of the
// student's taps and of the system together; it is taken off every later tap of that input.
namespace rhythm {

inline constexpr int32_t kCalibrationClicks = 8;
inline constexpr int32_t kCalibrationCountIn = 4;
// Clicks that need a tap for a measurement.
inline constexpr int32_t kLeastCalibrationTaps = 5;

// The count-in and the clicks at the tempo; answerStartMs is the first click to tap with,
// onsetsMs the clicks from there.
Schedule CalibrationSchedule(int32_t msPerQuarter);

// The offset from taps (ms from the first click, in any order) against the clicks: each click
// takes the nearest tap within half a quarter; the median of their distances, or none when
// fewer than kLeastCalibrationTaps clicks got one.
std::optional<int32_t> MeasureOffset(std::span<const int32_t> tapsMs, int32_t msPerQuarter);

// The channel most of the taps came from (the keys when there are none).
TapChannel MostUsedChannel(std::span<const Tap> taps);

}  // namespace rhythm
