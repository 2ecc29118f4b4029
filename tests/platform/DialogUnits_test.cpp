#include "platform/DialogUnits.h"

#include <QFontMetrics>
#include <climits>
#include <gtest/gtest.h>

#include "platform/qt/DialogUnitsQt.h"

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(7, 6, 4), 11);     // 10.5
  EXPECT_EQ(MulDiv(-7, 6, 4), -11);   // -10.5
  EXPECT_EQ(MulDiv(51, 13, 8), 83);   // 82.875
  EXPECT_EQ(MulDiv(7, 13, 8), 11);    // 11.375
  EXPECT_EQ(MulDiv(5, 3, -2), -8);    // -7.5
  EXPECT_EQ(MulDiv(-5, -3, -2), -8);  // -7.5
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
}

TEST(DialogUnits, AverageWidthAndRectanglesAsTheDialogManagerComputesThem) {
  EXPECT_EQ(AverageCharWidth(337), 6);  // 337 / 26 = 12, (12 + 1) / 2 = 6
  EXPECT_EQ(AverageCharWidth(350), 7);
  EXPECT_EQ(AverageCharWidth(0), 0);

  const DialogBaseUnits units{6, 13};
  EXPECT_EQ(DluToPixelsX(4, units), 6);
  EXPECT_EQ(DluToPixelsY(8, units), 13);
  EXPECT_EQ(DluRectToPixels(7, 51, 255, 24, units), (Rect{11, 83, 393, 122}));
  // The control bar's first button and its neighbour: edges convert on their own.
  EXPECT_EQ(DluRectToPixels(4, 2, 128, 14, units), (Rect{6, 3, 198, 26}));
  EXPECT_EQ(DluRectToPixels(136, 2, 84, 14, units), (Rect{204, 3, 330, 26}));
  EXPECT_EQ(DluRectToPixels(0, 0, 476, 80, {7, 16}), (Rect{0, 0, 833, 160}));
}

TEST(DialogUnits, TheDialogFontGivesItsLetterAverageAndHeight) {
  const QFont font = DialogFont();
  EXPECT_EQ(font.pointSize(), 8);
  const QFontMetrics metrics(font);
  const DialogBaseUnits units = DialogFontBaseUnits();
  // Three wrapped lines take three character heights: a control 24 units high holds them.
  const QRect threeLines = metrics.boundingRect(QRect(0, 0, 1, 1000), Qt::TextWordWrap, QStringLiteral("Ag Ag Ag"));
  EXPECT_EQ(threeLines.height(), 3 * units.charHeight);
  EXPECT_GE(units.charHeight, metrics.height());
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  EXPECT_EQ(units.avgCharWidth, (letters / 26 + 1) / 2);
  EXPECT_GE(units.avgCharWidth, 4);
  EXPECT_LE(units.avgCharWidth, 10);
}
