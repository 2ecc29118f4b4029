#include "platform/Dc.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtConvert.h"

namespace {
QPolygon ToPolygon(const Region& region) {
  QPolygon polygon;
  for (const Point& p : region.Vertices()) polygon << QPoint(p.x, p.y);
  return polygon;
}

bool IsWhole(qreal value) { return value == std::floor(value); }

// The four corners of the bounding rectangle, in turn around it.
bool IsUprightRectangle(const Region& region) {
  const std::vector<Point>& v = region.Vertices();
  if (v.size() != 4 || v[0] == v[2] || v[1] == v[3]) return false;
  const Rect b = region.Bounds();
  for (size_t i = 0; i < 4; ++i) {
    const Point& p = v[i];
    const Point& q = v[(i + 1) % 4];
    if ((p.x != b.left && p.x != b.right) || (p.y != b.top && p.y != b.bottom)) return false;
    if (p.x != q.x && p.y != q.y) return false;
  }
  return b.Width() > 0 && b.Height() > 0;
}

}  // namespace

Dc::Dc(QPainter& painter) : painter_(painter) {
  font_ = Font(DefaultMainFontDesc());
  painter_.setFont(ToQFont(font_.Desc()));
}

Dc::~Dc() = default;

void Dc::Touch(const Rect& r) {
  if (r.IsEmpty()) return;
  if (touched_.IsEmpty()) {
    touched_ = r;
    return;
  }
  touched_ = {std::min(touched_.left, r.left), std::min(touched_.top, r.top), std::max(touched_.right, r.right),
              std::max(touched_.bottom, r.bottom)};
}

void Dc::FillRgn(const Region& region, Brush brush) {
  if (region.IsEmpty()) return;
  // An upright rectangle on a whole-number scale covers whole screen pixels: the same pixels
  // as the polygon's, filled much faster.
  const QTransform& t = painter_.deviceTransform();
  if (IsUprightRectangle(region) && t.type() <= QTransform::TxScale && IsWhole(t.m11()) && IsWhole(t.m22()) &&
      IsWhole(t.dx()) && IsWhole(t.dy())) {
    FillRect(region.Bounds(), brush);
    return;
  }
  // Fill the pixels whose centres lie inside the polygon, as the hit test counts them.
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  path.addPolygon(QPolygonF(ToPolygon(region)));
  path.closeSubpath();
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.fillPath(path, ToQColor(brush));
  painter_.restore();
  Touch(region.Bounds());
}

void Dc::FrameRgn(const Region& region, Brush brush, int width, int height) {
  if (region.IsEmpty()) return;
  // The frame lies inside the region: its pixels that have a neighbour outside it within
  // width pixels across or height pixels down.
  const QRegion inside(ToPolygon(region), Qt::OddEvenFill);
  const QRegion core = inside & inside.translated(width, 0) & inside.translated(-width, 0) &
                       inside.translated(0, height) & inside.translated(0, -height);
  const QRegion frame = inside - core;
  for (const QRect& r : frame) painter_.fillRect(r, ToQColor(brush));
  Touch(region.Bounds());
}

void Dc::FillRect(const Rect& rect, Brush brush) {
  if (rect.IsEmpty()) return;
  painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(brush));
  Touch(rect);
}

Size Dc::GetTextExtent(std::string_view text) {
  const QFontMetrics metrics(painter_.font());
  const QString s = ToQString(text);
  return {metrics.horizontalAdvance(s), metrics.height()};
}

void Dc::TextOut(int x, int y, std::string_view text) {
  const QFontMetrics metrics(painter_.font());
  const QString s = ToQString(text);
  const Rect cell{x, y, x + metrics.horizontalAdvance(s), y + metrics.height()};
  if (bkMode_ == BkMode::Opaque) FillRect(cell, bkColour_);
  painter_.save();
  painter_.setPen(ToQColor(textColour_));
  painter_.drawText(QPoint(x, y + metrics.ascent()), s);
  painter_.restore();
  Touch(cell);
}

Colour Dc::SetTextColor(Colour colour) { return std::exchange(textColour_, colour); }
Colour Dc::SetBkColor(Colour colour) { return std::exchange(bkColour_, colour); }
BkMode Dc::SetBkMode(BkMode mode) { return std::exchange(bkMode_, mode); }
Colour Dc::SetPenColor(Colour colour) { return std::exchange(penColour_, colour); }

Font Dc::SelectFont(const Font& font) {
  Font old = font_;
  font_ = font;
  painter_.setFont(ToQFont(font_.Desc()));
  return old;
}

void Dc::MoveTo(int x, int y) { current_ = {x, y}; }

void Dc::LineTo(int x, int y) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(QPen(ToQColor(penColour_), 1));
  // The end point itself is not drawn.
  const QLineF line(current_.x, current_.y, x, y);
  if (line.length() >= 1.0) {
    const QPointF end = line.pointAt(1.0 - 1.0 / line.length());
    painter_.drawLine(QPointF(current_.x, current_.y), end);
  }
  painter_.restore();
  Touch({std::min(current_.x, x), std::min(current_.y, y), std::max(current_.x, x) + 1, std::max(current_.y, y) + 1});
  current_ = {x, y};
}
