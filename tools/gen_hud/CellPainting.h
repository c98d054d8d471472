#pragma once

// What the interface atlas's painters share: colours over colours, rounded boxes, and cells
// painted from supersampled samplers. Colours are packed alpha << 24 | red << 16 | green << 8 |
// blue, with straight alpha.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "platform/Vertex.h"
#include "tools/Raster.h"
#include "tools/SharedAtlas.h"

namespace paint {

using raster::Point;

constexpr uint32_t Transparent = 0x00000000;
constexpr int Samples = 4;

inline uint8_t AlphaOf(uint32_t c) { return static_cast<uint8_t>(c >> 24); }
inline uint32_t WithAlpha(uint32_t c, uint32_t alpha) { return (c & 0x00FFFFFF) | alpha << 24; }

// The top colour over the bottom one.
inline uint32_t Over(uint32_t top, uint32_t bottom) {
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

// Signed distance to a box with rounded corners: negative inside.
inline float BoxDistance(Point p, float left, float top, float right, float bottom, float radius) {
  const float cx = (left + right) / 2;
  const float cy = (top + bottom) / 2;
  const float qx = std::fabs(p.x - cx) - ((right - left) / 2 - radius);
  const float qy = std::fabs(p.y - cy) - ((bottom - top) / 2 - radius);
  return raster::Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
         radius;
}

// A box of fill inside a border of the given width; nothing outside it.
inline uint32_t BorderedBox(float distance, float border, uint32_t borderColor, uint32_t fill) {
  if (distance > 0.0f) return Transparent;
  return distance > -border ? borderColor : fill;
}

using Sampler = std::function<uint32_t(Point)>;

// Every pixel of the cell from its samples; the sampler gets cell coordinates.
inline void PaintCell(SharedAtlas& atlas, const platform::PixelRect& cell, const Sampler& sample) {
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) {
      atlas.At(x, y) = raster::Supersample(x - cell.left, y - cell.top, Samples, sample);
    }
  }
}

// A one-texel cell that a menu stretches, with its neighbours in the same colour so that
// filtering at the block's edges finds nothing else.
inline void PaintTexel(SharedAtlas& atlas, const platform::PixelRect& cell, uint32_t color) {
  for (int y = cell.top - 1; y <= cell.top + 1; ++y) {
    for (int x = cell.left - 1; x <= cell.left + 1; ++x) atlas.At(x, y) = color;
  }
}

// One column of a picture that a menu stretches sideways, repeated over its neighbours.
inline void PaintColumn(SharedAtlas& atlas, const platform::PixelRect& cell, int spread,
                        const Sampler& sample) {
  for (int x = cell.left - spread; x <= cell.left + spread; ++x) {
    PaintCell(atlas, {x, cell.top, x + 1, cell.bottom}, sample);
  }
}

}  // namespace paint
