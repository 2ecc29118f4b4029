#include "platform/DialogUnits.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

DialogBaseUnits DialogFontBaseUnits() {
  QFont font("Sans Serif", 8);
  const QFontMetricsF m(font);
  return {m.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0,
          static_cast<int>(std::lround(m.height()))};
}

int DluToPixelsX(int dlu, const DialogBaseUnits& units) { return static_cast<int>(std::lround(dlu * units.avgCharWidth / 4.0)); }
int DluToPixelsY(int dlu, const DialogBaseUnits& units) { return static_cast<int>(std::lround(dlu * units.charHeight / 8.0)); }

Rect DluRectToPixels(int x, int y, int w, int h, const DialogBaseUnits& units) {
  const int left = DluToPixelsX(x, units);
  const int top = DluToPixelsY(y, units);
  return {left, top, left + DluToPixelsX(w, units), top + DluToPixelsY(h, units)};
}
