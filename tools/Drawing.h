#pragma once

// The shapes the picture generators build figures and interface pieces from, and the
// supersampled painter that turns them into the pixels of one cell of an atlas. Coordinates
// are cell texels, x to the right and y down.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Image.h"
#include "platform/Vertex.h"
#include "tools/Raster.h"

namespace figures {

using raster::Point;

// A stroke whose radius changes evenly from one end to the other; equal ends make a disc.
struct Capsule {
  Point a;
  Point b;
  float radiusA;
  float radiusB;
};

// A filled polygon of either winding, its corners rounded by the radius.
struct Polygon {
  std::vector<Point> corners;
  float rounding = 0.0f;
};

// One piece of a part: its polygon when that has corners, else its capsule.
struct Piece {
  Piece(const Capsule& stroke) : capsule(stroke) {}
  Piece(Polygon shape) : polygon(std::move(shape)) {}
  bool IsPolygon() const { return !polygon.corners.empty(); }

  Capsule capsule{};
  Polygon polygon;
};

// A lit fill inside a darker outline; flat parts skip the lighting.
struct Paint {
  uint32_t fill = 0xFF808080;
  uint32_t outline = 0xFF202020;
  float outlineWidth = 1.0f;
  float opacity = 1.0f;
  bool lit = true;
};

// One part of a picture: the union of its pieces, painted as one shape with one outline, so
// that a knee or an elbow shows no seam.
struct Part {
  std::vector<Piece> pieces;
  Paint paint;
};

// Parts in painting order, back to front.
class Drawing {
 public:
  void Add(Part part) { parts_.push_back(std::move(part)); }
  void Add(Piece piece, const Paint& paint) { parts_.push_back(Part{{std::move(piece)}, paint}); }
  const std::vector<Part>& Parts() const { return parts_; }
  // Turns every part to face the other way about the upright line through x.
  void Mirror(float x);

