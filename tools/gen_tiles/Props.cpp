#include <algorithm>
#include <cmath>

#include "Materials.h"
#include "tools/Drawing.h"
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

// The rack's cell, painted by the figure painter; every part has a dark rim this wide.
constexpr int RackLeft = 256;
constexpr int RackTop = 128;
constexpr int RackSide = 128;
constexpr float RackRim = 1.5f;
constexpr uint32_t RackWood = 0xFFA8743F;
constexpr uint32_t RackDark = 0xFF3E2614;
constexpr uint32_t VestCloth = 0xFFC9A464;
constexpr uint32_t VestStitch = 0xFF7D5E30;
constexpr float VestX = 44.0f;
// The quilting's rows across the vest, this far apart from its waist down.
constexpr float QuiltTop = 66.0f;
constexpr float QuiltSpacing = 10.0f;
constexpr uint32_t DaggerBlade = 0xFFC99250;
constexpr uint32_t DaggerGrip = 0xFF4E301C;
constexpr uint32_t DaggerBrass = 0xFF9C7A3C;
constexpr float DaggerX = 88.0f;

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

// A rack of practice gear: a wooden frame with a quilted vest on a hanger and a blunted dagger
// hanging from its bar.
void DrawRack(Canvas& canvas) {
  using figures::Capsule;
  using figures::Polygon;
  const figures::Paint wood = figures::Painted(RackWood, RackRim);
  const figures::Paint dark{RackDark, RackDark, 0.0f, 1.0f, false};
  const figures::Paint stitch{VestStitch, VestStitch, 0.0f, 1.0f, false};
  const auto box = [](float left, float top, float right, float bottom) {
    return Polygon{{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
  };
  figures::Drawing d;
  // Two posts on feet, and the bar across their tops.
  for (const float post : {16.0f, 112.0f}) {
    d.Add(figures::Part{
        {box(post - 5.5f, 15, post + 5.5f, 126), box(post - 13, 119, post + 13, 126)}, wood});
  }
  d.Add(Capsule{{8, 18.5f}, {120, 18.5f}, 6, 6}, wood);
  // The hanger hooked over the bar.
  d.Add(figures::Part{
      {Capsule{{VestX - 17, 31}, {VestX, 25}, 3, 3}, Capsule{{VestX, 25}, {VestX + 17, 31}, 3, 3},
       Capsule{{VestX, 25}, {VestX, 11}, 2, 2}, Capsule{{VestX, 11}, {VestX + 4, 9}, 2, 2},
       Capsule{{VestX + 4, 9}, {VestX + 7, 12}, 2, 2}},
      dark});
  // A sleeveless vest: shoulder straps over a body that widens to its hem, cut in a V at the
  // neck, quilted in rows and open down the front.
  d.Add(Polygon{{{VestX - 18.5f, 26.5f},
                 {VestX - 7.5f, 26.5f},
                 {VestX - 7.5f, 42},
                 {VestX, 56},
                 {VestX + 7.5f, 42},
                 {VestX + 7.5f, 26.5f},
                 {VestX + 18.5f, 26.5f},
                 {VestX + 20.5f, 42},
                 {VestX + 23.5f, 97.5f},
                 {VestX - 23.5f, 97.5f},
                 {VestX - 20.5f, 42}},
                1.5f},
        figures::Painted(VestCloth, RackRim));
  for (float y = QuiltTop; y < 96; y += QuiltSpacing) {
    // Inside the sides, which widen from 20.5 at the waist to 23.5 at the hem.
    const float half = 20.5f + 3 * (y - 42) / 55.5f - 3;
    d.Add(Capsule{{VestX - half, y}, {VestX + half, y}, 0.6f, 0.6f}, stitch);
  }
  d.Add(Capsule{{VestX, 56}, {VestX, 96}, 0.6f, 0.6f}, stitch);
  // The dagger hangs by a thong: pommel, wrapped grip, guard and a blade rounded at its tip.
  d.Add(Capsule{{DaggerX, 12}, {DaggerX, 30}, 2.5f, 2.5f}, figures::Painted(DaggerGrip, RackRim));
  d.Add(Capsule{{DaggerX, 60}, {DaggerX, 102}, 7, 7}, figures::Painted(DaggerBlade, RackRim));
  d.Add(Capsule{{DaggerX - 11, 56}, {DaggerX + 11, 56}, 4.5f, 4.5f},
        figures::Painted(DaggerBrass, RackRim));
  d.Add(box(DaggerX - 4.5f, 35, DaggerX + 4.5f, 54), figures::Painted(DaggerGrip, RackRim));
  d.Add(Capsule{{DaggerX, 33}, {DaggerX, 33}, 5.5f, 5.5f}, figures::Painted(DaggerBrass, RackRim));

  platform::Image cell{RackSide, RackSide, std::vector<uint32_t>(RackSide * RackSide, 0)};
  figures::Render(d, cell, {0, 0, RackSide, RackSide});
  for (int y = 0; y < RackSide; ++y) {
    for (int x = 0; x < RackSide; ++x) canvas.At(RackLeft + x, RackTop + y) = cell.Pixel(x, y);
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
  DrawRack(canvas);
  return canvas;
}

}  // namespace tiles
