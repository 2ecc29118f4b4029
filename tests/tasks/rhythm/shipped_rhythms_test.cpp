// The shipped rhythm levels, as the build tree holds them beside the program: each reads, has
// enough rhythms of one to four whole bars, and every rhythm can be tapped within the tolerance
// at the fastest tempo. Drawing a level gives each rhythm once a round.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "music/TempoTables.h"
#include "tasks/rhythm/RhythmJudge.h"
#include "tasks/rhythm/RhythmLevels.h"
#include "tasks/rhythm/RhythmTiming.h"

namespace {

TEST(ShippedRhythms, EveryLevelReadsAndEveryRhythmCanBeTappedAtTheFastestTempo) {
  const int32_t fastest = *std::min_element(msPerBeat.begin(), msPerBeat.end());
  const int32_t tolerance = rhythm::Tolerance{}.Ms(fastest);
  std::set<std::string> signatures;
  for (const char* file : rhythm::kLevelFiles) {
    const rhythm::LevelRead level = rhythm::ReadLevelFile(rhythm::LevelPath(file));
    ASSERT_TRUE(level.Ok()) << level.error;
    EXPECT_GE(level.rhythms.size(), 20u) << file;
    for (const rhythm::Rhythm& r : level.rhythms) {
      const std::string where = std::string(file) + " line " + std::to_string(r.line);
      signatures.insert(std::to_string(r.time.beats) + "/" + std::to_string(r.time.unit));
      EXPECT_TRUE(r.bars >= 1 && r.bars <= rhythm::kMostBars) << where;
      ASSERT_FALSE(r.notes.empty()) << where;
      EXPECT_GE(r.notes.front().tick, 0) << where;
      for (size_t i = 1; i < r.notes.size(); ++i) {
        EXPECT_GE(r.notes[i].tick, r.notes[i - 1].tick + r.notes[i - 1].length) << where;
      }
      EXPECT_LE(r.notes.back().tick + r.notes.back().length, r.Ticks()) << where;
      const std::vector<int32_t> onsets = rhythm::MakeSchedule(r, fastest, 0).onsetsMs;
      for (size_t i = 1; i < onsets.size(); ++i) EXPECT_GE(onsets[i] - onsets[i - 1], 2 * tolerance) << where;
    }
  }
  EXPECT_EQ(signatures, (std::set<std::string>{"2/4", "3/4", "4/4", "6/8"}));
}

TEST(ShippedRhythms, ADrawGivesEachRhythmOnceARoundAndNeverOneTwiceInARow) {
  const std::string text = "aurelo-rhythms 1\ntime 2/4\nh\nq q\ne e q\n";
  rhythm::LevelRead level = rhythm::ParseLevel(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  std::srand(7);
  rhythm::LevelDraw draw(level.rhythms);
  int32_t last = -1;
  for (int round = 0; round < 30; ++round) {
    std::set<int32_t> lines;
    for (size_t i = 0; i < draw.Size(); ++i) {
      const int32_t line = draw.Next().line;
      EXPECT_NE(line, last);
      lines.insert(line);
      last = line;
    }
    EXPECT_EQ(lines, (std::set<int32_t>{3, 4, 5}));
  }
  EXPECT_EQ(rhythm::ReadLevelFile("/nonexistent/level9.txt").error, "level9.txt: the file cannot be read");
}

}  // namespace
