#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "platform/Image.h"

namespace {

struct Ink {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive; empty when equal
  int tinted = 0;                                // covered pixels that are not white
};

std::optional<platform::Image> LoadAtlas(const FontLayout& layout) {
  std::string relative = layout.atlasPath;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const std::filesystem::path path =
      std::filesystem::path(QM_CONTENT_DIR).parent_path() / relative;
  return platform::LoadImageFile(path.string(), 0, 0, TextureColorKey);
}

Ink InkOf(const platform::Image& atlas, const platform::PixelRect& cell) {
  Ink ink{cell.right, cell.bottom, cell.left, cell.top};
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) {
      if ((atlas.Pixel(x, y) >> 24) == 0) continue;
      ink.tinted += (atlas.Pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x + 1);
      ink.bottom = std::max(ink.bottom, y + 1);
    }
  }
  return ink;
}

class FontAtlasTest : public ::testing::TestWithParam<const FontLayout*> {};

}  // namespace

TEST_P(FontAtlasTest, EveryGlyphSitsInItsCellWithinItsAdvance) {
  const FontLayout& layout = *GetParam();
  std::optional<platform::Image> atlas = LoadAtlas(layout);
  ASSERT_TRUE(atlas);
  ASSERT_EQ(atlas->width, FontAtlasSize);
  ASSERT_EQ(atlas->height, FontAtlasSize);
  const int center = layout.cell / 2 + layout.cell % 2;
  for (int i = 0; i < GlyphCount; ++i) {
    const platform::PixelRect cell = layout.CellOf(i);
    const Ink ink = InkOf(*atlas, cell);
    const char code = static_cast<char>(FirstGlyphCode + i);
    if (code == ' ') {
      EXPECT_GE(ink.left, ink.right);
      continue;
    }
    ASSERT_LT(ink.left, ink.right) << code;
    EXPECT_LE(ink.right - ink.left, layout.advances[i]) << code;
    // Centred where the font draws the cell's middle.
    const float middle = (ink.left + ink.right) / 2.0f - cell.left;
    EXPECT_NEAR(middle, center, 1.0f) << code;
    // Glyphs are white so that the font colour tints them; only their coverage varies.
    EXPECT_EQ(ink.tinted, 0) << code;
  }
}

TEST_P(FontAtlasTest, LettersStandOnOneBaseline) {
  const FontLayout& layout = *GetParam();
  std::optional<platform::Image> atlas = LoadAtlas(layout);
  ASSERT_TRUE(atlas);
  auto baselineOf = [&](char code) {
    const platform::PixelRect cell = layout.CellOf(code - FirstGlyphCode);
    return InkOf(*atlas, cell).bottom - cell.top;
  };
  const int baseline = baselineOf('H');
  for (char code : {'A', 'E', 'x', 'z', '1', '7'}) EXPECT_NEAR(baselineOf(code), baseline, 1) << code;
  EXPECT_GT(baselineOf('g'), baseline);
  EXPECT_GT(baselineOf('p'), baseline);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontAtlasTest,
                         ::testing::Values(&FontWrittenLayout, &FontArc64ptLayout,
                                           &FontArc17ptLayout));
