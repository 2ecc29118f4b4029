#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/qt/ProgramIcon.h"

// The icon is drawn from its SVG at the size asked for: the blue tile, the white keys at the
// bottom and the transparent corners, at 16 px as at 256 px.
TEST(ProgramIcon, DrawsItsTileAtEverySize) {
  for (const int size : {16, 32, 256}) {
    const QImage image = ProgramIcon().pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    const auto at = [&](double x, double y) { return image.pixelColor(int(x * size), int(y * size)); };
    EXPECT_EQ(at(0, 0).alpha(), 0) << size;
    EXPECT_EQ(at(0.1, 0.3), QColor(0x2b, 0x4c, 0x9b)) << size;
    EXPECT_EQ(at(0.2, 0.8), QColor(Qt::white)) << size;
  }
}
