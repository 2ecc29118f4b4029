#pragma once
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "platform/ViewHost.h"
#include "platform/qt/ImageDc.h"

// Small stand-ins for the tests of the sound layer.
namespace sound_test {

// A view whose device contexts draw into one image; everything else does nothing.
class ImageViewHost final : public NullViewHost {
 public:
  ImageViewHost() : image(400, 300, QImage::Format_RGB32) {
    image.fill(Qt::black);
    SetViewHost(this);
  }
  ~ImageViewHost() override { SetViewHost(nullptr); }
  Rect ClientRect() const override { return {0, 0, 400, 300}; }
  std::unique_ptr<Dc> GetDC() override { return std::make_unique<ImageDc>(image); }
  // The colour at the centre of a rectangle.
  QRgb ColourIn(const Rect& r) const { return image.pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  QImage image;
};

}  // namespace sound_test
