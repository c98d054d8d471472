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

// The rack's cell, drawn from 4 x 4 samples a pixel; every part has a dark rim this wide.
constexpr int RackLeft = 256;
constexpr int RackTop = 128;
constexpr int RackSide = 128;
constexpr int RackSamples = 4;
constexpr float RackRim = 1.5f;
constexpr uint32_t RackWood = 0xFFA8743F;
constexpr uint32_t RackDark = 0xFF3E2614;
constexpr uint32_t VestCloth = 0xFFC9A464;
constexpr uint32_t VestStitch = 0xFF7D5E30;
constexpr float VestX = 44.0f;
constexpr float QuiltSpacing = 10.0f;
constexpr uint32_t DaggerBlade = 0xFFC99250;
constexpr uint32_t DaggerEdge = 0xFFEBCB92;
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

using raster::Point;

bool InBox(Point p, float left, float top, float right, float bottom, float grow) {
  return p.x >= left - grow && p.x <= right + grow && p.y >= top - grow && p.y <= bottom + grow;
}

bool InCapsule(Point p, Point a, Point b, float radius, float grow) {
  return raster::DistanceToSegment(p, a, b) <= radius + grow;
}

// Two posts on feet and the bar across their tops.
bool InRackFrame(Point p, float grow) {
  return InBox(p, 12.0f, 16.0f, 20.0f, 127.0f, grow) ||
         InBox(p, 108.0f, 16.0f, 116.0f, 127.0f, grow) ||
         InBox(p, 4.0f, 120.0f, 28.0f, 127.0f, grow) ||
         InBox(p, 100.0f, 120.0f, 124.0f, 127.0f, grow) ||
         InCapsule(p, {8.0f, 18.5f}, {120.0f, 18.5f}, 4.5f, grow);
}

// A hanger hooked over the bar.
bool InHanger(Point p, float grow) {
  return InCapsule(p, {VestX - 17.0f, 31.0f}, {VestX, 25.0f}, 2.0f, grow) ||
         InCapsule(p, {VestX, 25.0f}, {VestX + 17.0f, 31.0f}, 2.0f, grow) ||
         InCapsule(p, {VestX, 25.0f}, {VestX, 11.0f}, 1.2f, grow) ||
         InCapsule(p, {VestX, 11.0f}, {VestX + 4.0f, 9.0f}, 1.2f, grow) ||
         InCapsule(p, {VestX + 4.0f, 9.0f}, {VestX + 7.0f, 12.0f}, 1.2f, grow);
}

// A sleeveless vest: shoulder straps over a body that widens to its hem, cut in a V at the neck.
bool InVest(Point p, float grow) {
  const float dx = std::abs(p.x - VestX);
  const float halfWidth = 19.0f + 3.0f * (p.y - 42.0f) / 54.0f;
  const bool body = dx <= halfWidth + grow && p.y >= 42.0f - grow && p.y <= 96.0f + grow;
  const bool strap = dx >= 9.0f - grow && dx <= 17.0f + grow && p.y >= 28.0f - grow && p.y <= 42.0f;
  const bool neck = p.y >= 42.0f && p.y <= 58.0f && dx < 9.0f * (58.0f - p.y) / 16.0f - grow;
  return (body || strap) && !neck;
}

uint32_t VestColor(Point p) {
  const float dx = p.x - VestX;
  const auto seam = [](float u) { return std::fmod(std::abs(u), QuiltSpacing) < 1.0f; };
  const bool opening = std::abs(dx) < 0.8f && p.y > 58.0f;
  const float lit = 1.08f - 0.2f * (dx + 22.0f) / 44.0f;
  return Shade(opening || seam(dx + p.y) || seam(dx - p.y) ? VestStitch : VestCloth, lit);
}

// The dagger hangs by a thong: pommel, wrapped grip, guard and a blade rounded at its tip.
bool InThong(Point p, float grow) {
  return InCapsule(p, {DaggerX, 12.0f}, {DaggerX, 30.0f}, 1.3f, grow);
}
bool InPommel(Point p, float grow) {
  return raster::Length(p.x - DaggerX, p.y - 33.0f) <= 4.0f + grow;
}
bool InGrip(Point p, float grow) {
  return InBox(p, DaggerX - 3.0f, 36.0f, DaggerX + 3.0f, 53.0f, grow);
}
bool InGuard(Point p, float grow) {
  return InCapsule(p, {DaggerX - 10.0f, 56.0f}, {DaggerX + 10.0f, 56.0f}, 3.0f, grow);
}
bool InBlade(Point p, float grow) {
  return InCapsule(p, {DaggerX, 60.0f}, {DaggerX, 102.0f}, 5.5f, grow);
}

uint32_t BladeColor(Point p) {
  const float dx = p.x - DaggerX;
  if (std::abs(dx) < 0.7f) return Shade(DaggerBlade, 0.8f);
  return dx < 0.0f ? raster::Mix(DaggerBlade, DaggerEdge, std::clamp(-dx / 5.5f, 0.0f, 1.0f))
                   : Shade(DaggerBlade, 0.9f);
}

// The front-most part at the point, rimmed in dark; nothing where no part is.
uint32_t RackSample(Point p) {
  struct Part {
    bool (*in)(Point, float);
    uint32_t (*color)(Point);
  };
  static const Part parts[] = {
      {InBlade, BladeColor},
      {InGuard, [](Point) { return DaggerBrass; }},
      {InGrip, [](Point at) { return static_cast<int>(at.y) % 4 == 0 ? RackDark : DaggerGrip; }},
      {InPommel, [](Point) { return DaggerBrass; }},
      {InThong, [](Point) { return DaggerGrip; }},
      {InVest, VestColor},
      {InHanger, [](Point) { return RackDark; }},
      {InRackFrame,
       [](Point at) {
         return Shade(RackWood, 0.9f + 0.2f * Hash(static_cast<int>(at.y) / 3, 0, 47));
       }},
  };
  for (const Part& part : parts) {
    if (!part.in(p, RackRim)) continue;
    return part.in(p, 0.0f) ? part.color(p) : RackDark;
  }
  return 0;
}

// A rack of practice gear: a wooden frame with a quilted vest and a blunted dagger hanging from
// its bar.
void DrawRack(Canvas& canvas) {
  for (int y = 0; y < RackSide; ++y) {
    for (int x = 0; x < RackSide; ++x) {
      const uint32_t pixel = raster::Supersample(x, y, RackSamples, RackSample);
      canvas.Blend(RackLeft + x, RackTop + y, pixel | 0xFF000000u,
                   raster::Channel(pixel, 24) / 255.0f);
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
  DrawRack(canvas);
  return canvas;
}

}  // namespace tiles
