#include <gtest/gtest.h>

#include "platform/Region.h"

TEST(Region, LeftAndTopEdgesAreInsideRightAndBottomOutside) {
  const Region r({{10, 20}, {30, 20}, {30, 40}, {10, 40}});
  EXPECT_TRUE(r.Contains({10, 20}));
  EXPECT_TRUE(r.Contains({29, 39}));
  EXPECT_FALSE(r.Contains({30, 25}));
  EXPECT_FALSE(r.Contains({15, 40}));
  EXPECT_FALSE(r.Contains({9, 25}));
}

TEST(Region, SharedEdgeBelongsToExactlyOneRegion) {
  // Two neighbouring keys sharing a slanted edge.
  const Region left({{0, 0}, {10, 0}, {13, 50}, {0, 50}});
  const Region right({{10, 0}, {20, 0}, {20, 50}, {13, 50}});
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 20; ++x) {
      const int hits = int(left.Contains({x, y})) + int(right.Contains({x, y}));
      EXPECT_EQ(hits, 1) << x << "," << y;
    }
  }
}
