#pragma once

// Shapes placed in figure space (y up, origin on the anchor) and turned into cell texels.

#include <initializer_list>

#include "tools/Drawing.h"
#include "Geometry.h"

namespace figures {

// Figure space to cell texels.
inline Point ToCell(Point anchor, Point p) { return {anchor.x + p.x, anchor.y - p.y}; }

inline Capsule Stroke(Point anchor, Point a, Point b, float radiusA, float radiusB) {
  return {ToCell(anchor, a), ToCell(anchor, b), radiusA, radiusB};
}

inline Capsule Dot(Point anchor, Point center, float radius) {
  return Stroke(anchor, center, center, radius, radius);
}

inline Polygon Shape(Point anchor, std::initializer_list<Point> corners, float rounding) {
  Polygon polygon{{}, rounding};
  for (Point p : corners) polygon.corners.push_back(ToCell(anchor, p));
  return polygon;
}

// A flat paint without an outline, for small marks such as eyes.
inline Paint Flat(uint32_t color) { return Paint{color, color, 0.0f, 1.0f, false}; }

}  // namespace figures
