// The 16 by 16 pictures: the check box and its tick, the kinds of a selection, the clear-texture
// button, the layer arrows and toggles, the centre of a boundary's side buttons, the frame of the background
// swatch, the texture swatch of a selection without texture, and plain markers (the property
// rows' captions among them) for the other cells.

#include <algorithm>

#include "engine/CheckBox.h"
#include "engine/EditorAtlas.h"
#include "tools/Raster.h"
#include "tools/gen_gui/Cells.h"
#include "tools/gen_gui/Pictures.h"

using namespace gui;
namespace Atlas = EditorAtlas;

namespace {

constexpr uint32_t BoxBorder = 0xFF3C3C46;
constexpr uint32_t BoxFace = 0xFFF2F2EE;
constexpr uint32_t BoxShade = 0xFFC8C8C8;
constexpr uint32_t TickColor = 0xFF1A7A28;
constexpr uint32_t Marker = 0xFF4A5870;
constexpr uint32_t CheckerLight = 0xFFF0F0F0;
constexpr uint32_t CheckerDark = 0xFFB4B4B4;
constexpr int Supersampling = 4;
constexpr float TickHalfWidth = 1.1f;

using raster::Point;

// The tick's two strokes, in cell pixels.
constexpr Point TickStart{3.5f, 8.0f};
constexpr Point TickCorner{6.5f, 11.5f};
constexpr Point TickEnd{12.5f, 3.5f};

// The fraction of the pixel that the tick's strokes cover.
float TickCoverage(int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < Supersampling; ++sy) {
    for (int sx = 0; sx < Supersampling; ++sx) {
      const Point p = raster::SamplePoint(x, y, sx, sy, Supersampling);
      const float d = std::min(raster::DistanceToSegment(p, TickStart, TickCorner),
                               raster::DistanceToSegment(p, TickCorner, TickEnd));
      if (d <= TickHalfWidth) ++inside;
    }
  }
  return static_cast<float>(inside) / (Supersampling * Supersampling);
}

// A 14 by 14 box inside the cell, its outer ring of pixels left clear so that filtering never
// reaches the neighbouring cells.
uint32_t BoxPixel(int x, int y, int size) {
  const int last = size - 1;
  if (x == 0 || y == 0 || x == last || y == last) return 0;
  if (x == 1 || y == 1 || x == last - 1 || y == last - 1) return BoxBorder;
  if (x == 2 || y == 2) return BoxShade;
  return BoxFace;
}

void DrawCheckBoxCell(platform::Image& atlas, const platform::PixelRect& cell, bool ticked) {
  const int size = cell.right - cell.left;
  for (int y = 0; y < cell.bottom - cell.top; ++y) {
    for (int x = 0; x < size; ++x) {
      uint32_t pixel = BoxPixel(x, y, size);
      if (ticked && pixel != 0) pixel = raster::Mix(pixel, TickColor, TickCoverage(x, y));
      atlas.pixels[static_cast<size_t>(cell.top + y) * atlas.width + cell.left + x] = pixel;
    }
  }
}

Drawing SmallDrawing(size_t cell) {
  Drawing drawing;
  switch (cell) {
    case Atlas::KindSprite:
      AddPicture(drawing, 2, 3, 14, 13);
      break;
    case Atlas::KindTexturedShape:
      AddCheckers(drawing, 3, 3, 13, 13, 2.5f, TileLight, TileDark);
      break;
    case Atlas::KindBoundary:
      drawing.Add(Stroke({{3.5f, 3.5f}, {12.5f, 3.5f}, {12.5f, 12.5f}, {3.5f, 12.5f}, {3.5f, 3.5f}},
                         1.2f, Flat(Solid, 0.5f)));
      break;
    case Atlas::ClearTexture:
    case Atlas::ClearTextureNone: {
      const bool live = cell == Atlas::ClearTexture;
      AddCheckers(drawing, 2, 2, 14, 14, 3, live ? TileLight : GreyedLight,
                  live ? TileDark : Greyed);
      drawing.Add(
          Part{{Line({3.5f, 3.5f}, {12.5f, 12.5f}, 1.1f), Line({3.5f, 12.5f}, {12.5f, 3.5f}, 1.1f)},
               Flat(live ? Warning : Greyed, 0.6f)});
      break;
    }
    case Atlas::LayerUp:
      drawing.Add(Polygon{{{8, 3.5f}, {13, 11.5f}, {3, 11.5f}}, 0.6f}, Flat(Marker, 0.8f));
      break;
    case Atlas::LayerDown:
      drawing.Add(Polygon{{{3, 4.5f}, {13, 4.5f}, {8, 12.5f}}, 0.6f}, Flat(Marker, 0.8f));
      break;
    case Atlas::LayerVisibleIcon:
      drawing.Add(Stroke(Arc({8, 14}, 8.5f, 220, 320, 8), 0.7f, Flat(Ink, 0.0f)));
      drawing.Add(Stroke(Arc({8, 2}, 8.5f, 40, 140, 8), 0.7f, Flat(Ink, 0.0f)));
      drawing.Add(Dot({8, 8}, 2.2f), Flat(Sky, 0.6f));
      break;
    case Atlas::LayerSelectableIcon:
      AddArrowPointer(drawing, {4.5f, 1.0f}, Paper);
      break;
    case Atlas::CollisionCentre:
      drawing.Add(Box(4, 4, 12, 12, 0.5f), Flat(Solid, 0.8f));
      drawing.Add(Dot({8, 8}, 1.4f), Flat(Ink, 0.0f));
      break;
    default:
      drawing.Add(Polygon{{{5.5f, 4}, {11.5f, 8}, {5.5f, 12}}, 0.6f}, Flat(Marker, 0.0f));
      break;
  }
  return drawing;
}

// What the texture swatch shows for a selection without a texture: grey tiles crossed out.
Drawing NoTextureDrawing() {
  Drawing drawing;
  AddCheckers(drawing, 2, 2, 62, 62, 7.5f, GreyedLight, CheckerDark);
  drawing.Add(Part{{Line({12, 12}, {52, 52}, 3.0f), Line({12, 52}, {52, 12}, 3.0f)},
                   Flat(Warning, 0.8f)});
  return drawing;
}

// Behind the background swatch: a checkerboard that shows how see-through the colour is.
Drawing SwatchFrameDrawing() {
  Drawing drawing;
  AddCheckers(drawing, 1, 1, 15, 15, 3.5f, CheckerLight, CheckerDark);
  return drawing;
}

}  // namespace

void DrawSmallPictures(platform::Image& atlas) {
  for (size_t cell = 0; cell < Atlas::Cells.size(); ++cell) {
    const platform::PixelRect& rect = Atlas::Cells[cell];
    const bool small = rect.right - rect.left == 16;
    if (!small || cell == Atlas::CheckBoxFrame || cell == Atlas::CheckMark) continue;
    figures::Render(SmallDrawing(cell), atlas, rect);
  }
  DrawCheckBoxCell(atlas, CheckBox::BoxCell, false);
  DrawCheckBoxCell(atlas, CheckBox::CheckCell, true);
  figures::Render(SwatchFrameDrawing(), atlas, Atlas::SwatchFrame);
  figures::Render(NoTextureDrawing(), atlas, Atlas::NoTextureSwatch);
}
