#include "tools/ToolTypes.h"

#include <array>

#include "tools/CMetronome.h"
#include "tools/CTuneFork.h"

namespace {

// The stored type numbers are kept in the settings file: never renumber them. Tools keep no
// history.
constexpr std::array kTypes = {
    Describe<CTuneFork>({27, progress::Family::kOther, {}, 32826, MenuPlace::kOptions, 65, "&Tuning oscillator",
                         "Камертон: синусоидальный звук любой клавиши", controls::kListenNew, true, false,
                         "CTuneFork"}),
    Describe<CMetronome>({28, progress::Family::kOther, {}, 32966, MenuPlace::kOptions, 66, "&Metronome",
                          "Простой метроном", controls::kTempoList | controls::kPlay, true, false, "CMetronome"}),
};

}  // namespace

std::span<const TaskType> ToolTaskTypes() { return kTypes; }
