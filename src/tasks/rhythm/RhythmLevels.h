#pragma once
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "tasks/common/Deck.h"
#include "tasks/rhythm/RhythmFile.h"

// The shipped levels of the rhythm tasks (rhythms/ beside the program in a build tree, in the
// installed data folder otherwise) and the drawing of a level's rhythms.
namespace rhythm {

// Easiest first: quarters and halves; eighths; dotted notes and rests; syncopation and
// sixteenths; triplets and 6/8.
inline constexpr std::array<const char*, 5> kLevelFiles = {"level1.txt", "level2.txt", "level3.txt", "level4.txt",
                                                           "level5.txt"};

std::filesystem::path LevelPath(const std::string& fileName);

// The file's rhythms, or the reason it cannot be used: "<file>: line 3: ..." or that it cannot
// be read.
LevelRead ReadLevelFile(const std::filesystem::path& path);

// The rhythms of a level in random order through the program's random numbers: each once, then
// again in a new order, never the same twice in a row.
class LevelDraw {
 public:
  // rhythms must not be empty.
  explicit LevelDraw(std::vector<Rhythm> rhythms) : rhythms_(std::move(rhythms)), deck_(rhythms_.size()) {}
  const Rhythm& Next() { return rhythms_[deck_.Next()]; }
  size_t Size() const { return rhythms_.size(); }

 private:
  std::vector<Rhythm> rhythms_;
  Deck deck_;
};

}  // namespace rhythm
