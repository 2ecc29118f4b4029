#include "tasks/rhythm/RhythmJudge.h"

#include <algorithm>
#include <cstdlib>

namespace rhythm {
namespace {

// The onset nearest to the tap (the earlier of two as near), or none within a quarter.
std::optional<size_t> NearestOnset(std::span<const int32_t> onsetsMs, int32_t tapMs, int32_t msPerQuarter) {
  const auto after = std::lower_bound(onsetsMs.begin(), onsetsMs.end(), tapMs);
  std::optional<size_t> nearest;
  int64_t best = int64_t{msPerQuarter} + 1;
  const auto consider = [&](std::span<const int32_t>::iterator it) {
    const int64_t distance = std::llabs(int64_t{tapMs} - *it);
    if (distance >= best) return;
    best = distance;
    nearest = static_cast<size_t>(it - onsetsMs.begin());
  };
  if (after != onsetsMs.begin()) consider(after - 1);
  if (after != onsetsMs.end()) consider(after);
  return nearest;
}

}  // namespace

int32_t Tolerance::Ms(int32_t msPerQuarter) const {
  return std::min(static_cast<int32_t>(int64_t{msPerQuarter} * percentOfBeat / 100), mostMs);
}

int32_t Judgement::Count(TapTiming timing) const {
  return static_cast<int32_t>(
      std::count_if(onsets.begin(), onsets.end(), [timing](const OnsetResult& r) { return r.timing == timing; }));
}

std::vector<int32_t> TapsSince(std::span<const uint32_t> clockMs, uint32_t originMs) {
  std::vector<int32_t> taps;
  for (const uint32_t t : clockMs) taps.push_back(static_cast<int32_t>(t - originMs));
  return taps;
}

Judgement Judge(std::span<const int32_t> onsetsMs, std::span<const int32_t> tapsMs, int32_t toleranceMs,
                int32_t msPerQuarter) {
  Judgement judgement;
  judgement.toleranceMs = toleranceMs;
  for (const int32_t onset : onsetsMs) judgement.onsets.push_back({onset, std::nullopt, TapTiming::Missing});
  std::vector<int32_t> taps(tapsMs.begin(), tapsMs.end());
  std::sort(taps.begin(), taps.end());
  for (const int32_t tap : taps) {
    const std::optional<size_t> onset = NearestOnset(onsetsMs, tap, msPerQuarter);
    if (!onset) {
      judgement.extraTapsMs.push_back(tap);
      continue;
    }
    OnsetResult& result = judgement.onsets[*onset];
    const int32_t offset = tap - result.onsetMs;
    if (result.offsetMs && std::abs(*result.offsetMs) <= std::abs(offset)) {
      judgement.extraTapsMs.push_back(tap);
      continue;
    }
    if (result.offsetMs) judgement.extraTapsMs.push_back(result.onsetMs + *result.offsetMs);
    result.offsetMs = offset;
    result.timing = offset < -toleranceMs ? TapTiming::Early : offset > toleranceMs ? TapTiming::Late : TapTiming::InTime;
  }
  std::sort(judgement.extraTapsMs.begin(), judgement.extraTapsMs.end());
  return judgement;
}

}  // namespace rhythm
