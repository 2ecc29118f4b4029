#include "settings/CSettingsBank.h"

#include <algorithm>
#include <iterator>

#include "music/TempoTables.h"
#include "platform/FileWrite.h"
#include "platform/Utf.h"
#include "settings/MidiPortNames.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingRanges.h"

namespace {

int32_t InRangeOr(uint8_t stored, int32_t count, int32_t fallback) { return stored < count ? stored : fallback; }

// A stored distance is kept when the pianos can express it, even if the list does not
// offer it (the list then shows no selection).
int32_t UsableDistance(uint8_t stored) {
  return stored >= 1 && stored <= kWidestDistance ? stored : firstStart::maxDistance;
}

// The face is cut at its last unit so that it is always terminated; an absurd height
// gives the first-start font.
FontDesc UsableFont(FontDesc font, const FontDesc& fallback) {
  if (font.height < -kTallestFont || font.height > kTallestFont) return fallback;
  font.faceName.back() = 0;
  return font;
}

}  // namespace

void CSettingsBank::Serialize(CArchive& ar) {
  ar.Transfer(mainFont);
  ar.Transfer(resultFont);
  ar.Transfer(window);
  ar.Transfer(language);
  ar.Transfer(askFlag);
  ar.Transfer(task);
  ar.Transfer(tempo);
  ar.Transfer(mode);
  ar.Transfer(key);
  ar.Transfer(distance);
  ar.Transfer(optionFlags);
  ar.Transfer(mainVolume);
  ar.Transfer(midiKeyboard);
  ar.Transfer(keyboardRangeMark);
  ar.Transfer(keyboardLow);
  ar.Transfer(keyboardHigh);
  ar.Transfer(audioLatency);
  ar.Transfer(reservedPad);
  ar.Transfer(midiInPort);
  ar.Transfer(reservedA);
  ar.Transfer(reservedB);
}

std::vector<uint8_t> CSettingsBank::ToBytes() {
  CArchive ar;
  Serialize(ar);
  return ar.Bytes();
}

bool CSettingsBank::FromBytes(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < kFileBytes) return false;
  CArchive ar(std::vector<uint8_t>(bytes.begin(), bytes.begin() + kFileBytes));
  Serialize(ar);
  return !ar.Failed();
}

void CSettingsBank::CopyFromProgramSettings() {
  mainFont = ::mainFontDesc;
  resultFont = ::resultFontDesc;
  window = ::windowRect;
  language = ::languageIndex;
  askFlag = ::askBeforeExit;
  task = ::taskType;
  tempo = static_cast<uint8_t>(::tempoIndex);
  mode = static_cast<uint8_t>(::modeIndex);
  key = static_cast<uint8_t>(::keyIndex);
  distance = static_cast<uint8_t>(::maxDistance);
  optionFlags = static_cast<uint8_t>((::blockExtramodeKeys ? kBlockExtramodeKeysBit : 0) |
                                     (::fixKeyIllumination ? kFixKeyIlluminationBit : 0));
  mainVolume = static_cast<uint8_t>(::volume);
  midiKeyboard = ::useHardwareMidiKeyboard;
  const bool measured = KeyboardRangeUsable(::keyboardLowNote, ::keyboardHighNote);
  keyboardRangeMark = measured ? kKeyboardRangeMark : 0;
  keyboardLow = measured ? static_cast<uint16_t>(::keyboardLowNote) : 0;
  keyboardHigh = measured ? static_cast<uint16_t>(::keyboardHighNote) : 0;
  const bool latencyKnown = ::audioLatency >= 0 && ::audioLatency < kAudioLatencyChoices;
  audioLatency = static_cast<uint8_t>((latencyKnown ? ::audioLatency : firstStart::audioLatency) + 1);
  reservedPad = 0;
  static_assert(sizeof(midiInPort) / sizeof(midiInPort[0]) == midi_in::kStoredNameUnits + 1);
  std::fill(std::begin(midiInPort), std::end(midiInPort), 0);
  const std::u16string port = midi_in::StoredName(::midiInPortName);
  std::copy(port.begin(), port.end(), std::begin(midiInPort));
  std::fill(std::begin(reservedA), std::end(reservedA), 0);
  std::fill(std::begin(reservedB), std::end(reservedB), 0);
}

void CSettingsBank::CopyToProgramSettings() const {
  ::mainFontDesc = UsableFont(mainFont, DefaultMainFontDesc());
  ::resultFontDesc = UsableFont(resultFont, DefaultResultFontDesc());
  ::windowRect = window;
  // The language and the task type are checked where they are used: an unknown language
  // ends the program with its message, the task factory decides about the task type.
  ::languageIndex = language;
  ::askBeforeExit = askFlag;
  ::taskType = task;
  ::tempoIndex = InRangeOr(tempo, kTempoCount, firstStart::tempoIndex);
  ::modeIndex = InRangeOr(mode, kModeCount, firstStart::modeIndex);
  ::keyIndex = InRangeOr(key, kKeyCount, firstStart::keyIndex);
  ::maxDistance = UsableDistance(distance);
  ::blockExtramodeKeys = (optionFlags & kBlockExtramodeKeysBit) != 0;
  ::fixKeyIllumination = (optionFlags & kFixKeyIlluminationBit) != 0;
  ::volume = InRangeOr(mainVolume, kMaxVolume + 1, firstStart::volume);
  ::useHardwareMidiKeyboard = midiKeyboard;
  const bool measured = keyboardRangeMark == kKeyboardRangeMark && KeyboardRangeUsable(keyboardLow, keyboardHigh);
  ::keyboardLowNote = measured ? keyboardLow : -1;
  ::keyboardHighNote = measured ? keyboardHigh : -1;
  // Not chosen (0) wraps to 255, which no list shows.
  ::audioLatency = InRangeOr(static_cast<uint8_t>(audioLatency - 1), kAudioLatencyChoices, firstStart::audioLatency);
  const char16_t* portEnd = std::find(std::begin(midiInPort), std::end(midiInPort) - 1, u'\0');
  ::midiInPortName = Utf16ToUtf8(std::u16string_view(std::begin(midiInPort), static_cast<size_t>(portEnd - std::begin(midiInPort))));
}

void CSettingsBank::LoadSettings(const std::string& fileName) {
  const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(fileName, kFileBytes);
  if (!bytes || !FromBytes(*bytes)) {
    // No usable file: the first-start fonts, and every other setting as it is.
    ::mainFontDesc = DefaultMainFontDesc();
    ::resultFontDesc = DefaultResultFontDesc();
    return;
  }
  CopyToProgramSettings();
}

bool CSettingsBank::SaveSettings(const std::string& fileName) {
  CopyFromProgramSettings();
  return static_cast<bool>(WriteFileAtomically(fileName, ToBytes()));
}
