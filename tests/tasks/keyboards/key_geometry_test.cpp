#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/Region.h"
#include "tasks/base/KeyGeometry.h"
#include "tasks/keyboards/PianoTestSupport.h"

namespace {

std::vector<Point> Corners(const KeyOutline& key) { return {key.corners.begin(), key.corners.begin() + key.count}; }

std::vector<Point> Box(int left, int top, int right, int bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

TEST(KeyGeometry, ThreeOctavesAtAThousandByFiveHundred) {
  const PianoLayout p = LayOutPiano({0, 0, 1000, 500}, kThreeOctaveKeys);
  EXPECT_EQ(p.blackBottom, 100);
  EXPECT_EQ(p.whiteBottom, 172);
  EXPECT_EQ(Corners(p.keys[0]), (std::vector<Point>{{0, 0}, {28, 0}, {28, 100}, {45, 100}, {45, 172}, {0, 172}}));
  EXPECT_EQ(Corners(p.keys[1]), Box(28, 0, 53, 100));
  EXPECT_EQ(Corners(p.keys[2]),
            (std::vector<Point>{{53, 0}, {81, 0}, {81, 100}, {90, 100}, {90, 172}, {45, 172}, {45, 100}, {53, 100}}));
  // B of the third octave: 925-954 above the black keys' bottom, 909-954 below.
  EXPECT_EQ(Corners(p.keys[35]),
            (std::vector<Point>{{925, 0}, {954, 0}, {954, 172}, {909, 172}, {909, 100}, {925, 100}}));
  EXPECT_EQ(Corners(p.keys[36]), Box(954, 0, 1000, 172));
  EXPECT_EQ(p.messageArea, (Rect{0, 172, 1000, 500}));
  EXPECT_TRUE(p.filler.IsEmpty());
}

TEST(KeyGeometry, IrregularBlackKeysKeepTheirOwnConstants) {
  const PianoLayout p = LayOutPiano({0, 0, 1000, 500}, kThreeOctaveKeys);
  // Key 6 starts at (W div 35) + trunc(W / 7.33); key 15 ends at trunc(4W / 9.423), not 9.43;
  // key 25 ends at trunc(b(13) + W / 3.14) with b(13) = trunc(trunc(W / 18.86) + W / 3.1429).
  EXPECT_EQ(Corners(p.keys[6]), Box(164, 0, 188, 100));
  EXPECT_EQ(Corners(p.keys[13]), Box(346, 0, 371, 100));
  EXPECT_EQ(Corners(p.keys[15]), Box(399, 0, 424, 100));
  EXPECT_EQ(Corners(p.keys[25]), Box(664, 0, 689, 100));
  EXPECT_EQ(Corners(p.keys[27]), Box(717, 0, 742, 100));
  // At W = 754 the near-alike constants part: 9.43 would give 319 for key 15, 3.1429 would
  // give 517 for key 25 and 539 for key 27.
  const PianoLayout q = LayOutPiano({0, 0, 754, 500}, kThreeOctaveKeys);
  EXPECT_EQ(q.keys[15].corners[1].x, 320);
  EXPECT_EQ(q.keys[25].corners[1].x, 518);
  EXPECT_EQ(q.keys[27].corners[0].x, 540);
}

TEST(KeyGeometry, ThreeFullHeightBoundariesAreNotAtTwentySeconds) {
  // Where E meets F and B meets C in the first two octaves the boundary is trunc(W / 7.33),
  // trunc(W / 3.1429) and trunc(2W / 3.1429); 3W div 22, 7W div 22 and 14W div 22 differ here.
  const PianoLayout p = LayOutPiano({0, 0, 704, 500}, kThreeOctaveKeys);
  EXPECT_EQ(p.keys[11].corners[1].x, 223);  // 7W div 22 = 224
  EXPECT_EQ(p.keys[12].corners[0].x, 223);
  EXPECT_EQ(p.keys[23].corners[1].x, 447);  // 14W div 22 = 448
  EXPECT_EQ(p.keys[24].corners[5].x, 447);
  const PianoLayout q = LayOutPiano({0, 0, 755, 500}, kThreeOctaveKeys);
  EXPECT_EQ(q.keys[4].corners[1].x, 103);  // 3W div 22 = 102
  EXPECT_EQ(q.keys[5].corners[0].x, 103);
  // The other three are the regular ones: n(10), n(17), n(21).
  EXPECT_EQ(q.keys[16].corners[1].x, 10 * 755 / 22);
  EXPECT_EQ(q.keys[28].corners[1].x, 17 * 755 / 22);
  EXPECT_EQ(q.keys[36].corners[0].x, 21 * 755 / 22);
}

TEST(KeyGeometry, CornerCountsFollowTheBlackNeighbours) {
  const PianoLayout p = LayOutPiano({0, 0, 722, 280}, kThreeOctaveKeys);
  // C D E F G A B of each octave, black keys between.
  const std::vector<int> octave = {6, 4, 8, 4, 6, 6, 4, 8, 4, 8, 4, 6};
  for (int key = 0; key < 36; ++key) EXPECT_EQ(p.keys[key].count, octave[key % 12]) << key;
  EXPECT_EQ(p.keys[36].count, 4);
}

TEST(KeyGeometry, OneOctaveKeepsTheFirstOctaveAndEndsInARectangle) {
  const PianoLayout three = LayOutPiano({0, 0, 1000, 500}, kThreeOctaveKeys);
  const PianoLayout one = LayOutPiano({0, 0, 1000, 500}, kOneOctaveKeys);
  for (int key = 0; key < 12; ++key) EXPECT_EQ(Corners(one.keys[key]), Corners(three.keys[key])) << key;
  // Key 12 runs from trunc(W / 3.1429) to 8W div 22; the filler takes the rest of the width.
  EXPECT_EQ(Corners(one.keys[12]), Box(318, 0, 363, 172));
  EXPECT_EQ(one.filler, (Rect{363, 0, 1000, 172}));
  EXPECT_EQ(one.messageArea, (Rect{0, 172, 1000, 500}));
}

// Every key of the three octaves at 1000 x 500, against its spans worked out by hand from the
// geometry rules: the upper part (top to 100) and the lower part (100 to 172); black keys have only
// the upper one. A point one pixel either side of each black key's edges belongs to the neighbour.
TEST(KeyGeometry, AllThirtySevenKeysAndTheEdgesOfEveryBlackKey) {
  struct Spans {
    int upperLeft, upperRight, lowerLeft, lowerRight;
  };
  const Spans expected[kThreeOctaveKeys] = {
      {0, 28, 0, 45},  // key 0
      {28, 53, 28, 53},  // key 1
      {53, 81, 45, 90},  // key 2
      {81, 106, 81, 106},  // key 3
      {106, 136, 90, 136},  // key 4
      {136, 164, 136, 181},  // key 5
      {164, 188, 164, 188},  // key 6
      {188, 215, 181, 227},  // key 7
      {215, 239, 215, 239},  // key 8
      {239, 265, 227, 272},  // key 9
      {265, 289, 265, 289},  // key 10
      {289, 318, 272, 318},  // key 11
      {318, 346, 318, 363},  // key 12
      {346, 371, 346, 371},  // key 13
      {371, 399, 363, 409},  // key 14
      {399, 424, 399, 424},  // key 15
      {424, 454, 409, 454},  // key 16
      {454, 481, 454, 500},  // key 17
      {481, 506, 481, 506},  // key 18
      {506, 533, 500, 545},  // key 19
      {533, 557, 533, 557},  // key 20
      {557, 583, 545, 590},  // key 21
      {583, 608, 583, 608},  // key 22
      {608, 636, 590, 636},  // key 23
      {636, 664, 636, 681},  // key 24
      {664, 689, 664, 689},  // key 25
      {689, 717, 681, 727},  // key 26
      {717, 742, 717, 742},  // key 27
      {742, 772, 727, 772},  // key 28
      {772, 799, 772, 818},  // key 29
      {799, 824, 799, 824},  // key 30
      {824, 851, 818, 863},  // key 31
      {851, 875, 851, 875},  // key 32
      {875, 901, 863, 909},  // key 33
      {901, 925, 901, 925},  // key 34
      {925, 954, 909, 954},  // key 35
      {954, 1000, 954, 1000},  // key 36
  };
  const PianoLayout p = LayOutPiano({0, 0, 1000, 500}, kThreeOctaveKeys);
  for (int k = 0; k < kThreeOctaveKeys; ++k) {
    const std::vector<Point> corners = Corners(p.keys[static_cast<size_t>(k)]);
    const auto span = [&](int y) {
      int left = 1 << 30, right = -1;
      for (const Point& c : corners) {
        if (c.y != y) continue;
        left = std::min(left, c.x);
        right = std::max(right, c.x);
      }
      return std::pair{left, right};
    };
    const Spans& e = expected[k];
    EXPECT_EQ(span(0), std::pair(e.upperLeft, e.upperRight)) << "key " << k;
    EXPECT_EQ(span(IsBlackKey(k) ? 100 : 172), IsBlackKey(k) ? std::pair(e.upperLeft, e.upperRight)
                                                            : std::pair(e.lowerLeft, e.lowerRight))
        << "key " << k;
    if (!IsBlackKey(k)) continue;
    const auto owner = [&](int x) {
      int found = -1;
      for (int j = 0; j < kThreeOctaveKeys; ++j) {
        if (Region(Corners(p.keys[static_cast<size_t>(j)])).Contains({x, 50})) found = j;
      }
      return found;
    };
    EXPECT_EQ(owner(e.upperLeft - 1), k - 1) << "key " << k;
    EXPECT_EQ(owner(e.upperLeft), k) << "key " << k;
    EXPECT_EQ(owner(e.upperRight - 1), k) << "key " << k;
    EXPECT_EQ(owner(e.upperRight), k + 1) << "key " << k;
  }
}

}  // namespace
