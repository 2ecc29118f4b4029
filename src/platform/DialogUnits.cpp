#include "platform/DialogUnits.h"

#include <cstdint>
#include <limits>

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  int64_t product = static_cast<int64_t>(number) * numerator;
  int64_t divisor = denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const int64_t half = divisor / 2;
  const int64_t result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max()) return -1;
  return static_cast<int>(result);
}

int AverageCharWidth(int widthOfLetters) { return (widthOfLetters / 26 + 1) / 2; }

int DluToPixelsX(int dlu, const DialogBaseUnits& units) { return MulDiv(dlu, units.avgCharWidth, 4); }
int DluToPixelsY(int dlu, const DialogBaseUnits& units) { return MulDiv(dlu, units.charHeight, 8); }

Rect DluRectToPixels(int x, int y, int width, int height, const DialogBaseUnits& units) {
  return {DluToPixelsX(x, units), DluToPixelsY(y, units), DluToPixelsX(x + width, units),
          DluToPixelsY(y + height, units)};
}
