#include "MenuPanels.h"

#include "MenuPainting.h"
#include "menus/MenuDialog.h"

using menu_paint::Point;

namespace {

// The speech box: parchment in a dark wooden frame with a thin gilt line inside it, so that
// the black text reads on it.
constexpr uint32_t FrameColor = 0xFF4A3422;
constexpr uint32_t GiltColor = 0xFFC9A24E;
constexpr uint32_t ParchmentTop = 0xFFF4E9CD;
constexpr uint32_t ParchmentBottom = 0xFFE2CFA2;
constexpr float BoxCorner = 16.0f;
constexpr float BoxFrame = 6.0f;
constexpr float GiltWidth = 1.5f;
// The name plate: a gilt bar with rounded ends in the same frame colour.
constexpr uint32_t PlateTop = 0xFFF0D590;
constexpr uint32_t PlateBottom = 0xFFCFA24C;
constexpr float PlateCorner = 9.0f;
constexpr float PlateFrame = 2.0f;
// Far enough to the right that a box reaching there looks open on that side.
constexpr float OpenSide = 10000.0f;
// Free texels beside a stretched middle column, repeated so that filtering blends in nothing else.
constexpr int MiddleSpread = 2;

int Width(const platform::PixelRect& cell) { return cell.right - cell.left; }
int Height(const platform::PixelRect& cell) { return cell.bottom - cell.top; }

// A piece stretched across the screen: rounded ends in the end cells (the left end's outer edge
// on its left, the right end's on its right) and one column of its middle between them.
void DrawStretchedPiece(GeneratedAtlas& atlas, const platform::PixelRect& left,
                        const platform::PixelRect& middle, const platform::PixelRect& right,
                        const menu_paint::Sampler& fromLeftEnd) {
  const auto end = static_cast<float>(Width(left));
  menu_paint::PaintCell(atlas, left, fromLeftEnd);
  menu_paint::PaintCell(atlas, right, [&](Point p) { return fromLeftEnd({end - p.x, p.y}); });
  menu_paint::PaintColumn(atlas, middle, MiddleSpread, [&](Point p) {
    return fromLeftEnd({end + p.x, p.y});
  });
}

// A framed piece that darkens from top to bottom, its distance measured from the left end.
menu_paint::Sampler FramedPiece(float height, float corner, float frame, uint32_t top, uint32_t bottom,
                           bool gilt) {
  return [=](Point p) -> uint32_t {
    const float d = menu_paint::BoxDistance(p, 0.5f, 0.5f, OpenSide, height - 0.5f, corner);
    if (d > 0.0f) return menu_paint::Transparent;
    if (d > -frame) return FrameColor;
    if (gilt && d > -frame - GiltWidth) return GiltColor;
    return raster::Mix(top, bottom, std::clamp(p.y / height, 0.0f, 1.0f));
  };
}

}  // namespace

void DrawMenuPanels(GeneratedAtlas& atlas) {
  DrawStretchedPiece(atlas, MenuDialog::BoxLeftCell, MenuDialog::BoxMiddleCell,
                     MenuDialog::BoxRightCell,
                     FramedPiece(static_cast<float>(Height(MenuDialog::BoxLeftCell)), BoxCorner,
                                 BoxFrame, ParchmentTop, ParchmentBottom, true));
  DrawStretchedPiece(atlas, MenuDialog::PlateLeftCell, MenuDialog::PlateMiddleCell,
                     MenuDialog::PlateRightCell,
                     FramedPiece(static_cast<float>(Height(MenuDialog::PlateLeftCell)), PlateCorner,
                                 PlateFrame, PlateTop, PlateBottom, false));
}
