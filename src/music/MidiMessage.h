#pragma once
#include <cstdint>

// MIDI status bytes, controllers and the fields of a packed short message.
namespace midi {
inline constexpr uint8_t kNoteOff = 0x80;
inline constexpr uint8_t kNoteOn = 0x90;
inline constexpr uint8_t kPolyPressure = 0xA0;
inline constexpr uint8_t kControlChange = 0xB0;
inline constexpr uint8_t kProgramChange = 0xC0;
inline constexpr uint8_t kChannelPressure = 0xD0;
inline constexpr uint8_t kPitchBend = 0xE0;
inline constexpr uint8_t kSystem = 0xF0;
inline constexpr uint8_t kSongPosition = 0xF2;
inline constexpr uint8_t kTimeCodeQuarter = 0xF1;
inline constexpr uint8_t kSongSelect = 0xF3;
inline constexpr uint8_t kStatusBit = 0x80;
inline constexpr uint8_t kKindMask = 0xF0;
inline constexpr uint8_t kChannelMask = 0x0F;
inline constexpr uint8_t kDataMask = 0x7F;

inline constexpr uint8_t kChannelVolume = 7;
inline constexpr uint8_t kAllSoundOff = 120;
inline constexpr uint8_t kAllNotesOff = 123;

inline constexpr int kChannelCount = 16;
inline constexpr int kPercussionChannel = 9;

// Packs a short message: status in bits 0-7, data 1 in bits 8-15, data 2 in bits 16-23.
constexpr uint32_t Pack(uint32_t status, uint32_t data1 = 0, uint32_t data2 = 0) {
  return (status & 0xFF) | ((data1 & 0xFF) << 8) | ((data2 & 0xFF) << 16);
}
constexpr uint8_t Status(uint32_t message) { return static_cast<uint8_t>(message & 0xFF); }
constexpr uint8_t Data1(uint32_t message) { return static_cast<uint8_t>((message >> 8) & kDataMask); }
constexpr uint8_t Data2(uint32_t message) { return static_cast<uint8_t>((message >> 16) & kDataMask); }
constexpr uint8_t Kind(uint32_t message) { return static_cast<uint8_t>(message & kKindMask); }
constexpr int Channel(uint32_t message) { return static_cast<int>(message & kChannelMask); }
// Number of bytes of the short message that starts with this status byte (1-3).
constexpr int MessageLength(uint8_t status) {
  switch (status & kKindMask) {
    case kProgramChange:
    case kChannelPressure:
      return 2;
    case kSystem:
      if (status == kSongPosition) return 3;
      if (status == kTimeCodeQuarter || status == kSongSelect) return 2;
      return 1;
    default:
      return 3;
  }
}
}  // namespace midi
