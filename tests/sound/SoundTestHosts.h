#pragma once
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "platform/ViewHost.h"

// Small stand-ins for the tests of the sound layer.
namespace sound_test {

// A device context that draws into an image of the test.
struct PainterHolder {
  explicit PainterHolder(QImage& image) : painter(&image) {}
  QPainter painter;
};
class ImageDc final : private PainterHolder, public Dc {
 public:
  explicit ImageDc(QImage& image) : PainterHolder(image), Dc(painter) {}
};

// A view whose device contexts draw into one image; everything else does nothing.
class ImageViewHost final : public ViewHost {
 public:
  ImageViewHost() : image(400, 300, QImage::Format_RGB32) {
    image.fill(Qt::black);
    SetViewHost(this);
  }
  ~ImageViewHost() override { SetViewHost(nullptr); }
  Rect ClientRect() const override { return {0, 0, 400, 300}; }
  void Invalidate() override {}
  void InvalidateRect(const Rect&) override {}
  void InvalidateRegion(const Region&) override {}
  void UpdateWindow() override {}
  std::unique_ptr<Dc> GetDC() override { return std::make_unique<ImageDc>(image); }
  void SetCursor(CursorKind) override {}
  void PostToUi(std::function<void()> task) override { task(); }
  void SetControlText(int, const std::string&) override {}
  std::string ControlText(int) const override { return {}; }
  void EnableControl(int, bool) override {}
  bool IsControlEnabled(int) const override { return false; }
  void CreateButton(int, const std::string&, const Rect&) override {}
  void MoveControl(int, const Rect&) override {}
  void DestroyControl(int) override {}
  void SetClockStart(uint32_t) override {}
  uint32_t ClockStart() const override { return 0; }
  // The colour at the centre of a rectangle.
  QRgb ColourIn(const Rect& r) const { return image.pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  QImage image;
};

}  // namespace sound_test
