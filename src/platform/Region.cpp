#include "platform/Region.h"

#include <algorithm>

bool Region::Contains(Point p) const {
  if (IsEmpty()) return false;
  // Crossing test with a ray towards +x. The half-open comparisons put a point on a
  // top or left edge inside and a point on a bottom or right edge outside.
  bool inside = false;
  const size_t n = vertices_.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const Point a = vertices_[i];
    const Point b = vertices_[j];
    if ((a.y > p.y) == (b.y > p.y)) continue;
    // x of the edge at height p.y, compared without division: p.x < xEdge.
    const long long dy = static_cast<long long>(b.y) - a.y;
    const long long lhs = (static_cast<long long>(p.x) - a.x) * dy;
    const long long rhs = (static_cast<long long>(b.x) - a.x) * (static_cast<long long>(p.y) - a.y);
    if (dy > 0 ? lhs < rhs : lhs > rhs) inside = !inside;
  }
  return inside;
}

Rect Region::Bounds() const {
  if (vertices_.empty()) return {};
  Rect r{vertices_[0].x, vertices_[0].y, vertices_[0].x, vertices_[0].y};
  for (const Point& v : vertices_) {
    r.left = std::min(r.left, v.x);
    r.top = std::min(r.top, v.y);
    r.right = std::max(r.right, v.x);
    r.bottom = std::max(r.bottom, v.y);
  }
  r.right += 1;
  r.bottom += 1;
  return r;
}