 private:
  std::vector<Part> parts_;
};

// The colour with its red, green and blue scaled by the factor (kept opaque and in range).
uint32_t Scaled(uint32_t color, float factor);

// The paint of a part: the fill, an outline of the fill darkened, and the outline width.
Paint Painted(uint32_t fill, float outlineWidth);

// Paints the drawing into the cell of the image, replacing what was there. The outermost ring
// of texels stays clear, so that filtering never carries one cell into the next; what would
// reach past it is cut off.
void Render(const Drawing& drawing, platform::Image& image, const platform::PixelRect& cell);


namespace detail {

constexpr int Supersampling = 4;
constexpr int SamplesPerPixel = Supersampling * Supersampling;
// Light falls from the upper front of a figure facing right (x right, y down, z to the viewer).
constexpr float LightX = 0.48f;
constexpr float LightY = -0.62f;
constexpr float LightZ = 0.62f;
constexpr float Ambient = 0.62f;
constexpr float Diffuse = 0.5f;
constexpr float OutlineDarkening = 0.38f;
// The brightest a channel may be: pure opaque white is what the map loader keys out.
constexpr float BrightestChannel = 250.0f;

inline float Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
inline Point Minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

// Signed distance to a piece (negative inside) and the sideways direction of the surface at
// that place, scaled so that the rim has length 1, for the lighting.
struct Probe {
  float distance;
  Point bulge;
};

inline Probe ProbeDisc(Point p, Point center, float radius) {
  const Point d = Minus(p, center);
  const float length = raster::Length(d.x, d.y);
  return {length - radius, {d.x / radius, d.y / radius}};
}

inline Probe ProbeCapsule(Point p, const Capsule& c) {
  const Point axis = Minus(c.b, c.a);
  const float h = Dot(axis, axis);
  const float spread = c.radiusA - c.radiusB;
  if (h < 1e-6f || spread * spread >= h) {
    const Probe first = ProbeDisc(p, c.a, c.radiusA);
    const Probe second = ProbeDisc(p, c.b, c.radiusB);
    return first.distance < second.distance ? first : second;
  }
  // The exact distance to two discs joined by their common tangents.
  const Point local = Minus(p, c.a);
  const float qx = std::fabs(local.x * axis.y - local.y * axis.x) / h;
  const float qy = Dot(local, axis) / h;
  const float cx = std::sqrt(h - spread * spread);
  const float k = cx * qy - spread * qx;
  const float m = cx * qx + spread * qy;
  const float n = qx * qx + qy * qy;
  float distance;
  if (k < 0.0f) {
    distance = std::sqrt(h * n) - c.radiusA;
  } else if (k > cx) {
    distance = std::sqrt(h * (n + 1.0f - 2.0f * qy)) - c.radiusB;
  } else {
    distance = m - c.radiusA;
  }
  const float t = std::clamp(qy, 0.0f, 1.0f);
  const Point center{c.a.x + axis.x * t, c.a.y + axis.y * t};
  const float radius = c.radiusA + (c.radiusB - c.radiusA) * t;
  const Point side = Minus(p, center);
  return {distance, {side.x / radius, side.y / radius}};
}

inline Probe ProbePolygon(Point p, const Polygon& polygon) {
  const std::vector<Point>& v = polygon.corners;
  float nearest = Dot(Minus(p, v[0]), Minus(p, v[0]));
  bool inside = false;
  Point low = v[0], high = v[0];
  for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
    const Point e = Minus(v[j], v[i]);
    const Point w = Minus(p, v[i]);
    const float t = std::clamp(Dot(w, e) / Dot(e, e), 0.0f, 1.0f);
    const Point b{w.x - e.x * t, w.y - e.y * t};
    nearest = std::min(nearest, Dot(b, b));
    const bool above = p.y >= v[i].y;
    const bool below = p.y < v[j].y;
    const bool left = e.x * w.y > e.y * w.x;
    if ((above && below && left) || (!above && !below && !left)) inside = !inside;
    low = {std::min(low.x, v[i].x), std::min(low.y, v[i].y)};
    high = {std::max(high.x, v[i].x), std::max(high.y, v[i].y)};
  }
  const float distance = (inside ? -1.0f : 1.0f) * std::sqrt(nearest) - polygon.rounding;
  // A polygon is lit as if it bulged gently from its middle.
  const Point half{std::max((high.x - low.x) / 2, 0.5f), std::max((high.y - low.y) / 2, 0.5f)};
  return {distance,
          {0.6f * (p.x - (low.x + half.x)) / half.x, 0.6f * (p.y - (low.y + half.y)) / half.y}};
}

inline Probe ProbePiece(Point p, const Piece& piece) {
  return piece.IsPolygon() ? ProbePolygon(p, piece.polygon) : ProbeCapsule(p, piece.capsule);
}

inline Probe ProbePart(Point p, const Part& part) {
  Probe best{1e9f, {0, 0}};
  for (const Piece& piece : part.pieces) {
    const Probe probe = ProbePiece(p, piece);
    if (probe.distance < best.distance) best = probe;
  }
  return best;
}

struct Box {
  float left, top, right, bottom;
};

inline Box Bounds(const Part& part) {
  Box box{1e9f, 1e9f, -1e9f, -1e9f};
  auto grow = [&box](Point p, float margin) {
    box = {std::min(box.left, p.x - margin), std::min(box.top, p.y - margin),
           std::max(box.right, p.x + margin), std::max(box.bottom, p.y + margin)};
  };
  for (const Piece& piece : part.pieces) {
    if (!piece.IsPolygon()) {
      grow(piece.capsule.a, piece.capsule.radiusA);
      grow(piece.capsule.b, piece.capsule.radiusB);
    } else {
      const Polygon& polygon = piece.polygon;
      for (Point corner : polygon.corners) grow(corner, polygon.rounding);
    }
  }
  return box;
}

struct Color {
  float r, g, b;
};

inline Color Unpack(uint32_t color) {
  return {raster::Channel(color, 16), raster::Channel(color, 8), raster::Channel(color, 0)};
}

inline Color Shade(Color base, float factor) {
  return {std::min(base.r * factor, BrightestChannel), std::min(base.g * factor, BrightestChannel),
          std::min(base.b * factor, BrightestChannel)};
}

inline Color SampleColor(const Part& part, const Probe& probe) {
  const Paint& paint = part.paint;
  if (probe.distance > -paint.outlineWidth) return Unpack(paint.outline);
  const Color fill = Unpack(paint.fill);
  if (!paint.lit) return fill;
  const float bx = std::clamp(probe.bulge.x, -1.0f, 1.0f);
  const float by = std::clamp(probe.bulge.y, -1.0f, 1.0f);
  const float bz = std::sqrt(std::max(0.0f, 1.0f - bx * bx - by * by));
  const float light = std::max(0.0f, bx * LightX + by * LightY + bz * LightZ);
  return Shade(fill, Ambient + Diffuse * light);
}

}  // namespace detail

