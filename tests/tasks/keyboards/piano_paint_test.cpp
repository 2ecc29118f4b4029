#include <gtest/gtest.h>

#include "tasks/base/CTest13Keys.h"
#include "tasks/base/CTest37Keys.h"
#include "tasks/keyboards/PianoTestSupport.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kPaleGrey = qRgb(240, 240, 240);

// How many of the piano's regions (keys, message area, filler) hold the point.
int Owners(const CPianoBase& piano, Point p) {
  int owners = int(piano.MessageRegion().Contains(p)) + int(piano.FillerRegion().Contains(p));
  for (int key = 0; key < piano.KeyCount(); ++key) owners += int(piano.KeyRegion(key).Contains(p));
  return owners;
}

TEST(PianoPainting, KeysAreWhiteAndBlackOverAPaleMessageArea) {
  CTest37Keys piano;
  const QImage image = PaintPiano(piano, 1000, 500);
  EXPECT_EQ(image.pixel(20, 140), kWhite);  // key 0, lower part
  EXPECT_EQ(image.pixel(14, 50), kWhite);   // key 0, upper part
  EXPECT_EQ(image.pixel(40, 50), kBlack);   // key 1
  EXPECT_EQ(image.pixel(67, 140), kWhite);  // key 2
  EXPECT_EQ(image.pixel(913, 50), kBlack);  // key 34
  EXPECT_EQ(image.pixel(977, 86), kWhite);  // key 36
  EXPECT_EQ(image.pixel(500, 172), kPaleGrey);
  EXPECT_EQ(image.pixel(999, 499), kPaleGrey);
  // White keys are outlined: a black line where keys 0 and 2 meet below the black key.
  EXPECT_TRUE(image.pixel(44, 140) == kBlack || image.pixel(45, 140) == kBlack);
  EXPECT_EQ(image.pixel(5, 0), kBlack);
  EXPECT_EQ(image.pixel(0, 140), kBlack);
}

TEST(PianoPainting, OneOctaveFillsTheRestOfTheRowPale) {
  CTest13Keys piano;
  const QImage image = PaintPiano(piano, 1000, 500);
  EXPECT_EQ(image.pixel(340, 50), kWhite);  // key 12 has no black key on its right
  EXPECT_EQ(image.pixel(340, 140), kWhite);
  EXPECT_EQ(image.pixel(276, 50), kBlack);  // key 10
  EXPECT_EQ(image.pixel(364, 50), kPaleGrey);
  EXPECT_EQ(image.pixel(999, 0), kPaleGrey);
  EXPECT_EQ(image.pixel(700, 300), kPaleGrey);
}

// Below 38 pixels of width the black keys of the tables overlap their neighbours.
TEST(PianoHitTest, EveryPixelBelongsToExactlyOneRegion) {
  for (const Size size : {Size{1000, 500}, Size{722, 280}, Size{1280, 700}, Size{997, 431}, Size{38, 20}}) {
    CTest37Keys three;
    CTest13Keys one;
    PaintPiano(three, size.cx, size.cy);
    PaintPiano(one, size.cx, size.cy);
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        ASSERT_EQ(Owners(three, {x, y}), 1) << "37 keys at " << x << "," << y << " in " << size.cx << "x" << size.cy;
        ASSERT_EQ(Owners(one, {x, y}), 1) << "13 keys at " << x << "," << y << " in " << size.cx << "x" << size.cy;
      }
    }
  }
}

TEST(PianoHitTest, KeysUnderTheWorkedPoints) {
  CTest37Keys piano;
  EXPECT_EQ(piano.KeyAt({30, 150}), -1) << "before the first paint no key can be hit";
  PaintPiano(piano, 1000, 500);
  EXPECT_EQ(piano.KeyAt({30, 50}), 1);
  EXPECT_EQ(piano.KeyAt({30, 150}), 0);
  EXPECT_EQ(piano.KeyAt({28, 0}), 1);    // left edge inside
  EXPECT_EQ(piano.KeyAt({53, 0}), 2);    // right edge outside
  EXPECT_EQ(piano.KeyAt({45, 171}), 2);  // bottom row of the keys
  EXPECT_EQ(piano.KeyAt({45, 172}), -1);
  EXPECT_EQ(piano.KeyAt({999, 0}), 36);
  // A smaller window moves the keys at the next paint.
  PaintPiano(piano, 500, 250);
  EXPECT_EQ(piano.KeyAt({30, 50}), 2);
}

}  // namespace
