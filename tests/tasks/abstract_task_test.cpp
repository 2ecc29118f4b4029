#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "music/MusicalTables.h"
#include "platform/Dc.h"
#include "tasks/base/CAbstractT.h"

namespace {

constexpr QRgb kMarker = qRgb(1, 2, 3);

// Top-left corner of the first marker-coloured pixel in each band of rows, scanning down.
std::vector<QPoint> MarkerCorners(const QImage& image) {
  std::vector<QPoint> corners;
  bool inBand = false;
  for (int y = 0; y < image.height(); ++y) {
    int first = -1;
    for (int x = 0; x < image.width() && first < 0; ++x) {
      if (image.pixel(x, y) == kMarker) first = x;
    }
    if (first >= 0 && !inBand) corners.emplace_back(first, y);
    inBand = first >= 0;
  }
  return corners;
}

class TextLines : public ::testing::Test {
 protected:
  TextLines() : image(1000, 500, QImage::Format_RGB32) {
    image.fill(Qt::white);
    task.clientRect = {0, 0, 1000, 500};
  }
  CAbstractT task;
  QImage image;
};

TEST_F(TextLines, LinesStartAtTheirFractionsOfTheClientArea) {
  {
    QPainter painter(&image);
    Dc dc(painter);
    dc.SetBkColor({1, 2, 3});
    dc.SetBkMode(BkMode::Opaque);
    dc.SelectFont(Font(DefaultMainFontDesc()));
    task.DrawTextLines(dc, "a", nullptr, "c", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "j");
  }
  // x = 1000 / 42; y = 500 / 2.6, 500 / 2.01 and 500 / 1.105, truncated; the null lines draw nothing.
  EXPECT_EQ(MarkerCorners(image), (std::vector<QPoint>{{23, 192}, {23, 248}, {23, 452}}));
}

TEST_F(TextLines, ClearingBlanksLinesTwoToTenAndLeavesLineOne) {
  {
    QPainter painter(&image);
    Dc dc(painter);
    dc.SetBkColor({1, 2, 3});
    task.ClearTextLines(dc);
  }
  const std::vector<QPoint> corners = MarkerCorners(image);
  ASSERT_EQ(corners.size(), 9u);
  EXPECT_EQ(corners.front(), QPoint(23, 220));  // 500 / 2.27
  EXPECT_EQ(corners.back(), QPoint(23, 452));
  // 260 blanks cover far more than a message line.
  EXPECT_EQ(image.pixel(900, 221), kMarker);
}

TEST(AbstractTask, FreshObjectHasItsStartValues) {
  CAbstractT task;
  EXPECT_EQ(task.signatureIndex, 3);
  EXPECT_EQ(task.signatureNames[3], "4/4");
  EXPECT_EQ(task.signatureNames[8], "1/8");
  EXPECT_EQ(task.signatureNames[15], "8/8");
  EXPECT_EQ(task.ticksPerBar[3], 48);
  EXPECT_EQ(task.ticksPerBar[7], 96);
  EXPECT_EQ(task.ticksPerBar[10], 18);
  EXPECT_EQ(task.ticksPerBar[15], 48);
  EXPECT_TRUE(task.newTaskEnabled);
  EXPECT_FALSE(task.listenAgainEnabled);
  EXPECT_TRUE(task.hintVisible);
  EXPECT_FALSE(task.statisticsEnabled);
  EXPECT_EQ(task.greenBrush, (Brush{0, 255, 0}));
  EXPECT_EQ(task.darkGreyBrush, (Brush{47, 47, 47}));
}

TEST(AbstractTask, ResetStatisticsClearsCountersAndReopensTheButtons) {
  CAbstractT task;
  task.attempt = 2;
  task.tasksGiven = 4;
  task.solvedFirst = task.solvedSecond = task.solvedThird = 1;
  task.repeatsTotal = 7;
  task.repeatsInTask = 2;
  task.newTaskEnabled = false;
  task.listenAgainEnabled = true;
  task.ResetStatistics();
  EXPECT_EQ(task.attempt + task.tasksGiven + task.solvedFirst + task.solvedSecond + task.solvedThird +
                task.repeatsTotal + task.repeatsInTask,
            0);
  EXPECT_TRUE(task.newTaskEnabled);
  EXPECT_FALSE(task.listenAgainEnabled);
}

TEST(ScaleTable, RowsFollowTheirFamilies) {
  CAbstractT task;
  const auto& t = task.scaleTable;
  const std::array<uint8_t, 12> cMajor = {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1};
  const std::array<uint8_t, 12> cHarmonicMinor = {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 0, 1};
  for (int k = 0; k < 37; ++k) {
    EXPECT_EQ(t[0][k], cMajor[k % 12]) << k;
    EXPECT_EQ(t[24][k], cHarmonicMinor[k % 12]) << k;
  }
  for (int row = 0; row < 48; ++row) EXPECT_EQ(t[row][36], t[row][0]) << row;
  // G harmonic major: G A B C D Eb F#.
  for (int k : {7, 9, 11, 0, 2, 3, 6}) EXPECT_EQ(t[36 + 7][k], 1) << k;
  EXPECT_EQ(t[36 + 7][4], 0);
}

TEST(ScaleTable, ModesMapToTheirRows) {
  EXPECT_EQ(ScaleRowOf(1, 2), 0);    // D Dorian: C major
  EXPECT_EQ(ScaleRowOf(5, 9), 0);    // A Aeolian: C major
  EXPECT_EQ(ScaleRowOf(8, 0), 24);   // C harmonic minor
  EXPECT_EQ(ScaleRowOf(7, 11), 23);  // B ascending melodic minor
  EXPECT_EQ(ScaleRowOf(6, 0), 1);    // C Locrian: C sharp major
  for (int key = 0; key < 12; ++key) EXPECT_EQ(ScaleRowOf(10, key), -1);
}

}  // namespace
