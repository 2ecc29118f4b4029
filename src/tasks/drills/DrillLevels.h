#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/FileWrite.h"
#include "tasks/drills/DrillLibrary.h"

// The level each drill was at and the drill chosen last, kept between starts in the data
// folder in a small text file of their own, so a student goes on where the last run ended.
namespace drills {

inline constexpr char kDrillLevelsFile[] = "AureloDrills.txt";

// The drill's name in the file: its file name, "own/" before it for a teacher's own drill.
std::string LevelKey(const ListedDrill& listed);

// Level index (0 the first) by LevelKey.
using DrillLevels = std::map<std::string, size_t>;

// The line of the drill chosen last: chosen=<its key>. No drill has this key (every drill's
// ends in ".json").
inline constexpr char kChosenKey[] = "chosen";

// Lines of key=level, the level counted from 1 (1-20). A missing, unreadable or broken file
// keeps no level; a line whose level is out of range is skipped. Keys that cannot stand in a
// line (with "=" or a line break) are left out when written.
DrillLevels ParseDrillLevels(std::string_view text);
// The key of the chosen line; empty without one.
std::string ParseChosenDrill(std::string_view text);
std::string FormatDrillLevels(const DrillLevels& levels, const std::string& chosen = {});

DrillLevels ReadDrillLevels(const std::string& path = kDrillLevelsFile);
std::string ReadChosenDrill(const std::string& path = kDrillLevelsFile);
// Store the drill's level, or the drill chosen, with the rest of the file: the file is
// replaced at once, or left as it was.
FileWriteResult StoreDrillLevel(const std::string& key, size_t level, const std::string& path = kDrillLevelsFile);
FileWriteResult StoreChosenDrill(const std::string& key, const std::string& path = kDrillLevelsFile);

}  // namespace drills
