#include "tasks/rhythm/RhythmSettings.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "text/KeyValueText.h"

namespace rhythm {
namespace {

constexpr size_t kLargestFile = 4096;
constexpr std::array<const char*, kTapChannelCount> kOffsetKeys = {"offset_key_ms", "offset_midi_ms",
                                                                   "offset_clap_ms"};

}  // namespace

uint32_t RhythmSettings::Corrected(const Tap& tap) const {
  return tap.atMs - static_cast<uint32_t>(offsetMs[static_cast<size_t>(tap.channel)]);
}

RhythmSettings ParseRhythmSettings(std::string_view text) {
  RhythmSettings settings;
  const Tolerance standard;
  ForEachKeyValue(text, [&](std::string_view key, std::string_view value) {
    if (key == "tolerance_percent") {
      settings.tolerance.percentOfBeat =
          BoundedNumber(value, kLowestTolerancePercent, kHighestTolerancePercent).value_or(standard.percentOfBeat);
    } else if (key == "tolerance_most_ms") {
      settings.tolerance.mostMs = BoundedNumber(value, kLowestToleranceMs, kHighestToleranceMs).value_or(standard.mostMs);
    } else if (key == "claps") {
      settings.claps = value == "yes";
    }
    for (size_t i = 0; i < kOffsetKeys.size(); ++i) {
      if (key == kOffsetKeys[i]) settings.offsetMs[i] = BoundedNumber(value, -kLargestOffsetMs, kLargestOffsetMs).value_or(0);
    }
  });
  return settings;
}

std::string FormatRhythmSettings(const RhythmSettings& settings) {
  std::string text =
      "tolerance_percent=" +
      std::to_string(std::clamp(settings.tolerance.percentOfBeat, kLowestTolerancePercent, kHighestTolerancePercent)) +
      "\ntolerance_most_ms=" +
      std::to_string(std::clamp(settings.tolerance.mostMs, kLowestToleranceMs, kHighestToleranceMs)) +
      "\nclaps=" + (settings.claps ? "yes" : "no") + "\n";
  for (size_t i = 0; i < kOffsetKeys.size(); ++i) {
    text += std::string(kOffsetKeys[i]) + "=" +
            std::to_string(std::clamp(settings.offsetMs[i], -kLargestOffsetMs, kLargestOffsetMs)) + "\n";
  }
  return text;
}

RhythmSettings ReadRhythmSettings(const std::string& path) {
  return ParseRhythmSettings(ReadKeyValueFile(path, kLargestFile));
}

FileWriteResult WriteRhythmSettings(const RhythmSettings& settings, const std::string& path) {
  return WriteKeyValueFile(path, FormatRhythmSettings(settings));
}

}  // namespace rhythm
