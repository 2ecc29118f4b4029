#include "tasks/rhythm/RhythmCalibration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace rhythm {

Schedule CalibrationSchedule(int32_t msPerQuarter) {
  Schedule schedule;
  for (int32_t i = 0; i < kCalibrationCountIn + kCalibrationClicks; ++i) {
    schedule.sounds.push_back({i * msPerQuarter, i % kCalibrationCountIn == 0 ? kAccentClickKey : kWeakClickKey, 0});
  }
  schedule.answerStartMs = kCalibrationCountIn * msPerQuarter;
  schedule.answerEndMs = schedule.answerStartMs + kCalibrationClicks * msPerQuarter;
  for (int32_t i = 0; i < kCalibrationClicks; ++i) schedule.onsetsMs.push_back(i * msPerQuarter);
  return schedule;
}

std::optional<int32_t> MeasureOffset(std::span<const int32_t> tapsMs, int32_t msPerQuarter) {
  if (msPerQuarter <= 0) return std::nullopt;
  std::array<std::optional<int32_t>, kCalibrationClicks> nearest{};
  for (const int32_t tap : tapsMs) {
    const auto click = static_cast<int32_t>(std::lround(static_cast<double>(tap) / msPerQuarter));
    if (click < 0 || click >= kCalibrationClicks) continue;
    const int32_t distance = tap - click * msPerQuarter;
    if (std::abs(distance) * 2 >= msPerQuarter) continue;
    std::optional<int32_t>& best = nearest[static_cast<size_t>(click)];
    if (!best || std::abs(distance) < std::abs(*best)) best = distance;
  }
  std::vector<int32_t> distances;
  for (const auto& d : nearest) {
    if (d) distances.push_back(*d);
  }
  if (static_cast<int32_t>(distances.size()) < kLeastCalibrationTaps) return std::nullopt;
  std::sort(distances.begin(), distances.end());
  const size_t middle = distances.size() / 2;
  return distances.size() % 2 ? distances[middle] : (distances[middle - 1] + distances[middle]) / 2;
}

TapChannel MostUsedChannel(std::span<const Tap> taps) {
  std::array<int32_t, kTapChannelCount> counts{};
  for (const Tap& tap : taps) ++counts[static_cast<size_t>(tap.channel)];
  return static_cast<TapChannel>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

}  // namespace rhythm
