#include "Materials.h"

#include <algorithm>
#include <cmath>

#include "tools/Raster.h"

namespace tiles {

namespace {

// Grass over earth: tufts against the open sky, a band of turf, then soil that darkens and
// grows stonier with depth.
constexpr int TurfTop = 44;
constexpr int TurfDepth = 30;
constexpr int BladeReach = 36;
constexpr uint32_t TurfColor = 0xFF4E8F32;
constexpr uint32_t BladeColor = 0xFF5FA83A;
constexpr uint32_t SoilColor = 0xFF7A5536;
constexpr uint32_t DeepSoilColor = 0xFF4F3524;
constexpr uint32_t PebbleColor = 0xFF8E8577;
constexpr int PebbleCount = 70;
constexpr int BladeCount = 260;

// Stone blocks in a running bond.
constexpr int BlockHeight = 64;
constexpr int BlockWidth = 128;
constexpr int MortarWidth = 4;
constexpr uint32_t StoneColor = 0xFF8C8A84;
constexpr uint32_t MortarColor = 0xFF4C4842;
constexpr float BevelWidth = 7.0f;

// Planks laid across, each row with its joint in its own place.
constexpr int PlankHeight = 32;
constexpr int GapWidth = 2;
constexpr uint32_t WoodColor = 0xFFA8743F;
constexpr uint32_t GapColor = 0xFF3E2614;
constexpr uint32_t NailColor = 0xFF3A3A3E;

// Bark: ridges running up the trunk with dark furrows between them.
constexpr uint32_t BarkColor = 0xFF6A4A33;
constexpr uint32_t FurrowColor = 0xFF2F2018;

// Foliage: overlapping leaves on a dark ground.
constexpr int LeafCount = 420;
constexpr uint32_t FoliageGround = 0xFF1F4A22;

float U(const Canvas& canvas, int x) { return (static_cast<float>(x) + 0.5f) / canvas.width; }
float V(const Canvas& canvas, int y) { return (static_cast<float>(y) + 0.5f) / canvas.height; }

}  // namespace

Canvas GrassEarth() {
  Canvas canvas(256, 512);
  std::fill(canvas.pixels.begin(), canvas.pixels.end(), BladeColor & 0x00FFFFFF);
  const float soilRows = static_cast<float>(canvas.height - TurfTop);
  for (int x = 0; x < canvas.width; ++x) {
    const float u = U(canvas, x);
    // The turf's lower edge wanders along the strip.
    const float turfBottom = TurfTop + TurfDepth + 8.0f * (PeriodicNoise(u, 0.0f, 8, 1, 11) - 0.5f);
    for (int y = TurfTop; y < canvas.height; ++y) {
      const float v = V(canvas, y);
      const float grain = PeriodicFractal(u, v, 16, 32, 4, 13);
      uint32_t color = 0;
      if (y < turfBottom) {
        const float streak = 0.5f + 0.5f * std::sin(TwoPi * 48.0f * u + 6.0f * grain);
        color = Shade(TurfColor, 0.82f + 0.25f * streak + 0.2f * (grain - 0.5f));
      } else {
        const float depth = (static_cast<float>(y) - turfBottom) / soilRows;
        color = raster::Mix(SoilColor, DeepSoilColor, std::clamp(depth * 1.3f, 0.0f, 1.0f));
        // The roots shade the soil right under the turf.
        const float underTurf =
            std::clamp((static_cast<float>(y) - turfBottom) / 10.0f, 0.0f, 1.0f);
        color = Shade(color, (0.7f + 0.3f * underTurf) * (0.85f + 0.3f * grain));
      }
      canvas.At(x, y) = color;
    }
  }
  // Pebbles in the soil, lit from above.
  for (int pebble = 0; pebble < PebbleCount; ++pebble) {
    const float cx = Hash(pebble, 0, 14) * canvas.width;
    const float cy = TurfTop + TurfDepth + 12.0f + Hash(pebble, 1, 14) * (soilRows - 30.0f);
    const float rx = 3.0f + 5.0f * Hash(pebble, 2, 14);
    const float ry = rx * (0.55f + 0.3f * Hash(pebble, 3, 14));
    const uint32_t stone = Shade(PebbleColor, 0.75f + 0.35f * Hash(pebble, 4, 14));
    for (int dy = -static_cast<int>(ry) - 2; dy <= static_cast<int>(ry) + 2; ++dy) {
      for (int dx = -static_cast<int>(rx) - 2; dx <= static_cast<int>(rx) + 2; ++dx) {
        const float px = static_cast<float>(dx) + 0.5f;
        const float py = static_cast<float>(dy) + 0.5f;
        const float inside = 1.0f - (px * px) / (rx * rx) - (py * py) / (ry * ry);
        if (inside <= 0.0f) continue;
        const float lit = 1.0f - 0.35f * py / ry;
        canvas.Blend(static_cast<int>(cx) + dx, static_cast<int>(cy) + dy, Shade(stone, lit),
                     std::min(inside * 4.0f, 1.0f));
      }
    }
  }
  // Blades rise from the turf into the open air, leaning a little either way.
  for (int blade = 0; blade < BladeCount; ++blade) {
    const float root = Hash(blade, 0, 12) * canvas.width;
    const float height = BladeReach * (0.35f + 0.65f * Hash(blade, 1, 12));
    const float lean = (Hash(blade, 2, 12) - 0.5f) * 0.5f * height;
    const float lit = 0.8f + 0.45f * Hash(blade, 3, 12);
    const float baseY = static_cast<float>(TurfTop) + 4.0f;
    for (int y = static_cast<int>(baseY - height); y < static_cast<int>(baseY); ++y) {
      const float along = (baseY - static_cast<float>(y)) / height;
      const float center = root + lean * along * along;
      const float halfWidth = 1.8f * (1.0f - along) + 0.3f;
      for (int dx = -3; dx <= 3; ++dx) {
        const float px = std::floor(center) + static_cast<float>(dx) + 0.5f - center;
        const float cover = std::clamp(halfWidth + 0.5f - std::abs(px), 0.0f, 1.0f);
        canvas.Blend(static_cast<int>(std::floor(center)) + dx, y,
                     Shade(BladeColor, lit * (0.85f + 0.3f * along)), cover);
      }
    }
  }
  return canvas;
}

Canvas StoneBlocks() {
  Canvas canvas(256, 256);
  for (int y = 0; y < canvas.height; ++y) {
    const int row = y / BlockHeight;
    const int offset = (row % 2) * (BlockWidth / 2);
    for (int x = 0; x < canvas.width; ++x) {
      const int shifted = (x + offset) % canvas.width;
      const int column = shifted / BlockWidth;
      const float inX = static_cast<float>(shifted % BlockWidth);
      const float inY = static_cast<float>(y % BlockHeight);
      const float grain = PeriodicFractal(U(canvas, x), V(canvas, y), 16, 16, 4, 21);
      const float toEdge = std::min({inX, inY, BlockWidth - 1 - inX, BlockHeight - 1 - inY});
      if (toEdge < MortarWidth / 2.0f) {
        canvas.At(x, y) = Shade(MortarColor, 0.85f + 0.3f * grain);
        continue;
      }
      // Each block its own tone; light from the upper left along the bevel.
      const float tone = 0.82f + 0.3f * Hash(column, row, 22);
      float light = 1.0f;
      const float fromTopLeft = std::min(inX, inY) - MortarWidth / 2.0f;
      const float fromBottomRight =
          std::min(BlockWidth - 1 - inX, BlockHeight - 1 - inY) - MortarWidth / 2.0f;
      if (fromTopLeft < BevelWidth) light += 0.25f * (1.0f - fromTopLeft / BevelWidth);
      if (fromBottomRight < BevelWidth) light -= 0.3f * (1.0f - fromBottomRight / BevelWidth);
      canvas.At(x, y) = Shade(StoneColor, tone * light * (0.8f + 0.4f * grain));
    }
  }
  return canvas;
}

Canvas Planks() {
  Canvas canvas(256, 256);
  for (int y = 0; y < canvas.height; ++y) {
    const int row = y / PlankHeight;
    const int inRow = y % PlankHeight;
    const int joint = static_cast<int>(Hash(row, 0, 31) * canvas.width);
    for (int x = 0; x < canvas.width; ++x) {
      const float u = U(canvas, x);
      const float v = V(canvas, y);
      if (inRow < GapWidth || std::abs(x - joint) < GapWidth / 2 + 1) {
        canvas.At(x, y) = GapColor;
        continue;
      }
      const float warp = PeriodicFractal(u, v, 4, 8, 3, 32 + row);
      const float grain =
          0.5f + 0.5f * std::sin(TwoPi * (3.0f * v * 8.0f + 2.5f * warp) + TwoPi * 2.0f * u);
      const float tone = 0.85f + 0.25f * Hash(row, 1, 33);
      // The top of each plank catches the light, its lower edge falls into shadow.
      const float edge = inRow < GapWidth + 3 ? 1.12f : (inRow > PlankHeight - 4 ? 0.8f : 1.0f);
      uint32_t color = Shade(WoodColor, tone * edge * (0.82f + 0.22f * grain));
      const int nailX = (joint + 9) % canvas.width;
      const float nail = raster::Length(static_cast<float>(x - nailX), inRow - PlankHeight / 2.0f);
      if (nail < 2.5f) color = NailColor;
      canvas.At(x, y) = color;
    }
  }
  return canvas;
}

Canvas Bark() {
  Canvas canvas(64, 256);
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      const float u = U(canvas, x);
      const float v = V(canvas, y);
      // Stretched along the trunk: many cells across, few down.
      const float ridge = PeriodicFractal(u, v, 8, 2, 4, 81);
      const float furrow = std::clamp((0.42f - ridge) * 8.0f, 0.0f, 1.0f);
      const float grain = 0.85f + 0.3f * PeriodicFractal(u, v, 16, 16, 3, 82);
      canvas.At(x, y) =
          raster::Mix(Shade(BarkColor, grain * (0.8f + 0.5f * ridge)), FurrowColor, furrow);
    }
  }
  return canvas;
}

