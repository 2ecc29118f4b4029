#include "tasks/rhythm/RhythmTypes.h"

#include <array>

#include "commands/CommandIds.h"
#include "tasks/rhythm/RhythmTask.h"

namespace {

using namespace controls;

// The tempo of the control bar applies; nothing else of it.
constexpr uint16_t kRhythmControls = kTempoList | kPlay | kTimeMeter;
constexpr progress::UsedSettings kNone{};
constexpr progress::Family kRhythm = progress::Family::kRhythm;

template <int32_t Level>
constexpr TaskType LevelType(int32_t type, const char* resource, const char* prompt, const char* className) {
  return Describe<RhythmLevelTask<Level>>({type, kRhythm, kNone, cmd::kRhythmLevel1 + Level, MenuPlace::kRhythm,
                                           txt::kRhythmLevel1 + Level, resource, prompt, kRhythmControls, false,
                                           false, className});
}

// The stored type numbers are kept in the settings file and the progress history: never
// renumber them.
constexpr std::array kTypes = {
    LevelType<0>(39, "Level 1: quarters and halves", "Ритм: четверти и половинные", "RhythmLevel1"),
    LevelType<1>(40, "Level 2: eighths", "Ритм: восьмые", "RhythmLevel2"),
    LevelType<2>(41, "Level 3: dotted notes and rests", "Ритм: ноты с точкой и паузы", "RhythmLevel3"),
    LevelType<3>(42, "Level 4: syncopation and sixteenths", "Ритм: синкопы и шестнадцатые", "RhythmLevel4"),
    LevelType<4>(43, "Level 5: triplets and 6/8", "Ритм: триоли и размер 6/8", "RhythmLevel5"),
};

}  // namespace

std::span<const TaskType> RhythmTaskTypes() { return kTypes; }
