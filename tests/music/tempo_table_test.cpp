// The tempo table whole: every name with its beat and tick period.
#include <gtest/gtest.h>

#include <string>

#include "music/TempoTables.h"

namespace {

struct TempoRow {
  const char* name;
  int32_t msPerBeat;
  int32_t msPerTick;
};

TEST(TempoTable, EveryRowHasItsNameBeatAndTick) {
  const TempoRow expected[kTempoCount] = {
      {"40 Largo", 1500, 125},
      {"42 Largo", 1429, 119},
      {"44 Largo", 1364, 114},
      {"46 Largo", 1304, 109},
      {"48 Largo", 1250, 104},
      {"50 Largo", 1200, 100},
      {"52 Largo", 1154, 96},
      {"54 Largo", 1111, 93},
      {"56 Largo", 1071, 89},
      {"58 Largo", 1034, 86},
      {"60 Largo/Larghetto", 1000, 83},
      {"63 Larghetto", 952, 79},
      {"66 Larghetto/Adagio", 909, 76},
      {"69 Adagio", 870, 72},
      {"72 Adagio", 833, 69},
      {"76 Adagio/Andante", 789, 66},
      {"80 Andante", 750, 63},
      {"84 Andante", 714, 60},
      {"88 Andante", 682, 57},
      {"92 Andante", 652, 54},
      {"96 Andante", 625, 52},
      {"100 Andante", 600, 50},
      {"104 Andante", 577, 48},
      {"108 Andante/Moderato", 556, 46},
      {"112 Moderato", 536, 45},
      {"116 Moderato", 517, 43},
      {"120 Moderato/Allegro", 500, 42},
      {"126 Allegro", 476, 40},
      {"132 Allegro", 455, 38},
      {"138 Allegro", 435, 36},
      {"144 Allegro", 417, 35},
      {"152 Allegro", 395, 33},
      {"160 Allegro", 375, 31},
      {"168 Allegro/Presto", 357, 30},
      {"176 Presto", 341, 28},
      {"184 Presto", 326, 27},
      {"192 Presto", 313, 26},
      {"200 Presto/Prestissimo", 300, 25},
      {"208 Prestissimo", 288, 24},
  };
  for (int i = 0; i < kTempoCount; ++i) {
    const auto at = static_cast<size_t>(i);
    EXPECT_EQ(std::string(tempoNames[at]), expected[i].name) << i;
    EXPECT_EQ(msPerBeat[at], expected[i].msPerBeat) << i;
    EXPECT_EQ(msPerTick[at], expected[i].msPerTick) << i;
  }
}

}  // namespace
