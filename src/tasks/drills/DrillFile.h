#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "platform/JsonValue.h"
#include "tasks/drills/Drill.h"

// Reading an exercise file (README: "Exercise files"): a JSON object that describes one
// drill. Whatever the bytes, the reader gives the drill or one line on what is wrong.
namespace drills {

// A larger file is refused unread.
inline constexpr size_t kMostFileBytes = 256 * 1024;
// More levels than this are refused: no drill needs them.
inline constexpr size_t kMostLevels = 20;
// Characters of a title.
inline constexpr size_t kMostTitleChars = 80;

struct DrillRead {
  std::optional<Drill> drill;
  // What is wrong, when there is no drill: 'level 2, intervals: "semitones" must list whole
  // numbers 0-16'. ReadDrillFile puts the file's name and a colon before it.
  std::string error;
};

// The drill of a parsed document.
DrillRead DrillOfJson(const JsonValue& document);
// The drill of a file's bytes.
DrillRead ReadDrill(std::span<const uint8_t> bytes);
// The drill of the file; the error begins with the file's name.
DrillRead ReadDrillFile(const std::filesystem::path& file);

}  // namespace drills
