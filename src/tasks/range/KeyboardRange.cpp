#include "tasks/range/KeyboardRange.h"

#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace keyboard_range {

void Keep(int32_t lowest, int32_t highest) {
  if (!KeyboardRangeUsable(lowest, highest)) return;
  keyboardLowNote = lowest;
  keyboardHighNote = highest;
}

std::string Text() {
  if (!KeyboardRangeUsable(keyboardLowNote, keyboardHighNote)) return T(txt::kKeyboardRangeUnknown);
  return T(txt::kKeyboardRangePrefix) + std::to_string(keyboardLowNote) + " - " + std::to_string(keyboardHighNote);
}

}  // namespace keyboard_range
