#pragma once
#include <string>
#include <string_view>

#include "listen/SungNoteDetector.h"
#include "listen/VoiceJudge.h"
#include "platform/FileWrite.h"

// The voice answers' settings, kept in the data folder in a small text file of its own.
struct VoiceSettings {
  int toleranceCents = kDefaultToleranceCents;  // kLowestToleranceCents..kHighestToleranceCents
  bool exactOctave = false;
  SingingRange range;       // not known until the student has sung it
  std::string inputDevice;  // PulseAudio source name; empty: the desktop's default input
  bool operator==(const VoiceSettings&) const = default;
};

// The file, in the data folder (the program's working folder).
inline constexpr char kVoiceSettingsFile[] = "AureloVoice.txt";

// Lines of key=value: tolerance_cents, exact_octave (yes/no), lowest_note and highest_note
// (MIDI numbers, 0: not known), input_device. A missing, unreadable or broken file, or a
// value out of range, gives that setting's default; unknown lines are skipped.
VoiceSettings ParseVoiceSettings(std::string_view text);
std::string FormatVoiceSettings(const VoiceSettings& settings);

VoiceSettings ReadVoiceSettings(const std::string& path = kVoiceSettingsFile);
// Replaces the file at once (WriteFileAtomically), or leaves it as it was.
FileWriteResult WriteVoiceSettings(const VoiceSettings& settings, const std::string& path = kVoiceSettingsFile);
