#include "MenuPainting.h"

#include <algorithm>
#include <cmath>

namespace menu_paint {

using figures::Capsule;
using figures::Polygon;

uint32_t Over(uint32_t top, uint32_t bottom) {
  const float ta = AlphaOf(top) / 255.0f;
  const float ba = AlphaOf(bottom) / 255.0f;
  const float a = ta + ba * (1.0f - ta);
  if (a <= 0.0f) return 0;
  uint32_t result = static_cast<uint32_t>(a * 255.0f + 0.5f) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const float value =
        (raster::Channel(top, shift) * ta + raster::Channel(bottom, shift) * ba * (1.0f - ta)) / a;
    result |= static_cast<uint32_t>(std::min(value, 255.0f) + 0.5f) << shift;
  }
  return result;
}

float BoxDistance(Point p, float left, float top, float right, float bottom, float radius) {
  const float cx = (left + right) / 2;
  const float cy = (top + bottom) / 2;
  const float qx = std::fabs(p.x - cx) - ((right - left) / 2 - radius);
  const float qy = std::fabs(p.y - cy) - ((bottom - top) / 2 - radius);
  return raster::Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
         radius;
}

float PolygonDistance(Point p, std::vector<Point> corners) {
  return figures::detail::ProbePolygon(p, Polygon{std::move(corners), 0.0f}).distance;
}

uint32_t BorderedBox(float distance, float border, uint32_t borderColor, uint32_t fill) {
  if (distance > 0.0f) return Transparent;
  return distance > -border ? borderColor : fill;
}

void PaintCell(GeneratedAtlas& atlas, const PixelRect& cell, const Sampler& sample) {
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) {
      float sums[4] = {};
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          const Point p = raster::SamplePoint(x - cell.left, y - cell.top, sx, sy, Samples);
          const uint32_t c = sample(p);
          const float a = AlphaOf(c) / 255.0f;
          sums[0] += a;
          for (int k = 0; k < 3; ++k) sums[k + 1] += raster::Channel(c, 16 - 8 * k) * a;
        }
      }
      uint32_t pixel = 0;
      if (sums[0] > 0.0f) {
        pixel = static_cast<uint32_t>(255.0f * sums[0] / (Samples * Samples) + 0.5f) << 24;
        for (int k = 0; k < 3; ++k) {
          pixel |= static_cast<uint32_t>(std::min(sums[k + 1] / sums[0], 255.0f) + 0.5f)
                   << (16 - 8 * k);
        }
      }
      atlas.At(x, y) = pixel;
    }
  }
}

void PaintTexel(GeneratedAtlas& atlas, const PixelRect& cell, uint32_t color) {
  for (int y = cell.top - 1; y <= cell.top + 1; ++y) {
    for (int x = cell.left - 1; x <= cell.left + 1; ++x) atlas.At(x, y) = color;
  }
}

void PaintColumn(GeneratedAtlas& atlas, const PixelRect& cell, int spread, const Sampler& sample) {
  for (int x = cell.left - spread; x <= cell.left + spread; ++x) {
    PaintCell(atlas, {x, cell.top, x + 1, cell.bottom}, sample);
  }
}

void ClearCell(GeneratedAtlas& atlas, const PixelRect& cell) {
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) atlas.At(x, y) = Transparent;
  }
}

void Compose(GeneratedAtlas& atlas, const PixelRect& cell, const figures::Drawing& drawing) {
  const int w = cell.right - cell.left;
  const int h = cell.bottom - cell.top;
  platform::Image layer{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, 0)};
  figures::Render(drawing, layer, {0, 0, w, h});
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t& pixel = atlas.At(cell.left + x, cell.top + y);
      pixel = Over(layer.Pixel(x, y), pixel);
    }
  }
}

void PaintPlate(GeneratedAtlas& atlas, const PixelRect& cell) {
  const float w = static_cast<float>(cell.right - cell.left);
  const float h = static_cast<float>(cell.bottom - cell.top);
  PaintCell(atlas, cell, [w, h](Point p) {
    return BorderedBox(BoxDistance(p, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 8.0f), 2.0f, Brass,
                       PlateFill);
  });
}

void PaintContentPanel(GeneratedAtlas& atlas, const PixelRect& cell) {
  const float w = static_cast<float>(cell.right - cell.left);
  const float h = static_cast<float>(cell.bottom - cell.top);
  PaintCell(atlas, cell, [w, h](Point p) {
    const float d = BoxDistance(p, 0.0f, 0.0f, w, h, 10.0f);
    if (d > 0.0f) return Transparent;
    if (d > -1.0f) return BrassDark;
    if (d > -3.0f) return ContentInner;
    return raster::Mix(ContentTop, ContentBottom, p.y / h);
  });
}

void PaintClosedTab(GeneratedAtlas& atlas, const PixelRect& cell) {
  const float w = static_cast<float>(cell.right - cell.left);
  const float h = static_cast<float>(cell.bottom - cell.top);
  PaintCell(atlas, cell, [w, h](Point p) {
    return BorderedBox(BoxDistance(p, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 11.0f), 2.0f, BrassDark,
                       TabBackFill);
  });
}

void PaintOpenTab(GeneratedAtlas& atlas, const PixelRect& left, const PixelRect& middle,
                  const PixelRect& right) {
  const float end = static_cast<float>(left.right - left.left);
  const float h = static_cast<float>(left.bottom - left.top);
  const float w = 2 * end + 1.0f;
  auto sample = [w, h](Point p) {
    const float d = BoxDistance(p, 0.5f, 0.5f, w - 0.5f, h + 20.0f, 9.0f);
    return BorderedBox(d, 2.0f, Brass, raster::Mix(OpenTabTop, ContentTop, p.y / h));
  };
  PaintCell(atlas, left, sample);
  PaintColumn(atlas, middle, 1, [sample, end](Point p) { return sample({end + 0.5f, p.y}); });
  PaintCell(atlas, right, [sample, end](Point p) { return sample({p.x + end + 1.0f, p.y}); });
}

figures::Drawing Scaled(const figures::Drawing& drawing, float scale, Point offset) {
  auto move = [scale, offset](Point p) { return Point{p.x * scale + offset.x, p.y * scale + offset.y}; };
  figures::Drawing result;
  for (figures::Part part : drawing.Parts()) {
    for (figures::Piece& piece : part.pieces) {
      for (Point& corner : piece.polygon.corners) corner = move(corner);
      piece.polygon.rounding *= scale;
      piece.capsule.a = move(piece.capsule.a);
      piece.capsule.b = move(piece.capsule.b);
      piece.capsule.radiusA *= scale;
      piece.capsule.radiusB *= scale;
    }
    result.Add(std::move(part));
  }
  return result;
}

figures::Paint Flat(uint32_t color) { return figures::Paint{color, color, 0.0f, 1.0f, false}; }
Capsule Stroke(Point a, Point b, float width) { return {a, b, width / 2, width / 2}; }
Capsule Disc(Point center, float radius) { return {center, center, radius, radius}; }

}  // namespace menu_paint
