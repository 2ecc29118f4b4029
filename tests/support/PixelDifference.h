#pragma once
#include <QImage>
#include <string>

// "" when the two pictures are the same pixel for pixel; otherwise how many pixels differ and
// the first of them, with both colours.
inline std::string PixelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return "sizes differ";
  int count = 0;
  std::string first;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      if (count++ == 0) {
        first = " first at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                QString::number(a.pixel(x, y), 16).toStdString() + " then " +
                QString::number(b.pixel(x, y), 16).toStdString();
      }
    }
  }
  return count == 0 ? std::string() : std::to_string(count) + " pixels differ," + first;
}
