#include "app/DrillMenu.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "commands/CommandIds.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/drills/DrillChoice.h"
#include "tasks/drills/DrillTypes.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

// The drills that have an item: as many as there are commands for them.
size_t ListedCount() {
  constexpr auto kCommands = static_cast<size_t>(cmd::kLastDrill - cmd::kFirstDrill + 1);
  return std::min(drills::LoadedDrills().drills.size(), kCommands);
}

MenuEntry DrillItem(size_t index) {
  MenuEntry item{cmd::kFirstDrill + static_cast<int>(index), -1, "", {}};
  item.text = [index] { return drills::TitleIn(drills::LoadedDrills().drills[index].drill, languageIndex); };
  return item;
}

}  // namespace

std::vector<MenuEntry> DrillMenuItems() {
  std::vector<MenuEntry> items{{cmd::kAboutDrills, txt::kDrillAboutItem, "About drills and exercise files...", {}}};
  std::vector<MenuEntry> own{{cmd::kMyExercisesFolder, txt::kDrillMyExercisesFolder, "Folder of my exercises...", {}}};
  for (size_t i = 0; i < ListedCount(); ++i) {
    (drills::LoadedDrills().drills[i].own ? own : items).push_back(DrillItem(i));
  }
  items.push_back({0, txt::kDrillMyExercises, "My exercises", std::move(own)});
  return items;
}

void AddDrillCommands(std::map<int, std::function<void()>>& commands, const std::function<void(int type)>& createTask) {
  for (size_t i = 0; i < ListedCount(); ++i) {
    const int type = DrillTaskType(static_cast<int>(drills::LoadedDrills().drills[i].drill.kind));
    commands[cmd::kFirstDrill + static_cast<int>(i)] = [i, type, createTask] {
      drills::ChooseDrill(i);
      createTask(type);
    };
  }
  commands[cmd::kMyExercisesFolder] = [] { common::OfferFolder(drills::OwnFolder(), txt::kDrillFolderWhere); };
}

void ReportBrokenDrills() {
  static bool reported = false;
  const std::vector<std::string>& broken = drills::LoadedDrills().broken;
  if (reported || broken.empty()) return;
  reported = true;
  std::string lines;
  for (const std::string& line : broken) lines += (lines.empty() ? "" : "; ") + line;
  GetViewHost().ShowStatus(T(txt::kDrillBrokenFiles) + lines);
}
