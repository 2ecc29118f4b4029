#include "tasks/drills/DrillTypes.h"

#include <array>

#include "tasks/drills/DrillTask.h"

namespace {

using drills::Kind;
using progress::Family;

constexpr uint16_t kControls = controls::kPlay | controls::kTimeMeter;
constexpr progress::UsedSettings kNone{};

// The stored type numbers and families are kept in the settings file and the progress history:
// never renumber them. The menu lists the drills themselves (app/DrillMenu), so the types have
// no item of their own. A mixed drill's records take the family of each item asked.
constexpr std::array kTypes = {
    Describe<DrillTaskOf<Kind::kIntervals>>({35, Family::kIntervals, kNone, 0, MenuPlace::kNone, -1, "Interval drill",
                                             "", kControls, false, false, "IntervalDrill"}),
    Describe<DrillTaskOf<Kind::kScales>>({36, Family::kScales, kNone, 0, MenuPlace::kNone, -1, "Scale drill", "",
                                          kControls, false, false, "ScaleDrill"}),
    Describe<DrillTaskOf<Kind::kInversions>>({37, Family::kInversions, kNone, 0, MenuPlace::kNone, -1,
                                              "Chord inversion drill", "", kControls, false, false, "InversionDrill"}),
    Describe<DrillTaskOf<Kind::kMixed>>({38, Family::kIntervals, kNone, 0, MenuPlace::kNone, -1, "Mixed drill", "",
                                         kControls, false, false, "MixedDrill"}),
};

}  // namespace

std::span<const TaskType> DrillTaskTypes() { return kTypes; }

int DrillTaskType(int kind) {
  const auto index = static_cast<size_t>(kind);
  return index < kTypes.size() ? kTypes[index].type : kTypes[0].type;
}
