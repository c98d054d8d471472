#include <algorithm>
#include <cmath>

#include "Materials.h"
#include "tools/Raster.h"

namespace tiles {

namespace {

constexpr uint32_t SkyTop = 0xFF2F5E9C;
constexpr uint32_t SkyHorizon = 0xFFB9D8EE;
constexpr uint32_t HorizonGlow = 0xFFEBDCC2;
constexpr uint32_t CloudColor = 0xFFF4F5F8;
constexpr uint32_t CloudShadow = 0xFFC7CEDB;

constexpr uint32_t FarRidge = 0xFF86A3B4;
constexpr uint32_t NearRidge = 0xFF5D8766;

constexpr int TreeCount = 13;
constexpr uint32_t CanopyColor = 0xFF2E5E34;
constexpr uint32_t TrunkColor = 0xFF3F2C20;
constexpr uint32_t UndergrowthColor = 0xFF243F27;

// Coverage of a pixel by a shape whose signed distance (negative inside) is d.
float Coverage(float d) { return std::clamp(0.5f - d, 0.0f, 1.0f); }

// A ridge line across the picture: its height above the bottom, in pixels, at u.
float Ridge(float u, float base, float swell, uint32_t seed) {
  return base + swell * (0.55f * std::sin(TwoPi * (2.0f * u + Hash(0, 0, seed))) +
                         0.3f * std::sin(TwoPi * (5.0f * u + Hash(1, 0, seed))) +
                         0.6f * (PeriodicFractal(u, 0.0f, 12, 1, 3, seed) - 0.5f));
}

// Lays a ridge over the picture: every pixel below its line, a little lighter at the crest.
void DrawRidge(Canvas& canvas, float base, float swell, uint32_t color, uint32_t seed) {
  for (int x = 0; x < canvas.width; ++x) {
    const float u = (static_cast<float>(x) + 0.5f) / canvas.width;
    const float top = static_cast<float>(canvas.height) - Ridge(u, base, swell, seed);
    for (int y = 0; y < canvas.height; ++y) {
      const float below = static_cast<float>(y) + 0.5f - top;
      if (below < -1.0f) continue;
      const float v = (static_cast<float>(y) + 0.5f) / canvas.height;
      const float crest = std::clamp(1.06f - below / 200.0f, 0.88f, 1.06f);
      const float grain = 0.92f + 0.16f * PeriodicFractal(u, v, 32, 16, 3, seed + 7);
      canvas.Blend(x, y, Shade(color, crest * grain), Coverage(-below));
    }
  }
}

}  // namespace

Canvas Sky() {
  Canvas canvas(512, 512);
  for (int y = 0; y < canvas.height; ++y) {
    const float v = (static_cast<float>(y) + 0.5f) / canvas.height;
    uint32_t base = raster::Mix(SkyTop, SkyHorizon, std::pow(v, 1.4f));
    base = raster::Mix(base, HorizonGlow, std::clamp((v - 0.75f) * 2.5f, 0.0f, 0.6f));
    for (int x = 0; x < canvas.width; ++x) {
      const float u = (static_cast<float>(x) + 0.5f) / canvas.width;
      // Clouds drift high in the sky, greyer underneath, none down at the horizon.
      const float band = std::clamp(1.0f - std::abs(v - 0.35f) / 0.3f, 0.0f, 1.0f);
      const float cloud = PeriodicFractal(u, v, 5, 4, 5, 51) * std::sqrt(band);
      const float amount = std::clamp((cloud - 0.42f) * 7.0f, 0.0f, 1.0f);
      const float underside = PeriodicFractal(u, v - 0.04f, 5, 4, 5, 51) - cloud;
      const uint32_t cloudColor =
          raster::Mix(CloudColor, CloudShadow, std::clamp(0.3f + underside * 6.0f, 0.0f, 1.0f));
      canvas.At(x, y) = raster::Mix(base, cloudColor, amount * 0.92f);
    }
  }
  return canvas;
}

Canvas Hills() {
  Canvas canvas(1024, 512);
  std::fill(canvas.pixels.begin(), canvas.pixels.end(), FarRidge & 0x00FFFFFF);
  DrawRidge(canvas, 300.0f, 120.0f, FarRidge, 61);
  DrawRidge(canvas, 190.0f, 90.0f, NearRidge, 62);
  return canvas;
}

Canvas Trees() {
  Canvas canvas(1024, 512);
  std::fill(canvas.pixels.begin(), canvas.pixels.end(), CanopyColor & 0x00FFFFFF);
  const float spacing = static_cast<float>(canvas.width) / TreeCount;
  for (int tree = 0; tree < TreeCount; ++tree) {
    const float x = (static_cast<float>(tree) + 0.2f + 0.6f * Hash(tree, 0, 71)) * spacing;
    const float radius = 48.0f + 34.0f * Hash(tree, 1, 71);
    const float crown = 150.0f + 90.0f * Hash(tree, 2, 71);
    // The trunk, then the crown as clustered discs lit from the upper left.
    for (int y = static_cast<int>(crown); y < canvas.height; ++y) {
      for (int dx = -12; dx <= 12; ++dx) {
        const float d = std::abs(static_cast<float>(dx) + 0.5f) - 9.0f;
        canvas.Blend(static_cast<int>(x) + dx, y, TrunkColor, Coverage(d));
      }
    }
    for (int blob = 0; blob < 7; ++blob) {
      const float angle = TwoPi * Hash(tree, 10 + blob, 72);
      const float bx = x + 0.55f * radius * std::cos(angle);
      const float by = crown + 0.45f * radius * std::sin(angle);
      const float br = radius * (0.5f + 0.25f * Hash(tree, 20 + blob, 72));
      const int reach = static_cast<int>(br) + 2;
      for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
          const float px = static_cast<float>(dx) + 0.5f;
          const float py = static_cast<float>(dy) + 0.5f;
          const float d = raster::Length(px, py) - br;
          if (d > 1.0f) continue;
          const int tx = static_cast<int>(bx) + dx;
          const int ty = static_cast<int>(by) + dy;
          const float u = static_cast<float>(((tx % canvas.width) + canvas.width) % canvas.width) /
                          canvas.width;
          const float v = std::clamp(static_cast<float>(ty) / canvas.height, 0.0f, 1.0f);
          const float lit = 0.85f + 0.35f * std::clamp(-(px + py) / (2.0f * br), -0.5f, 1.0f);
          const float grain = 0.85f + 0.3f * PeriodicFractal(u, v, 64, 32, 2, 73);
          canvas.Blend(tx, ty, Shade(CanopyColor, lit * grain), Coverage(d));
        }
      }
    }
  }
  // Undergrowth closes the bottom, so the trees stand in a wood rather than on nothing.
  for (int x = 0; x < canvas.width; ++x) {
    const float u = (static_cast<float>(x) + 0.5f) / canvas.width;
    const float top = 350.0f - 50.0f * PeriodicFractal(u, 0.0f, 24, 1, 3, 74);
    for (int y = static_cast<int>(top); y < canvas.height; ++y) {
      const float v = (static_cast<float>(y) + 0.5f) / canvas.height;
      const float grain = 0.8f + 0.3f * PeriodicFractal(u, v, 48, 24, 3, 75);
      canvas.Blend(x, y, Shade(UndergrowthColor, grain), Coverage(top - static_cast<float>(y)));
    }
  }
  return canvas;
}

}  // namespace tiles
