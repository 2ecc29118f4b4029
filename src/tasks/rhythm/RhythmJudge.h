#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Whether the taps of an answer repeat the rhythm: each onset wants one tap within the
// tolerance, and no tap may be left over. The result tells per onset how early or late its tap
// came, so that the rhythm and the taps can be drawn on one timeline.
namespace rhythm {

struct Tolerance {
  int32_t percentOfBeat = 12;
  int32_t mostMs = 70;
  // The tolerance in ms when a quarter lasts msPerQuarter: the percentage, rounded down, and
  // no more than mostMs.
  int32_t Ms(int32_t msPerQuarter) const;
  friend bool operator==(const Tolerance&, const Tolerance&) = default;
};

enum class TapTiming { InTime, Early, Late, Missing };

struct OnsetResult {
  int32_t onsetMs = 0;
  std::optional<int32_t> offsetMs;  // the tap's time minus the onset's (below 0: early); none: missing
  TapTiming timing = TapTiming::Missing;
};

struct Judgement {
  std::vector<OnsetResult> onsets;
  std::vector<int32_t> extraTapsMs;  // taps matched to no onset, in time order
  int32_t toleranceMs = 0;
  int32_t Count(TapTiming timing) const;
  bool Right() const { return Count(TapTiming::InTime) == static_cast<int32_t>(onsets.size()) && extraTapsMs.empty(); }
};

// The taps' times from origin on the program's 32-bit millisecond clock (which wraps).
std::vector<int32_t> TapsSince(std::span<const uint32_t> clockMs, uint32_t originMs);

// Matches the taps (ms from the answer's first bar, in any order, before it too) to the onsets
// (ms from the same point, in time order). A tap belongs to the onset nearest to it, if that is
// no more than a quarter away; of several taps of one onset the nearest is its tap and the others
// are extra. A tap is early or late when it is further than toleranceMs from its onset.
Judgement Judge(std::span<const int32_t> onsetsMs, std::span<const int32_t> tapsMs, int32_t toleranceMs,
                int32_t msPerQuarter);

}  // namespace rhythm
