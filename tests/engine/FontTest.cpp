#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/BitmapFonts.h"
#include "engine/Texture.h"
#include "support/PixelColors.h"
#include "support/RenderFixture.h"

using platform::Vector3;

namespace {

// Where the last glyph drawn was centred: the translation of the font's glyph transform.
Vector3 LastGlyph(const Font& font) { return {font.transform.m[3][0], font.transform.m[3][1], 0}; }

class FontTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
    font = FontArc17pt(nullptr);
  }

  FontArc17pt font{nullptr};
};

// A font at a scale the screens draw it at.
struct DrawnSize {
  bool large;  // the 64-point font, else the 17-point one
  float scale;
};

class LettersTest : public RenderFixture, public ::testing::WithParamInterface<DrawnSize> {};

// Columns [first, end) of the frame where some pixel is ink: at least half white.
struct ColumnRun {
  int first;
  int end;
};

bool IsInk(uint32_t pixel) { return (pixel >> 8 & 0xFF) >= 0x80; }

std::vector<ColumnRun> InkedColumns(const platform::Image& frame) {
  std::vector<ColumnRun> runs;
  for (int x = 0; x < frame.width; ++x) {
    bool inked = false;
    for (int y = 0; y < frame.height && !inked; ++y) inked = IsInk(frame.Pixel(x, y));
    if (!inked) continue;
    if (!runs.empty() && runs.back().end == x) {
      runs.back().end = x + 1;
    } else {
      runs.push_back({x, x + 1});
    }
  }
  return runs;
}

// Of the columns of a run, the most rows of ink one above the other, and the most separate
// pieces of ink in one column.
struct Strokes {
  int tallest = 0;
  int pieces = 0;
};

Strokes StrokesIn(const platform::Image& frame, const ColumnRun& run) {
  Strokes strokes;
  for (int x = run.first; x < run.end; ++x) {
    int length = 0;
    int pieces = 0;
    for (int y = 0; y < frame.height; ++y) {
      length = IsInk(frame.Pixel(x, y)) ? length + 1 : 0;
      pieces += length == 1 ? 1 : 0;
      strokes.tallest = std::max(strokes.tallest, length);
    }
    strokes.pieces = std::max(strokes.pieces, pieces);
  }
  return strokes;
}

}  // namespace

// Every letter stands apart from its neighbours by a clear column (each is a run of inked
// columns of its own), an l keeps an upright stroke at least half a line tall, and an i its dot.
TEST_P(LettersTest, EveryLetterKeepsItsStrokesAndAClearColumnBesideIt) {
  std::unique_ptr<Texture> atlas =
      LoadTexture(FontArc64ptLayout.atlasPath, FontAtlasSize, FontAtlasSize);
  AttachSizedFaces(*atlas, {&FontArc64ptLayout, &FontArc17ptLayout});
  std::unique_ptr<Font> font;
  if (GetParam().large) {
    font = std::make_unique<FontArc64pt>(atlas.get());
  } else {
    font = std::make_unique<FontArc17pt>(atlas.get());
  }
  // Only the very scale a face was made for draws from it.
  for (const float off : {std::nextafter(GetParam().scale, 0.0f),
                          std::nextafter(GetParam().scale, INFINITY)}) {
    EXPECT_EQ(atlas->texture->SizedPicture(off), nullptr) << off;
  }
  const ScopedFontStyle style(*font, {255, 255, 255, 255}, GetParam().scale);
  const float lineHeight = font->cellHeight * GetParam().scale;
  for (const char* line : {"Inherent Skills: Forge Items", "village will Select Cancel"}) {
    renderer->Clear(pixel::Black);
    SpriteRenderer->Begin();
    font->DrawString(line, {10.3f, 10.0f, 0.0f}, FontAlignStart, FontAlignStart);
    SpriteRenderer->End();
    const platform::Image frame = renderer->ReadFrame();
    std::string letters = line;
    std::erase(letters, ' ');
    const std::vector<ColumnRun> runs = InkedColumns(frame);
    ASSERT_EQ(runs.size(), letters.size()) << line;
    for (size_t i = 0; i < letters.size(); ++i) {
      const Strokes strokes = StrokesIn(frame, runs[i]);
      if (letters[i] == 'l') {
        EXPECT_GE(strokes.tallest, lineHeight / 2) << line << " " << i;
      } else if (letters[i] == 'i') {
        EXPECT_GE(strokes.pieces, 2) << line << " " << i;
      }
    }
  }
}

