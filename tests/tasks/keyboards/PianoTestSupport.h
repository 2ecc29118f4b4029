#pragma once
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dc.h"
#include "support/CapturingMidiOut.h"
#include "tasks/base/CPianoBase.h"

// A virtual clock that lets a test look at the screen while the program waits.
class WatchedClock final : public Clock {
 public:
  uint32_t NowMs() override { return now; }
  void WaitMs(uint32_t ms) override {
    if (onWait) onWait(ms);
    now += ms;
  }
  uint32_t now = 1000;
  std::function<void(uint32_t ms)> onWait;
};

// Paints the piano into an image of the given client size, on the window colour.
inline QImage PaintPiano(CPianoBase& piano, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(qRgb(255, 255, 255));
  QPainter painter(&image);
  Dc dc(painter);
  piano.clientRect = {0, 0, width, height};
  piano.Draw(dc);
  return image;
}

inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
