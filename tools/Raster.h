#pragma once

// Small drawing helpers the picture generators share. Colours are packed
// alpha << 24 | red << 16 | green << 8 | blue.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace raster {

struct Point {
  float x;
  float y;
};

inline float Length(float x, float y) { return std::sqrt(x * x + y * y); }

inline float DistanceToSegment(Point p, Point a, Point b) {
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float t =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
  return Length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

inline float Channel(uint32_t color, int shift) {
  return static_cast<float>((color >> shift) & 0xFF);
}

// The opaque colour the given share of the way from one colour to the other.
inline uint32_t Mix(uint32_t from, uint32_t to, float amount) {
  uint32_t result = 0xFF000000;
  for (int shift = 0; shift < 24; shift += 8) {
    const float value = Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * amount;
    result |= static_cast<uint32_t>(value + 0.5f) << shift;
  }
  return result;
}

// The centre of sample (sx, sy) of pixel (x, y) split into samples x samples.
inline Point SamplePoint(int x, int y, int sx, int sy, int samples) {
  return {x + (sx + 0.5f) / samples, y + (sy + 0.5f) / samples};
}

// Pixel (x, y) from samples x samples colours that sample(Point) gives, each with its own
// alpha: alpha is the samples' mean, colour their mean weighted by alpha.
template <typename Sampler>
uint32_t Supersample(int x, int y, int samples, Sampler sample) {
  float sums[3] = {};
  float alphaSum = 0.0f;
  for (int sy = 0; sy < samples; ++sy) {
    for (int sx = 0; sx < samples; ++sx) {
      const uint32_t color = sample(SamplePoint(x, y, sx, sy, samples));
      const float alpha = Channel(color, 24);
      for (int c = 0; c < 3; ++c) sums[c] += alpha * Channel(color, 16 - 8 * c);
      alphaSum += alpha;
    }
  }
  if (alphaSum <= 0.0f) return 0;
  uint32_t pixel = static_cast<uint32_t>(alphaSum / (samples * samples) + 0.5f) << 24;
  for (int c = 0; c < 3; ++c) {
    pixel |= static_cast<uint32_t>(sums[c] / alphaSum + 0.5f) << (16 - 8 * c);
  }
  return pixel;
}

}  // namespace raster