// The page texts, item names and settings, the shop's dialog texts, tab titles, the save panel
// and the shop's labels; the key names over conversation places, the interface corner, dialogue
// and lists.
INSTANTIATE_TEST_SUITE_P(Screens, LettersTest,
                         ::testing::Values(DrawnSize{true, 0.21875f}, DrawnSize{true, 0.38f},
                                           DrawnSize{true, 0.39f}, DrawnSize{true, 0.46875f},
                                           DrawnSize{true, 0.5f}, DrawnSize{true, 0.6f},
                                           DrawnSize{false, 0.6f}, DrawnSize{false, 0.76f},
                                           DrawnSize{false, 1.0f}));

TEST_F(FontTest, GlyphCellsFollowEachFontsGrid) {
  FontWritten written(nullptr);
  EXPECT_EQ(written.glyphs[33].rect.left, 32);  // 'A'
  EXPECT_EQ(written.glyphs[33].rect.top, 32);
  EXPECT_EQ(written.glyphs[33].advance, 22.0f);
  FontArc64pt large(nullptr);
  EXPECT_EQ(large.glyphs[94].rect.left, 14 * 64);  // '~'
  EXPECT_EQ(large.glyphs[94].rect.bottom, 384);
  EXPECT_EQ(font.glyphs[60].rect.left, 0);
  EXPECT_EQ(font.glyphs[60].rect.top, 474 + 17);
  EXPECT_EQ(font.glyphs[60].rect.right, 17);
  EXPECT_EQ(font.cellHeight, 17.0f);
  EXPECT_EQ(font.GetColor(), (Color4{255, 0, 0, 0}));
  EXPECT_TRUE(font.proportional);
}

TEST_F(FontTest, MeasuringAddsAdvancesAndSpacing) {
  EXPECT_EQ(font.MeasureString("AB"), 21.0f);
  EXPECT_EQ(font.MeasureString(""), 0.0f);
  EXPECT_EQ(font.MeasureText("", false, 1), 0.0f);
  EXPECT_EQ(font.MeasureText("AB", false, 2), 68.0f);
  EXPECT_EQ(font.MeasureText("AB", true, 2), 41.0f);
  // Characters without a glyph take no room.
  EXPECT_EQ(font.MeasureString("A\x01"
                               "B\xC8"),
            21.0f);
  // Of several lines, the widest.
  EXPECT_EQ(font.MeasureString("A\nAB"), 21.0f);
}

TEST_F(FontTest, GlyphsAreCentredOnTheRoundedPen) {
  font.DrawString("A", {100, 50, 0}, FontAlignStart, FontAlignStart);
  EXPECT_EQ(LastGlyph(font), (Vector3{105, 59, 0}));
  font.DrawString("AB", {100, 50, 0}, FontAlignStart, FontAlignStart);
  EXPECT_EQ(LastGlyph(font), (Vector3{116, 59, 0}));
  font.scaleX = 2;
  font.DrawString("A", {100, 50, 0}, FontAlignStart, FontAlignStart);
  EXPECT_EQ(LastGlyph(font), (Vector3{110, 59, 0}));
  EXPECT_EQ(font.transform.m[0][0], 2.0f);
}

TEST_F(FontTest, AlignmentCodesPlaceTheText) {
  // Right: the text ends at x (the last glyph's right half is 5 pixels).
  font.DrawString("AB", {100, 50, 0}, FontAlignStart, FontAlignEnd);
  EXPECT_EQ(LastGlyph(font).x + 5, 100.0f);
  // Centre: 100 - 10.5 + 5 = 94.5, rounded away from zero.
  font.DrawString("A", {100, 50, 0}, FontAlignCenter, FontAlignCenter);
  EXPECT_EQ(LastGlyph(font), (Vector3{100, 50, 0}));
  font.DrawString("AB", {100, 50, 0}, FontAlignCenter, FontAlignCenter);
  EXPECT_EQ(LastGlyph(font).x, 106.0f);
  // Bottom: the line's centre half a line above y; unknown codes act as left and top.
  font.DrawString("A", {100, 50, 0}, FontAlignEnd, 7);
  EXPECT_EQ(LastGlyph(font), (Vector3{105, 42, 0}));
  font.DrawString("A", {100, 50, 0}, 0, 0);
  EXPECT_EQ(LastGlyph(font), (Vector3{105, 59, 0}));
}

