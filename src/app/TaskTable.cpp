#include "app/TaskTable.h"

#include <algorithm>
#include <array>

#include "commands/CommandIds.h"
#include "platform/ViewHost.h"
#include "sequencer/SequencerTypes.h"
#include "tasks/base/CAbstractT.h"
#include "tasks/chords/ChordTypes.h"
#include "tasks/drills/DrillTypes.h"
#include "tasks/intro/ExamTypes.h"
#include "tasks/melody/MelodyTypes.h"
#include "tasks/range/KeyboardRangeTypes.h"
#include "tasks/rhythm/RhythmTypes.h"
#include "tasks/voice/VoiceTypes.h"
#include "text/LanguageTable.h"
#include "tools/ToolTypes.h"

namespace {

// The families, in the order their items appear where two share a menu place.
constexpr std::array kFamilies = {&MelodyTaskTypes,    &ExamTaskTypes, &ChordTaskTypes, &KeyboardRangeTaskTypes,
                                  &SequencerTaskTypes, &ToolTaskTypes, &DrillTaskTypes, &RhythmTaskTypes,
                                  &VoiceTaskTypes};

struct Catalogue {
  std::vector<TaskType> byType;
  std::vector<const TaskType*> inFamilyOrder;
};

// Indexed by type number. The numbers run from 0 without a gap (the catalogue test checks it); a
// gap or a number given twice would leave a slot empty, which MakeTask never builds.
const Catalogue& TheCatalogue() {
  static const Catalogue catalogue = [] {
    Catalogue c;
    for (const auto family : kFamilies) {
      for (const TaskType& type : family()) {
        const auto slot = static_cast<size_t>(type.type);
        if (c.byType.size() <= slot) c.byType.resize(slot + 1);
        c.byType[slot] = type;
      }
    }
    for (const auto family : kFamilies) {
      for (const TaskType& type : family()) c.inFamilyOrder.push_back(&c.byType[static_cast<size_t>(type.type)]);
    }
    return c;
  }();
  return catalogue;
}

std::function<std::unique_ptr<CAbstractT>(int)> taskMaker;

}  // namespace

std::span<const TaskType> TaskCatalogue() { return TheCatalogue().byType; }

int TaskTypeCount() { return static_cast<int>(TheCatalogue().byType.size()); }

const TaskType& TaskTypeAt(int type) {
  const std::vector<TaskType>& types = TheCatalogue().byType;
  if (type < 0 || type >= TaskTypeCount()) return types[0];
  return types[static_cast<size_t>(type)];
}

int TaskTypeOfCommand(int commandId) {
  if (commandId == 0) return -1;
  for (const TaskType& type : TaskCatalogue()) {
    if (type.commandId == commandId) return type.type;
  }
  return -1;
}

std::vector<const TaskType*> TaskTypesAt(MenuPlace place) {
  std::vector<const TaskType*> types;
  for (const TaskType* type : TheCatalogue().inFamilyOrder) {
    if (type->place == place) types.push_back(type);
  }
  return types;
}

bool IsToolType(int type) { return type >= 0 && type < TaskTypeCount() && TaskTypeAt(type).tool; }

bool NeedsMidiKeyboard(int type) { return type >= 0 && type < TaskTypeCount() && TaskTypeAt(type).needsMidiKeyboard; }

void SetTaskMaker(std::function<std::unique_ptr<CAbstractT>(int type)> maker) { taskMaker = std::move(maker); }

std::string TaskTitle(int type) {
  if (type < 0 || type >= TaskTypeCount()) return {};
  const int title = TaskTypeAt(type).title;
  return title < 0 ? std::string() : T(title);
}

std::unique_ptr<CAbstractT> MakeTask(int type) {
  const TaskType& info = TaskTypeAt(type);
  if (taskMaker) return taskMaker(info.type);
  return info.make();
}

void ShowControlsOf(int type) {
  const uint16_t set = TaskTypeAt(type).controls;
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kTimeMeter, (set & controls::kTimeMeter) ? "00:00" : "");
  static constexpr std::array<std::pair<int, uint16_t>, 8> kControls = {{
      {cmd::kMaxDistanceList, controls::kMaxDistance},
      {cmd::kKeyList, controls::kKeyList},
      {cmd::kModeList, controls::kModeList},
      {cmd::kFixIllumination, controls::kFixIllumination},
      {cmd::kBlockExtramode, controls::kBlockExtramode},
      {cmd::kTempoList, controls::kTempoList},
      {cmd::kListenNew, controls::kListenNew},
      {cmd::kVolumeSlider, controls::kVolume},
  }};
  for (const auto& [id, bit] : kControls) view.EnableControl(id, (set & bit) != 0);
}

void InstallTaskHistoryInfo() {
  progress::SetTaskHistoryInfo([](int32_t type) {
    if (type < 0 || type >= TaskTypeCount()) return progress::TaskHistoryInfo{};
    const TaskType& info = TaskTypeAt(type);
    return progress::TaskHistoryInfo{info.family, info.used};
  });
}
