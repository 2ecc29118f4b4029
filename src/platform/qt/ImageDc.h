#pragma once
#include <QImage>
#include <QPainter>

#include "platform/Dc.h"

namespace detail {
struct PainterOnImage {
  explicit PainterOnImage(QImage& image) : painter(&image) {}
  QPainter painter;
};
}  // namespace detail

// A device context that draws into an image it does not own.
class ImageDc final : private detail::PainterOnImage, public Dc {
 public:
  explicit ImageDc(QImage& image) : PainterOnImage(image), Dc(PainterOnImage::painter) {}
};
