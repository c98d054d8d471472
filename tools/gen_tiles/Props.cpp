#include <algorithm>
#include <cmath>

#include "Materials.h"
#include "tools/Raster.h"

namespace tiles {

namespace {

constexpr int BushLeaves = 1100;
constexpr uint32_t BushShade = 0xFF1E4420;
constexpr float BushCenter = 128.0f;
// Leaf centres stay this far inside the cell, so no leaf reaches a neighbour.
constexpr float BushRadius = 104.0f;

constexpr float CrystalX = 320.0f;
constexpr float CrystalY = 64.0f;
constexpr uint32_t CrystalLight = 0xFFB6F2FF;
constexpr uint32_t CrystalDeep = 0xFF2E8DBE;

constexpr float GateX = 448.0f;
constexpr float GateY = 128.0f;
constexpr uint32_t GateColor = 0xFFB58CF0;
constexpr uint32_t GateCore = 0xFFF1E6FD;

// Leaves heaped into a round crown, the lower ones in shade.
void DrawBush(Canvas& canvas) {
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const float d = raster::Length(static_cast<float>(x) + 0.5f - BushCenter,
                                     static_cast<float>(y) + 0.5f - BushCenter);
      canvas.Blend(x, y, BushShade, std::clamp(BushRadius + 4.0f - d, 0.0f, 1.0f));
    }
  }
  for (int leaf = 0; leaf < BushLeaves; ++leaf) {
    const float angle = TwoPi * Hash(leaf, 0, 91);
    const float distance = BushRadius * std::sqrt(Hash(leaf, 1, 91));
    const float cx = BushCenter + distance * std::cos(angle);
    const float cy = BushCenter + distance * std::sin(angle);
    const float height = (BushCenter - cy) / BushRadius;
    const float lit =
        (0.55f + 0.5f * static_cast<float>(leaf) / BushLeaves) * (0.85f + 0.25f * height);
    DrawLeaf(canvas, cx, cy, TwoPi * Hash(leaf, 2, 91), 10.0f + 7.0f * Hash(leaf, 3, 91),
             4.5f + 2.5f * Hash(leaf, 4, 91), Shade(LeafGreen(leaf, 91), lit));
  }
}

// A six-sided gem in a soft halo.
void DrawCrystal(Canvas& canvas) {
  for (int y = 0; y < 128; ++y) {
    for (int x = 256; x < 384; ++x) {
      const float dx = static_cast<float>(x) + 0.5f - CrystalX;
      const float dy = static_cast<float>(y) + 0.5f - CrystalY;
      const float halo = std::clamp(1.0f - raster::Length(dx, dy) / 62.0f, 0.0f, 1.0f);
      canvas.Blend(x, y, CrystalLight, 0.5f * halo * halo);
      // The gem: |dx| / 18 + |dy| / 40 <= 1, split into a lit and a shaded face.
      const float gem = std::abs(dx) / 18.0f + std::abs(dy) / 40.0f;
      if (gem > 1.0f) continue;
      const float face = dx < 0.0f ? 1.0f : 0.7f;
      const uint32_t color = raster::Mix(CrystalLight, CrystalDeep, std::clamp(gem, 0.0f, 1.0f));
      canvas.Blend(x, y, Shade(color, face), std::clamp((1.0f - gem) * 18.0f, 0.0f, 1.0f));
    }
  }
}

// The light that fills a gate: an oval brightening to its middle, streaked in a slow swirl.
void DrawGate(Canvas& canvas) {
  for (int y = 0; y < 256; ++y) {
    for (int x = 384; x < 512; ++x) {
      const float dx = (static_cast<float>(x) + 0.5f - GateX) / 60.0f;
      const float dy = (static_cast<float>(y) + 0.5f - GateY) / 124.0f;
      const float r = std::sqrt(dx * dx + dy * dy);
      if (r >= 1.0f) continue;
      const float swirl = 0.5f + 0.5f * std::sin(TwoPi * (3.0f * r + std::atan2(dy, dx) / TwoPi));
      const uint32_t color = raster::Mix(GateColor, GateCore, (1.0f - r) * (0.6f + 0.4f * swirl));
      canvas.Blend(x, y, color, std::clamp((1.0f - r) * 4.0f, 0.0f, 0.85f));
    }
  }
}

}  // namespace

Canvas Props() {
  Canvas canvas(512, 256);
  std::fill(canvas.pixels.begin(), canvas.pixels.end(), LeafGreen(0, 91) & 0x00FFFFFF);
  DrawBush(canvas);
  DrawCrystal(canvas);
  DrawGate(canvas);
  return canvas;
}

}  // namespace tiles
