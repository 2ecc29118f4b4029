#include "settings/CArchive.h"

#include <gtest/gtest.h>

TEST(CArchive, StoresLittleEndianAndLoadsTheSameFields) {
  CArchive out;
  uint8_t b = 0xAB;
  uint16_t w = 0x1234;
  int32_t l = -2;
  char16_t units[2] = {u'\u0416', u'z'};
  Rect r{1, -1, 256, 65536};
  out.Transfer(b);
  out.Transfer(w);
  out.Transfer(l);
  out.Transfer(units);
  out.Transfer(r);
  const std::vector<uint8_t> expected = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0x16, 0x04, 'z', 0,
                                         1,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0,    1,    0,
                                         0,    0,    0,    1,    0};
  EXPECT_EQ(out.Bytes(), expected);

  CArchive in(expected);
  uint8_t b2 = 0;
  uint16_t w2 = 0;
  int32_t l2 = 0;
  char16_t units2[2] = {};
  Rect r2;
  in.Transfer(b2);
  in.Transfer(w2);
  in.Transfer(l2);
  in.Transfer(units2);
  in.Transfer(r2);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(b2, b);
  EXPECT_EQ(w2, w);
  EXPECT_EQ(l2, l);
  EXPECT_EQ(units2[0], units[0]);
  EXPECT_EQ(units2[1], units[1]);
  EXPECT_EQ(r2, r);
}

TEST(CArchive, ReadingPastTheEndGivesZerosAndFails) {
  CArchive in(std::vector<uint8_t>{0x01, 0x02, 0x03});
  uint16_t first = 0;
  int32_t second = 77;
  uint8_t third = 9;
  in.Transfer(first);
  EXPECT_FALSE(in.Failed());
  in.Transfer(second);
  in.Transfer(third);
  EXPECT_EQ(first, 0x0201);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(third, 0);
  EXPECT_TRUE(in.Failed());
}