void DrawLeaf(Canvas& canvas, float cx, float cy, float angle, float length, float breadth,
              uint32_t color) {
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  const int reach = static_cast<int>(length) + 2;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const float px = static_cast<float>(dx) + 0.5f - (cx - std::floor(cx));
      const float py = static_cast<float>(dy) + 0.5f - (cy - std::floor(cy));
      const float along = px * c + py * s;
      const float across = -px * s + py * c;
      const float inside =
          1.0f - (along * along) / (length * length) - (across * across) / (breadth * breadth);
      if (inside <= 0.0f) continue;
      // Darker along the midrib, lighter towards the tip that faces up.
      const float midrib = std::abs(across) < 0.8f ? 0.8f : 1.0f;
      const float toward = 0.9f + 0.2f * along / length;
      const int tx = static_cast<int>(std::floor(cx)) + dx;
      const int ty =
          ((static_cast<int>(std::floor(cy)) + dy) % canvas.height + canvas.height) % canvas.height;
      canvas.Blend(tx, ty, Shade(color, midrib * toward), std::min(inside * 6.0f, 1.0f));
    }
  }
}

uint32_t LeafGreen(int leaf, uint32_t seed) {
  return Rgb(52 + static_cast<int>(40 * Hash(leaf, 5, seed)),
             110 + static_cast<int>(50 * Hash(leaf, 6, seed)), 40);
}

Canvas Leaves() {
  Canvas canvas(256, 256);
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      canvas.At(x, y) =
          Shade(FoliageGround, 0.8f + 0.4f * PeriodicNoise(U(canvas, x), V(canvas, y), 8, 8, 41));
    }
  }
  // Later leaves lie on top and are lit more.
  for (int leaf = 0; leaf < LeafCount; ++leaf) {
    const float lit = 0.6f + 0.7f * static_cast<float>(leaf) / LeafCount;
    DrawLeaf(canvas, Hash(leaf, 0, 42) * canvas.width, Hash(leaf, 1, 42) * canvas.height,
             Hash(leaf, 2, 42) * TwoPi, 9.0f + 6.0f * Hash(leaf, 3, 42),
             4.0f + 2.0f * Hash(leaf, 4, 42), Shade(LeafGreen(leaf, 42), lit));
  }
  return canvas;
}

}  // namespace tiles
