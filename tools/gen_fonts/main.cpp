// Draws the bitmap font atlases: each glyph of codes 32 to 126 rendered white from a free
// TrueType face into the cell the game cuts for it, centred where the game draws it, widened or
// narrowed so that its ink fills its advance less the font's margin (so neighbouring letters
// stand evenly apart, whatever their advances), all glyphs of a font on one baseline. Beside
// each atlas, for each scale the game draws its fonts at below their size, a picture of the
// atlas with glyphs made for that size (see PixelFace.h). A file is written only when missing or
// different.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GlyphFit.h"
#include "GlyphRaster.h"
#include "PixelFace.h"
#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Image.h"

namespace {

// Kept free above and below the line so that filtering never reaches the next row of cells.
constexpr int CellPadding = 1;

const std::string DejaVuFolder = "/usr/share/fonts/truetype/dejavu/";
const std::string LiberationFolder = "/usr/share/fonts/truetype/liberation/";

struct FontJob {
  const FontLayout* layout;
  FaceFiles files;
  // Advance less ink: with the font's spacing, the gap between neighbouring letters.
  int margin;
  // No ink narrower, so that thin letters survive being drawn small.
  int thinnest;
};

// A font drawn at a scale below its own size, in a picture made for the scale.
struct SizedJob {
  const FontLayout* layout;
  float scale;
  std::vector<FaceFiles> weights;  // see DrawPixelFace
  int inkRows;
};

struct AtlasJob {
  std::vector<FontJob> fonts;
  std::vector<SizedJob> sized;
};

// Each font's margin is about the side bearings of its face at its size; its thinnest ink is
// about one stroke.
constexpr int WrittenMargin = 1;
constexpr int WrittenThinnest = 3;
constexpr int LargeArcMargin = 1;
constexpr int LargeArcThinnest = 5;
constexpr int SmallArcMargin = 1;
constexpr int SmallArcThinnest = 2;

bool DrawFont(platform::Image& atlas, const FontJob& job) {
  const FontLayout& layout = *job.layout;
  auto raster = GlyphRaster::Open(job.files.faces, layout.cell - 2 * CellPadding);
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
    const FittedGlyph glyph = FitGlyph(*raster, job.files.wideFaces, code,
                                       std::max(advance - job.margin, job.thinnest));
    const platform::PixelRect cell = layout.CellOf(i);
    PaintGlyph(atlas, glyph, cell.left + center - RoundToInt(static_cast<float>(glyph.Width()) / 2),
               cell.top + lineTop + glyph.rowShift, cell);
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

// The picture of each scale the atlas's fonts are drawn at, with every font drawn at it.
bool WriteSizedPictures(const AtlasJob& job, const std::filesystem::path& content) {
  std::vector<float> scales;
  for (const SizedJob& font : job.sized) {
    if (std::ranges::find(scales, font.scale) == scales.end()) scales.push_back(font.scale);
  }
  bool ok = true;
  for (float scale : scales) {
    std::vector<const FontLayout*> layouts;
    for (const SizedJob& font : job.sized) {
      if (font.scale == scale) layouts.push_back(font.layout);
    }
    const int side = SizedPictureSide(layouts, scale);
    platform::Image picture{side, side, std::vector<uint32_t>(static_cast<size_t>(side) * side)};
    for (const SizedJob& font : job.sized) {
      if (font.scale == scale)
        ok = DrawPixelFace(picture, *font.layout, scale, font.weights, font.inkRows) && ok;
    }
    ok = WriteIfChanged(picture, OutputPath(content, SizedFacePath(layouts.front()->atlasPath,
                                                                   scale))) &&
         ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_fonts CONTENT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path content = argv[1];
  const FaceFiles smallArc{
      {DejaVuFolder + "DejaVuSans.ttf", LiberationFolder + "LiberationSans-Regular.ttf"},
      {DejaVuFolder + "DejaVuSerif.ttf", LiberationFolder + "LiberationSerif-Regular.ttf"}};
  const FaceFiles boldArc{
      {DejaVuFolder + "DejaVuSans-Bold.ttf", LiberationFolder + "LiberationSans-Bold.ttf"},
      {DejaVuFolder + "DejaVuSerif-Bold.ttf", LiberationFolder + "LiberationSerif-Bold.ttf"}};
  AtlasJob arc{{{&FontArc64ptLayout,
                 {{LiberationFolder + "LiberationSans-Bold.ttf",
                   DejaVuFolder + "DejaVuSans-Bold.ttf"},
                  {LiberationFolder + "LiberationSerif-Bold.ttf",
                   DejaVuFolder + "DejaVuSerif-Bold.ttf"}},
                 LargeArcMargin, LargeArcThinnest},
                {&FontArc17ptLayout, smallArc, SmallArcMargin, SmallArcThinnest}},
               {}};
  // The settings entries, at 0.38, stand 20 pixels apart: a line of them keeps a clear row below.
  const std::pair<float, int> fewerRows[] = {{0.38f, 22}};
  for (const FontLayout* layout : {&FontArc64ptLayout, &FontArc17ptLayout}) {
    for (float scale : layout->drawnScales) {
      const auto rows = std::ranges::find(fewerRows, scale, &std::pair<float, int>::first);
      arc.sized.push_back(
          {layout, scale, {boldArc, smallArc}, rows == std::end(fewerRows) ? 0 : rows->second});
    }
  }
  const std::vector<AtlasJob> atlases = {
      {{{&FontWrittenLayout,
         {{LiberationFolder + "LiberationSansNarrow-Italic.ttf",
           DejaVuFolder + "DejaVuSansCondensed-Oblique.ttf"},
          {DejaVuFolder + "DejaVuSerif-Italic.ttf", LiberationFolder + "LiberationSerif-Italic.ttf"}},
         WrittenMargin, WrittenThinnest}},
       {}},
      arc,
  };
  bool ok = true;
  for (const AtlasJob& job : atlases) {
    platform::Image atlas{
        FontAtlasSize, FontAtlasSize,
        std::vector<uint32_t>(static_cast<size_t>(FontAtlasSize) * FontAtlasSize)};
    for (const FontJob& font : job.fonts) ok = DrawFont(atlas, font) && ok;
    ok = WriteIfChanged(atlas, OutputPath(content, job.fonts.front().layout->atlasPath)) && ok;
    ok = WriteSizedPictures(job, content) && ok;
  }
  return ok ? 0 : 1;
}
