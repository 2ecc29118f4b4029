#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "platform/FileWrite.h"
#include "tasks/drills/DrillLibrary.h"

// The level each drill was at, kept between starts in the data folder in a small text file of
// its own, so a student goes on where the last run ended.
namespace drills {

inline constexpr char kDrillLevelsFile[] = "AureloDrills.txt";

// The drill's name in the file: its file name, "own/" before it for a teacher's own drill.
std::string LevelKey(const ListedDrill& listed);

// Level index (0 the first) by LevelKey.
using DrillLevels = std::map<std::string, size_t>;

// Lines of key=level, the level counted from 1 (1-20). A missing, unreadable or broken file
// keeps no level; a line whose level is out of range is skipped. Keys that cannot stand in a
// line (with "=" or a line break) are left out when written.
DrillLevels ParseDrillLevels(std::string_view text);
std::string FormatDrillLevels(const DrillLevels& levels);

DrillLevels ReadDrillLevels(const std::string& path = kDrillLevelsFile);
// Stores the drill's level with the others of the file: the file is replaced at once, or left
// as it was.
FileWriteResult StoreDrillLevel(const std::string& key, size_t level, const std::string& path = kDrillLevelsFile);

}  // namespace drills
