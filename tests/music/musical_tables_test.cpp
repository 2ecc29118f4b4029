#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "music/MusicalTables.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/KeyGeometry.h"
#include "tasks/base/ScaleKeys.h"

namespace {

class ScaleMembership : public ::testing::Test {
 protected:
  ~ScaleMembership() override { ResetProgramSettings(); }

  // The keys 0-36 on the scale of the key and mode, as pitch classes.
  static std::set<int> PitchClassesOf(int mode, int key) {
    scaleRow = ScaleRowOf(mode, key);
    std::set<int> classes;
    for (int k = 0; k < 37; ++k) {
      if (InScale(k)) classes.insert(k % 12);
    }
    return classes;
  }
};

TEST_F(ScaleMembership, ChromaticModeHoldsEveryKey) {
  for (int key = 0; key < 12; ++key) {
    scaleRow = ScaleRowOf(10, key);
    EXPECT_EQ(scaleRow, -1);
    for (int k = 0; k < 37; ++k) EXPECT_TRUE(InScale(k)) << k;
  }
}

TEST_F(ScaleMembership, ModesOnTheirTonics) {
  const std::set<int> white = {0, 2, 4, 5, 7, 9, 11};
  EXPECT_EQ(PitchClassesOf(1, 2), white) << "D Dorian";
  EXPECT_EQ(scaleRow, 0);
  EXPECT_EQ(PitchClassesOf(5, 9), white) << "A Aeolian";
  EXPECT_EQ(scaleRow, 0);
  EXPECT_EQ(PitchClassesOf(8, 0), (std::set<int>{0, 2, 3, 5, 7, 8, 11})) << "C harmonic minor";
  EXPECT_EQ(scaleRow, 24);
}

TEST_F(ScaleMembership, ColumnThirtySixRepeatsColumnZero) {
  for (int row = 0; row < 48; ++row) EXPECT_EQ(InScaleRow(row, 36), InScaleRow(row, 0)) << row;
}

TEST_F(ScaleMembership, KeysAndRowsOutsideTheTableAreGuarded) {
  EXPECT_FALSE(InScaleRow(0, -1));
  EXPECT_FALSE(InScaleRow(0, 37));
  EXPECT_FALSE(InScaleRow(-1, 40));
  EXPECT_TRUE(InScaleRow(48, 1));
  EXPECT_TRUE(InScaleRow(-7, 1));
}

TEST_F(ScaleMembership, RandomTonesStayOnTheScaleAndWithinReach) {
  std::srand(11);
  scaleRow = ScaleRowOf(0, 0);
  maxDistance = 2;
  std::set<int> seen;
  int previous = RandomScaleKey(kOneOctaveKeys);
  for (int i = 0; i < 2000; ++i) {
    const int key = RandomScaleKeyNear(kOneOctaveKeys, previous);
    ASSERT_TRUE(InScale(key) && key < 13) << key;
    ASSERT_LE(std::abs(key - previous), 2);
    seen.insert(key);
    previous = key;
  }
  EXPECT_EQ(seen, (std::set<int>{0, 2, 4, 5, 7, 9, 11, 12}));
  for (int i = 0; i < 500; ++i) ASSERT_TRUE(InScale(RandomScaleKey(kThreeOctaveKeys)));
}

TEST_F(ScaleMembership, ChromaticTakesTheFirstDrawAndRepeatsTones) {
  scaleRow = -1;
  maxDistance = 2;
  std::srand(5);
  const int first = std::rand() % 37;
  std::srand(5);
  EXPECT_EQ(RandomScaleKey(kThreeOctaveKeys), first);
  int previous = 6;
  int repeats = 0;
  for (int i = 0; i < 500; ++i) {
    const int key = RandomScaleKeyNear(kOneOctaveKeys, previous);
    ASSERT_LE(std::abs(key - previous), 2);
    repeats += key == previous;
    previous = key;
  }
  EXPECT_GT(repeats, 0);
}

TEST_F(ScaleMembership, ADistanceThatAdmitsNoToneDoesNotHang) {
  scaleRow = ScaleRowOf(0, 0);
  maxDistance = -1;
  EXPECT_TRUE(InScale(RandomScaleKeyNear(kThreeOctaveKeys, 4)));
  maxDistance = 2;
  EXPECT_TRUE(InScale(RandomScaleKeyNear(kOneOctaveKeys, 30)));
  maxDistance = 0;
  EXPECT_EQ(RandomScaleKeyNear(kThreeOctaveKeys, 7), 7);
}

// The mode table (row for each of the 11 modes on each of the 12 keys) and all 48 rows of the
// scale table, against the mode offsets and the four families' intervals.
TEST(MusicalTables, EveryModeOnEveryKeyAndEveryRowOfTheScaleTable) {
  // Mode: family (row block) and the degree below the tonic of the family's scale; -1: chromatic.
  const int modeFamily[11] = {0, 0, 0, 0, 0, 0, 0, 12, 24, 36, -1};
  const int modeDegree[11] = {0, 2, 4, 5, 7, 9, 11, 0, 0, 0, 0};
  for (int mode = 0; mode < 11; ++mode) {
    for (int key = 0; key < 12; ++key) {
      const int expected = modeFamily[mode] < 0 ? -1 : modeFamily[mode] + (key - modeDegree[mode] + 12) % 12;
      EXPECT_EQ(ScaleRowOf(mode, key), expected) << "mode " << mode << " key " << key;
    }
  }
  const std::set<int> families[4] = {
      {0, 2, 4, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 8, 11}, {0, 2, 4, 5, 7, 8, 11}};
  ScaleTable table{};
  FillScaleTable(table);
  for (int row = 0; row < 48; ++row) {
    for (int column = 0; column < 37; ++column) {
      const bool member = families[row / 12].count((column - row % 12 + 24) % 12) == 1;
      EXPECT_EQ(table[static_cast<size_t>(row)][static_cast<size_t>(column)], member ? 1 : 0)
          << "row " << row << " column " << column;
    }
  }
}

}  // namespace
