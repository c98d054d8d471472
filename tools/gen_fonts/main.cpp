// Draws the bitmap font atlases: each glyph of codes 32 to 126 rendered white from a free
// TrueType face into the cell the game cuts for it, centred where the game draws it, no wider
// than its advance, all glyphs of a font on one baseline. A file is written only when missing
// or different.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GlyphRaster.h"
#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Image.h"

namespace {

constexpr uint32_t OpaqueWhite = 0x00FFFFFF;
// Kept free above and below the line so that filtering never reaches the next row of cells.
constexpr int CellPadding = 1;

const std::string DejaVuFolder = "/usr/share/fonts/truetype/dejavu/";
const std::string LiberationFolder = "/usr/share/fonts/truetype/liberation/";

struct FontJob {
  const FontLayout* layout;
  std::vector<std::string> faces;  // the first that opens is used
};

struct AtlasJob {
  std::vector<FontJob> fonts;
};

// The ink columns of a mask: first and one past the last column with coverage.
void InkColumns(const GlyphRaster::Mask& mask, int& first, int& end) {
  first = mask.width;
  end = 0;
  for (int x = 0; x < mask.width; ++x) {
    for (int y = 0; y < mask.height; ++y) {
      if (mask.At(x, y) == 0) continue;
      first = std::min(first, x);
      end = std::max(end, x + 1);
      break;
    }
  }
}

// Coverage of the source columns [first, end) resampled to width columns by area.
std::vector<float> SqueezeRow(const GlyphRaster::Mask& mask, int y, int first, int end, int width) {
  std::vector<float> row(static_cast<size_t>(width), 0.0f);
  const float step = static_cast<float>(end - first) / static_cast<float>(width);
  for (int t = 0; t < width; ++t) {
    const float from = first + t * step;
    const float to = from + step;
    float sum = 0.0f;
    for (int x = static_cast<int>(from); x < end && x < to; ++x) {
      const float overlap = std::min(to, x + 1.0f) - std::max(from, static_cast<float>(x));
      if (overlap > 0.0f) sum += overlap * mask.At(x, y);
    }
    row[static_cast<size_t>(t)] = sum / step;
  }
  return row;
}

void PutCoverage(platform::Image& atlas, int x, int y, float coverage) {
  if (x < 0 || y < 0 || x >= atlas.width || y >= atlas.height) return;
  const auto alpha = static_cast<uint32_t>(std::clamp(coverage, 0.0f, 255.0f) + 0.5f);
  if (alpha == 0) return;
  atlas.pixels[static_cast<size_t>(y) * atlas.width + x] = alpha << 24 | OpaqueWhite;
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
    const platform::PixelRect cell = layout.CellOf(i);
    const GlyphRaster::Mask mask = raster->Render(static_cast<char>(FirstGlyphCode + i));
    int first = 0, end = 0;
    InkColumns(mask, first, end);
    if (end <= first) continue;  // a space: nothing to draw
    const int advance = std::max(1, static_cast<int>(layout.advances[static_cast<size_t>(i)]));
    const int width = std::min(end - first, advance);
    const int left = cell.left + center - RoundToInt(static_cast<float>(width) / 2);
    for (int y = std::max(0, -lineTop); y < mask.height && lineTop + y < layout.cell; ++y) {
      const std::vector<float> row = SqueezeRow(mask, y, first, end, width);
      for (int t = 0; t < width; ++t) {
        const int x = left + t;
        if (x < cell.left || x >= cell.right) continue;
        PutCoverage(atlas, x, cell.top + lineTop + y, row[static_cast<size_t>(t)]);
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
         {DejaVuFolder + "DejaVuSans-Oblique.ttf", LiberationFolder + "LiberationSans-Italic.ttf"}}}},
      {{{&FontArc64ptLayout,
         {LiberationFolder + "LiberationSans-Bold.ttf", DejaVuFolder + "DejaVuSans-Bold.ttf"}},
        {&FontArc17ptLayout,
         {DejaVuFolder + "DejaVuSans.ttf", LiberationFolder + "LiberationSans-Regular.ttf"}}}},
  };
  bool ok = true;
  for (const AtlasJob& job : atlases) {
    platform::Image atlas{FontAtlasSize, FontAtlasSize,
                          std::vector<uint32_t>(static_cast<size_t>(FontAtlasSize) * FontAtlasSize)};
    for (const FontJob& font : job.fonts) ok = DrawFont(atlas, font) && ok;
    ok = WriteIfChanged(atlas, OutputPath(content, job.fonts.front().layout->atlasPath)) && ok;
  }
  return ok ? 0 : 1;
}
