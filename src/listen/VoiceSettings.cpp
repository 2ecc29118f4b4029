#include "listen/VoiceSettings.h"

#include <algorithm>
#include <optional>

#include "text/KeyValueText.h"

namespace {

constexpr size_t kLargestFile = 4096;
constexpr size_t kLongestDeviceName = 256;
constexpr int kLowestNote = 21;   // A0
constexpr int kHighestNote = 108;  // C8

bool Printable(std::string_view text) {
  return text.size() <= kLongestDeviceName &&
         std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

}  // namespace

VoiceSettings ParseVoiceSettings(std::string_view text) {
  VoiceSettings settings;
  SingingRange range;
  ForEachKeyValue(text, [&](std::string_view key, std::string_view value) {
    if (key == "tolerance_cents") {
      settings.toleranceCents = BoundedNumber(value, kLowestToleranceCents, kHighestToleranceCents).value_or(kDefaultToleranceCents);
    } else if (key == "exact_octave") {
      settings.exactOctave = value == "yes";
    } else if (key == "lowest_note") {
      range.lowest = BoundedNumber(value, kLowestNote, kHighestNote).value_or(0);
    } else if (key == "highest_note") {
      range.highest = BoundedNumber(value, kLowestNote, kHighestNote).value_or(0);
    } else if (key == "input_device") {
      settings.inputDevice = Printable(value) ? std::string(value) : std::string();
    }
  });
  if (range.Known()) settings.range = range;
  return settings;
}

std::string FormatVoiceSettings(const VoiceSettings& settings) {
  const bool known = settings.range.Known();
  return "tolerance_cents=" + std::to_string(std::clamp(settings.toleranceCents, kLowestToleranceCents, kHighestToleranceCents)) +
         "\nexact_octave=" + (settings.exactOctave ? "yes" : "no") +
         "\nlowest_note=" + std::to_string(known ? settings.range.lowest : 0) +
         "\nhighest_note=" + std::to_string(known ? settings.range.highest : 0) +
         "\ninput_device=" + (Printable(settings.inputDevice) ? settings.inputDevice : std::string()) + "\n";
}

VoiceSettings ReadVoiceSettings(const std::string& path) {
  return ParseVoiceSettings(ReadKeyValueFile(path, kLargestFile));
}

FileWriteResult WriteVoiceSettings(const VoiceSettings& settings, const std::string& path) {
  return WriteKeyValueFile(path, FormatVoiceSettings(settings));
}
