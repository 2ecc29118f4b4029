#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FontDesc.h"
#include "platform/Geometry.h"
#include "settings/CArchive.h"

// The settings file "AureloSettings.dat": one packed little-endian record of 1254 bytes,
// field by field as declared below. Loading copies the record into the process-wide
// settings of ProgramSettings.h; saving copies them into the record first.
class CSettingsBank {
 public:
  static constexpr size_t kFileBytes = 1254;
  static constexpr uint8_t kBlockExtramodeKeysBit = 0x01;
  static constexpr uint8_t kFixKeyIlluminationBit = 0x02;
  static constexpr uint16_t kKeyboardRangeMark = 0x524B;  // the letters K, R

  CSettingsBank() = default;
  virtual ~CSettingsBank() = default;
  CSettingsBank(const CSettingsBank&) = default;
  CSettingsBank& operator=(const CSettingsBank&) = default;

  // Stores the record into the archive or loads it from it, by the archive's direction.
  virtual void Serialize(CArchive& ar);

  // Reads the file into the process-wide settings. Without a readable file of full length
  // the two fonts get their first-start descriptions and every other setting keeps its value.
  // Stored values no list can show fall back to their first-start values.
  void LoadSettings(const std::string& fileName);
  // Writes the process-wide settings to the file, replacing it whole; a file that cannot
  // be written is left as it was, silently. Returns whether it was written.
  bool SaveSettings(const std::string& fileName);

  // The record as file bytes, and back; FromBytes is false (and changes nothing) for
  // fewer than kFileBytes bytes.
  std::vector<uint8_t> ToBytes();
  bool FromBytes(const std::vector<uint8_t>& bytes);

  // Copies between the record and the process-wide settings.
  void CopyFromProgramSettings();
  void CopyToProgramSettings() const;

  // The record, in file order.
  FontDesc mainFont;
  FontDesc resultFont;
  Rect window;
  uint8_t language = 0;
  uint8_t askFlag = 0;
  uint16_t task = 0;
  uint8_t tempo = 0;
  uint8_t mode = 0;
  uint8_t key = 0;
  uint8_t distance = 0;
  uint8_t optionFlags = 0;
  uint8_t mainVolume = 0;
  int32_t midiKeyboard = 0;
  // Fields added in bytes older files hold as zeros (so an older file reads as "not set"):
  // the hardware keyboard's measured range, valid when keyboardRangeMark is kKeyboardRangeMark,
  // the audio latency choice plus one (0: not chosen), and the chosen MIDI input port's name,
  // NUL-terminated (empty: every hardware port).
  uint16_t keyboardRangeMark = 0;
  uint16_t keyboardLow = 0;
  uint16_t keyboardHigh = 0;
  uint8_t audioLatency = 0;
  uint8_t reservedPad = 0;
  char16_t midiInPort[64] = {};
  char16_t reservedA[192] = {};
  char16_t reservedB[260] = {};
};