inline void Drawing::Mirror(float x) {
  auto flip = [x](Point& p) { p.x = 2.0f * x - p.x; };
  for (Part& part : parts_) {
    for (Piece& piece : part.pieces) {
      flip(piece.capsule.a);
      flip(piece.capsule.b);
      for (Point& corner : piece.polygon.corners) flip(corner);
    }
  }
}

inline uint32_t Scaled(uint32_t color, float factor) {
  const detail::Color c = detail::Shade(detail::Unpack(color), factor);
  return 0xFF000000 | static_cast<uint32_t>(c.r + 0.5f) << 16 |
         static_cast<uint32_t>(c.g + 0.5f) << 8 | static_cast<uint32_t>(c.b + 0.5f);
}

inline Paint Painted(uint32_t fill, float outlineWidth) {
  return Paint{fill, Scaled(fill, detail::OutlineDarkening), outlineWidth};
}

inline void Render(const Drawing& drawing, platform::Image& image, const platform::PixelRect& cell) {
  const int width = cell.right - cell.left;
  const int height = cell.bottom - cell.top;
  const std::vector<Part>& parts = drawing.Parts();
  std::vector<detail::Box> boxes;
  for (const Part& part : parts) boxes.push_back(detail::Bounds(part));
  std::vector<size_t> acrossRow;
  std::vector<const Part*> nearby;
  for (int y = 0; y < height; ++y) {
    acrossRow.clear();
    for (size_t i = 0; i < parts.size(); ++i) {
      if (y + 1 >= boxes[i].top && y <= boxes[i].bottom) acrossRow.push_back(i);
    }
    for (int x = 0; x < width; ++x) {
      uint32_t& pixel = image.pixels[static_cast<size_t>(cell.top + y) * image.width + cell.left + x];
      pixel = 0;
      if (x == 0 || y == 0 || x == width - 1 || y == height - 1) continue;
      nearby.clear();
      for (size_t i : acrossRow) {
        if (x + 1 >= boxes[i].left && x <= boxes[i].right) nearby.push_back(&parts[i]);
      }
      if (nearby.empty()) continue;
      // Premultiplied sums over the samples.
      float red = 0, green = 0, blue = 0, alpha = 0;
      for (int sy = 0; sy < detail::Supersampling; ++sy) {
        for (int sx = 0; sx < detail::Supersampling; ++sx) {
          const Point p = raster::SamplePoint(x, y, sx, sy, detail::Supersampling);
          float r = 0, g = 0, b = 0, a = 0;
          for (const Part* part : nearby) {
            const detail::Probe probe = detail::ProbePart(p, *part);
            if (probe.distance > 0.0f) continue;
            const detail::Color c = detail::SampleColor(*part, probe);
            const float o = part->paint.opacity;
            r = c.r * o + r * (1 - o);
            g = c.g * o + g * (1 - o);
            b = c.b * o + b * (1 - o);
            a = o + a * (1 - o);
          }
          red += r;
          green += g;
          blue += b;
          alpha += a;
        }
      }
      if (alpha <= 0.0f) continue;
      auto channel = [alpha](float premultiplied) {
        return static_cast<uint32_t>(std::min(premultiplied / alpha, detail::BrightestChannel) + 0.5f);
      };
      const auto a8 = static_cast<uint32_t>(255.0f * alpha / detail::SamplesPerPixel + 0.5f);
      if (a8 == 0) continue;
      pixel = a8 << 24 | channel(red) << 16 | channel(green) << 8 | channel(blue);
    }
  }
}

}  // namespace figures
