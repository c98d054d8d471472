#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "platform/Image.h"
#include "support/RenderGlobals.h"

namespace {

struct Ink {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive; empty when equal
  int tinted = 0;                                // covered pixels that are not white
};

std::optional<platform::Image> LoadAtlas(const FontLayout& layout) {
  std::string relative = layout.atlasPath;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const std::filesystem::path path = std::filesystem::path(QM_CONTENT_DIR).parent_path() / relative;
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

std::string FontName(const FontLayout* layout) {
  if (layout == &FontWrittenLayout) return "Written";
  return layout == &FontArc64ptLayout ? "Arc64pt" : "Arc17pt";
}

// The column of a cell that the font draws at the glyph's pen.
int CentreColumn(const FontLayout& layout) { return layout.cell / 2 + layout.cell % 2; }

struct FontCase {
  const FontLayout* layout;
  std::unique_ptr<Font> (*make)();
};

template <typename Kind>
std::unique_ptr<Font> Make() {
  return std::make_unique<Kind>(nullptr);
}

class GlyphSpacingTest : public ::testing::TestWithParam<FontCase>, protected RenderGlobals {};

}  // namespace

TEST_P(FontAtlasTest, EveryGlyphSitsCentredInItsCell) {
  const FontLayout& layout = *GetParam();
  std::optional<platform::Image> atlas = LoadAtlas(layout);
  ASSERT_TRUE(atlas);
  ASSERT_EQ(atlas->width, FontAtlasSize);
  ASSERT_EQ(atlas->height, FontAtlasSize);
  const int center = CentreColumn(layout);
  for (int i = 0; i < GlyphCount; ++i) {
    const platform::PixelRect cell = layout.CellOf(i);
    const Ink ink = InkOf(*atlas, cell);
    const char code = static_cast<char>(FirstGlyphCode + i);
    if (code == ' ') {
      EXPECT_GE(ink.left, ink.right);
      continue;
    }
    ASSERT_LT(ink.left, ink.right) << code;
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
  for (char code : {'A', 'E', 'x', 'z', '1', '7'})
    EXPECT_NEAR(baselineOf(code), baseline, 1) << code;
  EXPECT_GT(baselineOf('g'), baseline);
  EXPECT_GT(baselineOf('p'), baseline);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontAtlasTest,
                         ::testing::Values(&FontWrittenLayout, &FontArc64ptLayout,
                                           &FontArc17ptLayout),
                         [](const auto& info) { return FontName(info.param); });

// Every pair of glyphs drawn side by side at scale 1, from a whole and from a half pixel (where
// a line may leave the pen): the gap between the first's ink and the second's is the same for
// all of them within 2 pixels, however different their advances.
TEST_P(GlyphSpacingTest, NeighbouringLettersStandEvenlyApart) {
  const FontLayout& layout = *GetParam().layout;
  std::optional<platform::Image> atlas = LoadAtlas(layout);
  ASSERT_TRUE(atlas);
  const std::unique_ptr<Font> font = GetParam().make();
  std::vector<std::pair<char, Ink>> inks;
  for (int i = 0; i < GlyphCount; ++i) {
    const char code = static_cast<char>(FirstGlyphCode + i);
    const platform::PixelRect cell = layout.CellOf(i);
    Ink ink = InkOf(*atlas, cell);
    if (code == ' ') continue;
    ink.left -= cell.left + CentreColumn(layout);
    ink.right -= cell.left + CentreColumn(layout);
    inks.emplace_back(code, ink);
  }
  auto lastCentre = [&](const std::string& text, float x) {
    font->DrawString(text, {x, 0.0f, 0.0f}, FontAlignStart, FontAlignStart);
    return static_cast<int>(font->transform.m[3][0]);
  };
  struct Pair {
    std::string letters;
    int gap;
  };
  Pair narrowest{"", 0}, widest{"", 0};
  for (float start : {0.0f, 0.5f}) {
    for (const auto& [first, firstInk] : inks) {
      const int firstCentre = lastCentre(std::string(1, first), start);
      for (const auto& [second, secondInk] : inks) {
        const std::string letters{first, second};
        const int gap = lastCentre(letters, start) + secondInk.left - firstCentre - firstInk.right;
        if (narrowest.letters.empty() || gap < narrowest.gap) narrowest = {letters, gap};
        if (widest.letters.empty() || gap > widest.gap) widest = {letters, gap};
      }
    }
  }
  EXPECT_LE(widest.gap - narrowest.gap, 2)
      << "narrowest \"" << narrowest.letters << "\" " << narrowest.gap << ", widest \""
      << widest.letters << "\" " << widest.gap;
  EXPECT_GE(narrowest.gap, 0) << narrowest.letters;
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphSpacingTest,
                         ::testing::Values(FontCase{&FontWrittenLayout, Make<FontWritten>},
                                           FontCase{&FontArc64ptLayout, Make<FontArc64pt>},
                                           FontCase{&FontArc17ptLayout, Make<FontArc17pt>}),
                         [](const auto& info) { return FontName(info.param.layout); });
