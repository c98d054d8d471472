#pragma once

// The strokes and shapes the editor's icons and cursors are drawn with: flat fills inside a
// dark outline, in cell texels (x right, y down).

#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/Drawing.h"

namespace gui {

using figures::Capsule;
using figures::Drawing;
using figures::Paint;
using figures::Part;
using figures::Piece;
using figures::Point;
using figures::Polygon;

// Colours, alpha << 24 | red << 16 | green << 8 | blue.
constexpr uint32_t Ink = 0xFF23262E;
constexpr uint32_t Paper = 0xFFF6F3EA;
constexpr uint32_t Steel = 0xFFB8C2CC;
constexpr uint32_t Sky = 0xFF8CC4EC;
constexpr uint32_t Grass = 0xFF4E9A3E;
constexpr uint32_t Sun = 0xFFF2C640;
constexpr uint32_t Disk = 0xFF3A6AAE;
constexpr uint32_t Folder = 0xFFE2B04A;
constexpr uint32_t FolderBack = 0xFFB8862E;
constexpr uint32_t Solid = 0xFFE37A1C;  // boundaries: what actors cannot pass
constexpr uint32_t Warning = 0xFFC8322A;
constexpr uint32_t TileLight = 0xFFD8B47A;
constexpr uint32_t TileDark = 0xFF8E6A3E;
constexpr uint32_t Wood = 0xFF7A5030;
constexpr uint32_t Toggle = 0xFF4FA84A;
constexpr uint32_t Greyed = 0xFF9A9CA2;
constexpr uint32_t GreyedLight = 0xFFD6D7DA;
constexpr float PartOutline = 1.1f;

inline Paint Flat(uint32_t fill, float outlineWidth = PartOutline, uint32_t outline = Ink) {
  return Paint{fill, outline, outlineWidth, 1.0f, false};
}

inline Capsule Line(Point a, Point b, float radius) { return Capsule{a, b, radius, radius}; }
inline Capsule Dot(Point at, float radius) { return Capsule{at, at, radius, radius}; }

inline Polygon Box(float left, float top, float right, float bottom, float rounding = 0.0f) {
  return Polygon{{{left, top}, {right, top}, {right, bottom}, {left, bottom}}, rounding};
}

// A polyline as one part, so its joints show no seam.
inline Part Stroke(const std::vector<Point>& points, float radius, const Paint& paint) {
  Part part{{}, paint};
  for (size_t i = 1; i < points.size(); ++i) {
    part.pieces.emplace_back(Line(points[i - 1], points[i], radius));
  }
  return part;
}

// The arc of a circle from one angle to another (degrees, clockwise on the screen from +x).
inline std::vector<Point> Arc(Point center, float radius, float from, float to, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const float angle = (from + (to - from) * static_cast<float>(i) / steps) * 0.017453292f;
    points.push_back({center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)});
  }
  return points;
}

inline Part Ring(Point center, float radius, float thickness, const Paint& paint) {
  return Stroke(Arc(center, radius, 0.0f, 360.0f, 36), thickness / 2, paint);
}

// An arrowhead whose tip is at the point, pointing along the direction.
inline Polygon Head(Point tip, Point direction, float length, float halfWidth) {
  const float norm = std::hypot(direction.x, direction.y);
  const Point d{direction.x / norm, direction.y / norm};
  const Point base{tip.x - d.x * length, tip.y - d.y * length};
  return Polygon{{tip,
                  {base.x - d.y * halfWidth, base.y + d.x * halfWidth},
                  {base.x + d.y * halfWidth, base.y - d.x * halfWidth}},
                 0.3f};
}

// A checkerboard of square tiles over the box; with a radius, only the tiles whose middle lies
// within that distance of the box's middle.
inline void AddCheckers(Drawing& drawing, float left, float top, float right, float bottom,
                        float tile, uint32_t light, uint32_t dark, float radius = 0.0f) {
  Part lightPart{{}, Flat(light, 0.0f)};
  Part darkPart{{}, Flat(dark, 0.0f)};
  const Point middle{(left + right) / 2, (top + bottom) / 2};
  int row = 0;
  for (float y = top; y < bottom - 0.01f; y += tile, ++row) {
    int column = 0;
    for (float x = left; x < right - 0.01f; x += tile, ++column) {
      const Point center{x + tile / 2, y + tile / 2};
      if (radius > 0.0f && std::hypot(center.x - middle.x, center.y - middle.y) > radius) continue;
      Part& part = (row + column) % 2 == 0 ? lightPart : darkPart;
      part.pieces.emplace_back(Box(x, y, std::fmin(x + tile, right), std::fmin(y + tile, bottom)));
    }
  }
  drawing.Add(lightPart);
  drawing.Add(darkPart);
}

}  // namespace gui
