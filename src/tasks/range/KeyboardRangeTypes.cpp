#include "tasks/range/KeyboardRangeTypes.h"

#include <array>

#include "commands/CommandIds.h"
#include "tasks/range/CSetMidiKbdRangeT.h"

namespace {

// The stored type number is kept in the settings file: never renumber it. It takes no answers
// and keeps no history.
constexpr std::array kTypes = {
    Describe<CSetMidiKbdRangeT>({29, progress::Family::kOther, {}, cmd::kMeasureKeyboardRange,
                                 MenuPlace::kMidiKeyboard, 57, "Measurement of MIDI keyboard range",
                                 "Измерение диапазона MIDI-клавиатуры", controls::kPlay, false, true,
                                 "CSetMidiKbdRangeT"}),
};

}  // namespace

std::span<const TaskType> KeyboardRangeTaskTypes() { return kTypes; }
