#include "tasks/drills/DrillLevels.h"

#include <optional>
#include <vector>

#include "tasks/drills/DrillFile.h"
#include "text/KeyValueText.h"

namespace drills {
namespace {

// Room for a line of every drill the menu can hold, and more.
constexpr size_t kLargestFile = 64 * 1024;

bool FitsInALine(const std::string& key) { return !key.empty() && key.find_first_of("=\r\n") == std::string::npos; }

std::string ReadText(const std::string& path) { return ReadKeyValueFile(path, kLargestFile); }

FileWriteResult Write(const std::string& path, const DrillLevels& levels, const std::string& chosen) {
  return WriteKeyValueFile(path, FormatDrillLevels(levels, chosen));
}

}  // namespace

std::string LevelKey(const ListedDrill& listed) {
  return (listed.own ? "own/" : "") + listed.file.filename().string();
}

DrillLevels ParseDrillLevels(std::string_view text) {
  DrillLevels levels;
  ForEachKeyValue(text, [&levels](std::string_view key, std::string_view value) {
    const std::optional<int32_t> level = BoundedNumber(value, 1, static_cast<int32_t>(kMostLevels));
    if (level && !key.empty()) levels[std::string(key)] = static_cast<size_t>(*level - 1);
  });
  return levels;
}

std::string ParseChosenDrill(std::string_view text) {
  std::string chosen;
  ForEachKeyValue(text, [&chosen](std::string_view key, std::string_view value) {
    if (key == kChosenKey) chosen = std::string(value);
  });
  return FitsInALine(chosen) ? chosen : std::string();
}

std::string FormatDrillLevels(const DrillLevels& levels, const std::string& chosen) {
  std::string text = FitsInALine(chosen) ? std::string(kChosenKey) + "=" + chosen + "\n" : std::string();
  for (const auto& [key, level] : levels) {
    if (FitsInALine(key) && level < kMostLevels) text += key + "=" + std::to_string(level + 1) + "\n";
  }
  return text;
}

DrillLevels ReadDrillLevels(const std::string& path) { return ParseDrillLevels(ReadText(path)); }

std::string ReadChosenDrill(const std::string& path) { return ParseChosenDrill(ReadText(path)); }

FileWriteResult StoreDrillLevel(const std::string& key, size_t level, const std::string& path) {
  const std::string text = ReadText(path);
  DrillLevels levels = ParseDrillLevels(text);
  levels[key] = level;
  return Write(path, levels, ParseChosenDrill(text));
}

FileWriteResult StoreChosenDrill(const std::string& key, const std::string& path) {
  return Write(path, ReadDrillLevels(path), key);
}

}  // namespace drills