TEST_F(FontTest, LineFeedReturnsToTheLineOrigin) {
  font.DrawString("AB\nA", {100, 50, 0}, FontAlignStart, FontAlignStart);
  EXPECT_EQ(LastGlyph(font), (Vector3{105, 76, 0}));
  // Control characters are neither drawn nor advanced over.
  font.DrawString(
      "A\x02\x7F\xC3"
      "B",
      {100, 50, 0}, FontAlignStart, FontAlignStart);
  EXPECT_EQ(LastGlyph(font), (Vector3{116, 59, 0}));
}

TEST_F(FontTest, DrawingRestoresTheBatchTransform) {
  const platform::Matrix4 before = platform::MatrixTranslation(3, 4, 0);
  SpriteRenderer->SetTransform(before);
  font.DrawString("AB", {10, 10, 0}, FontAlignStart, FontAlignStart);
  EXPECT_EQ(SpriteRenderer->GetTransform(), before);
}

TEST_F(FontTest, ProjectedTextLandsOnTheWorldPointsScreenPlace) {
  font.DrawStringProjected("A", {0, 0, 0}, FontAlignCenter, FontAlignCenter);
  EXPECT_EQ(LastGlyph(font), (Vector3{400, 300, 0}));
}

TEST_F(FontTest, WrappingBreaksAtSpacesThatFit) {
  // "AB AB" is 52 pixels: each pair goes on its own line.
  Vector3 pen =
      font.DrawWrappedLines("AB AB AB", {0, 0, 0}, FontAlignStart, FontAlignStart, 50, 20);
  EXPECT_EQ(pen.y, 40.0f);
  EXPECT_EQ(LastGlyph(font), (Vector3{16, 49, 0}));
  pen = font.DrawWrappedLines("AB AB AB", {0, 0, 0}, FontAlignStart, FontAlignStart, 100, 20);
  EXPECT_EQ(pen.y, 0.0f);
  // A line that fits exactly ends there; the empty rest is drawn on the next line.
  pen = font.DrawWrappedLines("AB AB", {0, 0, 0}, FontAlignStart, FontAlignStart, 21, 20);
  EXPECT_EQ(pen.y, 40.0f);
  EXPECT_EQ(LastGlyph(font), (Vector3{16, 29, 0}));
}

TEST_F(FontTest, LongWordsAreCutByCharacters) {
  // Prefixes measure 10, 21, 32, 43, 54: "ABA" is drawn, the next line goes on with "BABAB".
  Vector3 pen =
      font.DrawWrappedLines("ABABABAB", {0, 0, 0}, FontAlignStart, FontAlignStart, 50, 20);
  EXPECT_EQ(pen.y, 20.0f);
  EXPECT_EQ(LastGlyph(font), (Vector3{49, 29, 0}));
  // A line narrower than two glyphs still takes the first: "A", then the rest "BC".
  pen = font.DrawWrappedLines("ABC", {0, 0, 0}, FontAlignStart, FontAlignStart, 15, 20);
  EXPECT_EQ(pen.y, 20.0f);
  EXPECT_EQ(LastGlyph(font), (Vector3{17, 29, 0}));
}

TEST_F(FontTest, ParagraphsAreOneFontLineApart) {
  font.DrawWrappedText("A|B", {100, 50, 0}, FontAlignStart, FontAlignStart, 200, 30);
  EXPECT_EQ(LastGlyph(font), (Vector3{105, 76, 0}));
  font.transform = platform::Matrix4::Identity();
  font.DrawWrappedText("", {100, 50, 0}, FontAlignStart, FontAlignStart, 200, 30);
  EXPECT_EQ(font.transform, platform::Matrix4::Identity());
}
