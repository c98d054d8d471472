// Draws the bitmap font atlases: each glyph of codes 32 to 126 rendered white from a free
// TrueType face into the cell the game cuts for it, centred where the game draws it, widened or
// narrowed so that its ink fills its advance less the font's margin (so neighbouring letters
// stand evenly apart, whatever their advances), all glyphs of a font on one baseline. A file is
// written only when missing or different.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GlyphFit.h"
#include "GlyphRaster.h"
#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Image.h"

namespace {

constexpr uint32_t WhiteRgb = 0x00FFFFFF;
// Kept free above and below the line so that filtering never reaches the next row of cells.
constexpr int CellPadding = 1;

const std::string DejaVuFolder = "/usr/share/fonts/truetype/dejavu/";
const std::string LiberationFolder = "/usr/share/fonts/truetype/liberation/";

struct FontJob {
  const FontLayout* layout;
  std::vector<std::string> faces;  // the first that opens is used
  // Letters the face would have to widen past reading (a plain I in a wide advance) come from
  // the first of these that opens (serifs).
  std::vector<std::string> wideFaces;
  // Advance less ink: with the font's spacing, the gap between neighbouring letters.
  int margin;
  // No ink narrower, so that thin letters survive being drawn small.
  int thinnest;
};

struct AtlasJob {
  std::vector<FontJob> fonts;
};

// Each font's margin is about the side bearings of its face at its size; its thinnest ink is
// about one stroke.
constexpr int WrittenMargin = 1;
constexpr int WrittenThinnest = 3;
constexpr int LargeArcMargin = 1;
constexpr int LargeArcThinnest = 5;
constexpr int SmallArcMargin = 1;
constexpr int SmallArcThinnest = 2;

void PutCoverage(platform::Image& atlas, int x, int y, unsigned char coverage) {
  if (coverage == 0 || x < 0 || y < 0 || x >= atlas.width || y >= atlas.height) return;
  atlas.pixels[static_cast<size_t>(y) * atlas.width + x] =
      static_cast<uint32_t>(coverage) << 24 | WhiteRgb;
}

bool DrawFont(platform::Image& atlas, const FontJob& job) {
  const FontLayout& layout = *job.layout;
  auto raster = GlyphRaster::Open(job.faces, layout.cell - 2 * CellPadding);
  if (!raster) {
    std::fprintf(stderr, "gen_fonts: no usable face for %s\n", layout.atlasPath);
    return false;
  }
  // The ink of all glyphs, centred in the cell: one baseline for the whole font.
  const int inkHeight = raster->inkBottom() - raster->inkTop();
  const int lineTop = (layout.cell - inkHeight) / 2 - raster->inkTop();
  const int center = RoundToInt(static_cast<float>(layout.cell) / 2);
  for (int i = 0; i < GlyphCount; ++i) {
    const char code = static_cast<char>(FirstGlyphCode + i);
    const int advance = static_cast<int>(layout.advances[static_cast<size_t>(i)]);
    const FittedGlyph glyph = FitGlyph(*raster, job.wideFaces, code,
                                       std::max(advance - job.margin, job.thinnest));
    const platform::PixelRect cell = layout.CellOf(i);
    const int top = cell.top + lineTop + glyph.rowShift;
    int x = cell.left + center - RoundToInt(static_cast<float>(glyph.Width()) / 2);
    for (size_t column = 0; column < glyph.copies.size(); ++column) {
      for (int copy = 0; copy < glyph.copies[column]; ++copy, ++x) {
        if (x < cell.left || x >= cell.right) continue;
        for (int y = glyph.top; y < glyph.bottom; ++y) {
          if (top + y >= cell.top && top + y < cell.bottom)
            PutCoverage(atlas, x, top + y, glyph.mask.At(static_cast<int>(column), y));
        }
      }
    }
  }
  return true;
}

// "Content\Textures\Fonts\x.png" under the given Content folder.
std::filesystem::path OutputPath(const std::filesystem::path& content, const std::string& stored) {
  std::string relative = stored.substr(stored.find('\\') + 1);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return content / relative;
}

bool WriteIfChanged(const platform::Image& atlas, const std::filesystem::path& path) {
  // Read back as the game reads it; the key colour never occurs in a white atlas.
  if (std::optional<platform::Image> existing =
          platform::LoadImageFile(path.string(), 0, 0, TextureColorKey)) {
    if (existing->width == atlas.width && existing->height == atlas.height &&
        existing->pixels == atlas.pixels) {
      return true;
    }
  }
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (!platform::SaveImagePng(atlas, path.string())) {
    std::fprintf(stderr, "gen_fonts: cannot write %s\n", path.string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_fonts CONTENT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path content = argv[1];
  const std::vector<AtlasJob> atlases = {
      {{{&FontWrittenLayout,
         {LiberationFolder + "LiberationSansNarrow-Italic.ttf",
          DejaVuFolder + "DejaVuSansCondensed-Oblique.ttf"},
         {DejaVuFolder + "DejaVuSerif-Italic.ttf", LiberationFolder + "LiberationSerif-Italic.ttf"},
         WrittenMargin, WrittenThinnest}}},
      {{{&FontArc64ptLayout,
         {LiberationFolder + "LiberationSans-Bold.ttf", DejaVuFolder + "DejaVuSans-Bold.ttf"},
         {LiberationFolder + "LiberationSerif-Bold.ttf", DejaVuFolder + "DejaVuSerif-Bold.ttf"},
         LargeArcMargin, LargeArcThinnest},
        {&FontArc17ptLayout,
         {DejaVuFolder + "DejaVuSans.ttf", LiberationFolder + "LiberationSans-Regular.ttf"},
         {DejaVuFolder + "DejaVuSerif.ttf", LiberationFolder + "LiberationSerif-Regular.ttf"},
         SmallArcMargin, SmallArcThinnest}}},
  };
  bool ok = true;
  for (const AtlasJob& job : atlases) {
    platform::Image atlas{
        FontAtlasSize, FontAtlasSize,
        std::vector<uint32_t>(static_cast<size_t>(FontAtlasSize) * FontAtlasSize)};
    for (const FontJob& font : job.fonts) ok = DrawFont(atlas, font) && ok;
    ok = WriteIfChanged(atlas, OutputPath(content, job.fonts.front().layout->atlasPath)) && ok;
  }
  return ok ? 0 : 1;
}
