#pragma once
#include <vector>

#include "platform/Geometry.h"

// A polygon region with the alternate (odd-even) fill rule.
// Hit testing gives every point to at most one of several regions that share edges:
// left and top edges are inside, right and bottom edges outside.
class Region {
 public:
  Region() = default;
  explicit Region(std::vector<Point> vertices) : vertices_(std::move(vertices)) {}

  bool IsEmpty() const { return vertices_.size() < 3; }
  const std::vector<Point>& Vertices() const { return vertices_; }
  bool Contains(Point p) const;
  // Smallest rectangle holding every vertex (right and bottom exclusive).
  Rect Bounds() const;

 private:
  std::vector<Point> vertices_;
};
