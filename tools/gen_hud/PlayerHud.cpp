#include "PlayerHud.h"

#include <algorithm>

#include "player/PlayerHudCells.h"
#include "tools/Drawing.h"
#include "tools/PlayerLook.h"

using figures::Capsule;
using figures::Drawing;
using figures::Painted;
using figures::Point;
using figures::Polygon;

namespace {

constexpr uint32_t Parchment = 0xFFDCCDA6;
constexpr uint32_t Frame = 0xFF5A3E26;
constexpr uint32_t Trough = 0xFF1C1F26;
constexpr uint32_t PortraitSky = 0xFF3E5E80;
constexpr float Outline = 1.4f;

// Health and experience bar columns, top to bottom: a glossy edge, the bar's colour, a shadow.
constexpr uint32_t HealthLight = 0xFFA6E47A;
constexpr uint32_t HealthColor = 0xFF6BCC1D;
constexpr uint32_t HealthShadow = 0xFF3A7410;
constexpr uint32_t ExperienceLight = 0xFFF6DC80;
constexpr uint32_t ExperienceColor = 0xFFEEC829;
constexpr uint32_t ExperienceShadow = 0xFFA07E16;

Polygon Box(float left, float top, float right, float bottom, float rounding) {
  return Polygon{{{left + rounding, top + rounding},
                  {right - rounding, top + rounding},
                  {right - rounding, bottom - rounding},
                  {left + rounding, bottom - rounding}},
                 rounding};
}

Capsule Disc(Point center, float radius) { return {center, center, radius, radius}; }

// A light plate for the black level and health texts, a medallion under the stamina ring and
// dark troughs where the bars fill.
void DrawPanel(GeneratedAtlas& atlas) {
  const platform::PixelRect& cell = HudPanelCell;
  const float right = static_cast<float>(cell.right - cell.left) - 1.0f;
  const float bottom = static_cast<float>(cell.bottom - cell.top) - 1.0f;
  const float barLeft = right + 1.0f - HudBarRightInset - HudHealthBarWidth;
  // The bars' middles, as the player places them from the panel's bottom edge.
  const float healthMiddle = bottom + 1.0f - HudHealthBarHeight / 2.0f - HudHealthBarBottomInset;
  const float experienceMiddle =
      bottom + 1.0f - HudHealthBarHeight / 2.0f - HudExperienceBarBottomInset;
  Drawing d;
  d.Add(Box(HudRingX + 8.0f, 9.0f, right, bottom - 1.0f, 7.0f), Painted(Parchment, Outline));
  d.Add(Disc({HudRingX, HudRingY}, HudRingRadius - 0.5f), Painted(Frame, Outline));
  auto trough = [&](float middle, float height) {
    d.Add(Box(barLeft - 1.5f, middle - height / 2.0f - 1.5f, right - 1.0f,
              middle + height / 2.0f + 1.5f, 1.5f),
          figures::Paint{Trough, Frame, 1.0f, 1.0f, false});
  };
  trough(healthMiddle, HudHealthBarHeight);
  trough(experienceMiddle, HudExperienceBarHeight);
  figures::Render(d, atlas.image, cell);
}

// The adventurer's head and shoulders on a round backing, in the colours of the sheets.
void DrawPortrait(GeneratedAtlas& atlas) {
  const figures::Palette c = figures::PlayerStyle().palette;
  const platform::PixelRect& cell = HudPortraitCell;
  const float middle = static_cast<float>(cell.right - cell.left) / 2.0f;
  const Point head{middle + 1.0f, 25.0f};
  Drawing d;
  d.Add(Disc({middle, 29.0f}, middle - 1.5f), Painted(PortraitSky, Outline));
  d.Add(Capsule{{middle - 11.0f, 53.0f}, {middle + 11.0f, 53.0f}, 9.0f, 9.0f}, Painted(c.shirt, 1.2f));
  d.Add(Capsule{{middle - 3.0f, 50.0f}, {middle + 7.0f, 53.0f}, 6.0f, 6.5f}, Painted(c.vest, 1.2f));
  d.Add(Capsule{{middle + 1.0f, 34.0f}, {middle + 1.0f, 43.0f}, 5.0f, 5.5f}, Painted(c.skin, 1.2f));
  d.Add(Capsule{{middle - 7.0f, 42.0f}, {middle + 8.0f, 42.5f}, 4.5f, 4.2f}, Painted(c.accent, 1.2f));
  d.Add(Disc({head.x - 3.0f, head.y - 1.5f}, 13.6f), Painted(c.hair, 1.2f));
  d.Add(Disc(head, 13.0f), Painted(c.skin, 1.2f));
  d.Add(Disc({head.x - 7.0f, head.y + 1.0f}, 3.2f), Painted(c.skin, 1.0f));
  d.Add(Capsule{{head.x - 10.0f, head.y - 8.0f}, {head.x + 7.0f, head.y - 10.0f}, 4.4f, 3.4f},
        Painted(c.hair, 1.2f));
  d.Add(Disc({head.x + 12.5f, head.y + 1.5f}, 2.2f), Painted(c.skin, 1.0f));
  d.Add(Capsule{{head.x + 6.0f, head.y - 2.2f}, {head.x + 6.0f, head.y + 0.8f}, 1.5f, 1.5f},
        figures::Paint{c.eye, c.eye, 0.0f, 1.0f, false});
  d.Add(Capsule{{head.x + 3.5f, head.y - 5.5f}, {head.x + 8.5f, head.y - 6.0f}, 0.8f, 0.8f},
        figures::Paint{c.hair, c.hair, 0.0f, 1.0f, false});
  d.Add(Capsule{{head.x + 5.0f, head.y + 7.5f}, {head.x + 9.0f, head.y + 7.0f}, 0.7f, 0.7f},
        figures::Paint{figures::Scaled(c.skin, 0.55f), 0, 0.0f, 1.0f, false});
  figures::Render(d, atlas.image, cell);
}

// A column whose middle is the bar's colour, lighter above and darker below.
void DrawBarColumn(GeneratedAtlas& atlas, const platform::PixelRect& cell, uint32_t light,
                   uint32_t color, uint32_t shadow) {
  const int height = cell.bottom - cell.top;
  for (int y = 0; y < height; ++y) {
    const float t = height > 1 ? static_cast<float>(y) / static_cast<float>(height - 1) : 0.5f;
    const uint32_t pixel = t < 0.5f ? raster::Mix(light, color, t / 0.5f)
                                    : raster::Mix(color, shadow, (t - 0.5f) / 0.5f);
    // A column beside it on each side, so that filtering across the stretched column finds
    // its own colours.
    for (int x = cell.left - 1; x <= cell.right; ++x) atlas.At(x, cell.top + y) = pixel;
  }
}

}  // namespace

void DrawPlayerHud(GeneratedAtlas& atlas) {
  DrawPanel(atlas);
  DrawPortrait(atlas);
  DrawBarColumn(atlas, HealthBarIconCell, HealthLight, HealthColor, HealthShadow);
  DrawBarColumn(atlas, ExperienceBarIconCell, ExperienceLight, ExperienceColor, ExperienceShadow);
}
