#pragma once
#include <functional>
#include <map>
#include <vector>

#include "app/MenuTable.h"

// The menu of the drills: the help item, one item for each shipped exercise file (its title in
// the interface language) and "My exercises" with the folder item and the teacher's own files.
std::vector<MenuEntry> DrillMenuItems();

// The commands of those items: a drill's item chooses the drill and creates the task of its kind.
void AddDrillCommands(std::map<int, std::function<void()>>& commands, const std::function<void(int type)>& createTask);

// The exercise files that could not be read, once in the status bar (nothing when all were read).
void ReportBrokenDrills();
