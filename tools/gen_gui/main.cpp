// Draws the check box cells of the editor's interface atlas: an empty box and a ticked box,
// at the cells the check box cuts. Other cells of the atlas are kept as they are; the file
// is written only when missing or when these cells differ.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "engine/CheckBox.h"
#include "tools/Raster.h"
#include "tools/SharedAtlas.h"

namespace {

constexpr int AtlasSize = 512;
constexpr uint32_t BorderColor = 0xFF3C3C46;
constexpr uint32_t FaceColor = 0xFFF2F2EE;
constexpr uint32_t ShadeColor = 0xFFC8C8C8;
constexpr uint32_t TickColor = 0xFF1A7A28;
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
  if (x == 1 || y == 1 || x == last - 1 || y == last - 1) return BorderColor;
  if (x == 2 || y == 2) return ShadeColor;
  return FaceColor;
}

void DrawCell(SharedAtlas& atlas, const platform::PixelRect& cell, bool ticked) {
  const int size = cell.right - cell.left;
  for (int y = 0; y < cell.bottom - cell.top; ++y) {
    for (int x = 0; x < size; ++x) {
      uint32_t pixel = BoxPixel(x, y, size);
      if (ticked && pixel != 0) pixel = raster::Mix(pixel, TickColor, TickCoverage(x, y));
      atlas.At(cell.left + x, cell.top + y) = pixel;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_gui CONTENT_FOLDER\n");
    return 1;
  }
  SharedAtlas atlas(std::filesystem::path(argv[1]) / "Textures" / "HUD" / "GUI_v315.png",
                    AtlasSize);
  DrawCell(atlas, CheckBox::BoxCell, false);
  DrawCell(atlas, CheckBox::CheckCell, true);
  return atlas.Save("gen_gui") ? 0 : 1;
}
