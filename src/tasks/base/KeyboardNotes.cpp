#include "tasks/base/KeyboardNotes.h"

#include <array>

#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {
constexpr int32_t kOctave = 12;
constexpr int32_t kOneOctavePiano = 13;
}  // namespace

KeyboardNoteTarget KeyForKeyboardNote(int32_t note, int32_t noteOfKey0, int32_t keyCount) {
  KeyboardNoteTarget target;
  const int32_t highest = noteOfKey0 + keyCount - 1;
  const int32_t reach = keyCount == kOneOctavePiano ? kOctave : 0;
  target.lowestTaken = noteOfKey0 - reach;
  target.highestTaken = highest + reach;
  if (note < target.lowestTaken || note > target.highestTaken) return target;
  if (note < noteOfKey0) note += kOctave;
  if (note > highest) note -= kOctave;
  target.key = note - noteOfKey0;
  return target;
}

std::string NoteName(int32_t note) {
  static constexpr std::array<const char*, 12> kNames = {"C", "C#", "D", "D#", "E", "F",
                                                         "F#", "G", "G#", "A", "A#", "B"};
  if (note < 0) note = 0;
  return StrFormat("%s%d", kNames[static_cast<size_t>(note % kOctave)], note / kOctave - 1);
}

std::string PlayBetweenHint(const KeyboardNoteTarget& target, int32_t keyboardLow, int32_t keyboardHigh) {
  std::string hint = T(txt::kKeyboardPlayBetween) + NoteName(target.lowestTaken) + " - " + NoteName(target.highestTaken);
  if (KeyboardRangeUsable(keyboardLow, keyboardHigh) && target.lowestTaken >= keyboardLow && target.lowestTaken <= keyboardHigh) {
    const int32_t firstC = (keyboardLow + kOctave - 1) / kOctave * kOctave;
    const int32_t cNumber = (target.lowestTaken - firstC) / kOctave + 1;
    hint += ". " + T(txt::kKeyboardFromC) + std::to_string(cNumber);
  }
  return hint;
}
