// Draws the cells of the interface atlas that the map triggers cut (the speech bubble that
// hangs over a conversation or a shop, on which the action key's name is written in black),
// the player's interface corner, the pause menu, the shop and the item pictures both share,
// the dialogue screen's pieces and the title picture. Every other cell of the atlas is kept as
// it is.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "ItemIcons.h"
#include "MenuPanels.h"
#include "PauseMenu.h"
#include "PlayerHud.h"
#include "ShopMenu.h"
#include "TitleArt.h"
#include "tools/Raster.h"
#include "tools/GeneratedAtlas.h"
#include "triggers/ConversationShape.h"

namespace {

constexpr int AtlasSize = 1024;
constexpr int Supersampling = 4;

constexpr uint32_t OutlineColor = 0xFF2B2D3A;
constexpr uint32_t FaceColor = 0xFFFAF6EC;
constexpr uint32_t ShadeColor = 0xFFE4DCCB;
constexpr float OutlineWidth = 2.5f;
// The face darkens a little from its middle down to the tail, so the bubble reads as raised.
constexpr float ShadeTop = 30.0f;
constexpr float ShadeBottom = 62.0f;

using raster::DistanceToSegment;
using raster::Length;
using raster::Mix;
using raster::Point;

// The bubble in cell pixels: a rounded body and a tail pointing down at the speaker. A ring
// of one pixel stays clear, so that filtering never reaches the neighbouring cells.
constexpr Point BodyCenter{30.0f, 29.0f};
constexpr Point BodyHalfSize{27.0f, 26.0f};
constexpr float CornerRadius = 13.0f;
constexpr Point TailLeft{22.0f, 50.0f};
constexpr Point TailRight{38.0f, 50.0f};
constexpr Point TailTip{30.0f, 68.0f};

// Signed distance to the rounded body: negative inside.
float BodyDistance(Point p) {
  const float qx = std::fabs(p.x - BodyCenter.x) - (BodyHalfSize.x - CornerRadius);
  const float qy = std::fabs(p.y - BodyCenter.y) - (BodyHalfSize.y - CornerRadius);
  const float outside = Length(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - CornerRadius;
}

// Which side of the line a to b the point lies on.
float Side(Point p, Point a, Point b) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

float TailDistance(Point p) {
  const float d =
      std::min({DistanceToSegment(p, TailLeft, TailRight), DistanceToSegment(p, TailRight, TailTip),
                DistanceToSegment(p, TailTip, TailLeft)});
  const float s1 = Side(p, TailLeft, TailRight);
  const float s2 = Side(p, TailRight, TailTip);
  const float s3 = Side(p, TailTip, TailLeft);
  const bool inside = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  return inside ? -d : d;
}

// The colour of one sample inside the bubble.
uint32_t SampleColor(Point p, float distance) {
  if (distance > -OutlineWidth) return OutlineColor;
  return Mix(FaceColor, ShadeColor,
             std::clamp((p.y - ShadeTop) / (ShadeBottom - ShadeTop), 0.0f, 1.0f));
}

// Supersampled: alpha is the covered share, colour the mean of the covered samples.
uint32_t BubblePixel(int x, int y) {
  return raster::Supersample(x, y, Supersampling, [](Point p) -> uint32_t {
    const float distance = std::min(BodyDistance(p), TailDistance(p));
    return distance > 0.0f ? 0u : SampleColor(p, distance);
  });
}

void DrawIndicator(GeneratedAtlas& atlas, const platform::PixelRect& cell) {
  for (int y = 0; y < cell.bottom - cell.top; ++y) {
    for (int x = 0; x < cell.right - cell.left; ++x) {
      atlas.At(cell.left + x, cell.top + y) = BubblePixel(x, y);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_hud CONTENT_FOLDER\n");
    return 1;
  }
  GeneratedAtlas atlas(std::filesystem::path(argv[1]) / "Textures" / "HUD" / "menuatlas2.png",
                    AtlasSize);
  DrawIndicator(atlas, ConversationShape::IndicatorCell);
  DrawPlayerHud(atlas);
  DrawPauseMenu(atlas);
  DrawShopMenu(atlas);
  DrawItemIcons(atlas);
  DrawMenuPanels(atlas);
  DrawTitleArt(atlas);
  return atlas.Save("gen_hud") ? 0 : 1;
}
