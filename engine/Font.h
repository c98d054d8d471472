#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/Color4.h"
#include "engine/VectorMath.h"
#include "platform/MathTypes.h"
#include "platform/Matrix.h"
#include "platform/Vertex.h"

class Texture;

// Glyphs exist for character codes 32 to 126.
constexpr int FirstGlyphCode = 32;
constexpr int LastGlyphCode = 126;
constexpr int GlyphCount = LastGlyphCode - FirstGlyphCode + 1;
constexpr bool HasGlyph(unsigned char c) { return c >= FirstGlyphCode && c <= LastGlyphCode; }
constexpr unsigned char FontLineFeed = '\n';

// Alignment codes of the bitmap fonts: 1 left or top, 2 centre, 3 right or bottom; any other
// value behaves as 1.
constexpr int FontAlignStart = 1;
constexpr int FontAlignCenter = 2;
constexpr int FontAlignEnd = 3;

// One glyph: its cell in the atlas (right and bottom exclusive) and its advance in atlas pixels.
struct FChar {
  platform::PixelRect rect;
  float advance = 16.0f;
};

// Where a font's glyphs lie in its atlas and how far each advances: the font reads it, and so
// does the generator that draws the atlas.
struct FontLayout {
  const char* atlasPath;  // as the game stores it, with backslashes
  int cell;               // square cells of this many pixels
  int originX;
  int originY;
  int glyphsPerRow;
  std::array<float, GlyphCount> advances;
  // The scales the screens draw the font at below its own size: for each the generator makes a
  // picture of the atlas with the letters hinted for that size, drawn pixel for pixel.
  std::vector<float> drawnScales;

  // The cell of glyph i (character code 32 + i).
  platform::PixelRect CellOf(int index) const;
};

// The point of a glyph's cell that stands on the pen: its middle, on whole pixels.
platform::Vector3 GlyphCentre(const platform::PixelRect& cell);

// The side of both font atlases.
constexpr int FontAtlasSize = 1024;

// A bitmap font: glyphs cut from an atlas texture and drawn one by one through the shared
// sprite batch, which the caller has begun. Text is narrow; characters outside 32 to 126 other
// than the line feed are skipped, neither drawn nor advanced over.
class Font {
 public:
  virtual ~Font() = default;

  void Initialize(Texture* atlas, float newCellWidth, float newCellHeight);
  Color4 GetColor() const { return color; }

  // Width in screen pixels; of multi-line text, the widest line.
  float MeasureText(const std::string& text, bool asProportional, float scale) const;
  float MeasureString(const std::string& text) const;
  // A line feed returns to the aligned line origin one line lower.
  void DrawString(const std::string& text, platform::Vector3 pen, int vertical, int horizontal);
  // At the world point's place on the screen.
  void DrawStringProjected(const std::string& text, const platform::Vector3& worldPoint,
                           int vertical, int horizontal);
  // Paragraphs cut at "|", one font line apart, each wrapped to maxWidth.
  void DrawWrappedText(const std::string& text, const platform::Vector3& pen, int vertical,
                       int horizontal, float maxWidth, float lineHeight);
  // Greedy wrap at single spaces; a word wider than the line is cut by characters. Returns the
  // pen of the last line drawn.
  platform::Vector3 DrawWrappedLines(const std::string& paragraph, platform::Vector3 pen,
                                     int vertical, int horizontal, float maxWidth,
                                     float lineHeight);
  void SetTransform(float x, float y);
  // The glyphs of a text from its aligned origin, where DrawString draws them: place(glyph,
  // centre) for each, the centre on whole pixels; a line feed returns to the origin one line
  // lower.
  template <typename Place>
  void PlaceGlyphs(const std::string& text, const platform::Vector3& origin, Place&& place) const;

  Texture* texture = nullptr;  // not owned
  std::array<FChar, GlyphCount> glyphs{};
  Color4 color;
  float scaleX = 1.0f;
  float scaleY = 1.0f;
  bool proportional = true;
  float cellWidth = 0.0f;
  float cellHeight = 0.0f;
  float spacing = 1.0f;
  platform::Matrix4 transform = platform::Matrix4::Identity();

 protected:
  Font() = default;
  // Initialize over the atlas with the layout's cells and advances.
  void Build(Texture* atlas, const FontLayout& layout);

 private:
  float MeasureLine(const std::string& text, size_t begin, size_t end, bool asProportional,
                    float scale) const;
};

template <typename Place>
void Font::PlaceGlyphs(const std::string& text, const platform::Vector3& origin,
                       Place&& place) const {
  const float lineHeight = cellHeight * scaleY;
  platform::Vector3 pen = origin;
  int line = 0;
  for (char character : text) {
    const unsigned char c = static_cast<unsigned char>(character);
    if (c == FontLineFeed) {
      ++line;
      pen = {origin.x, origin.y + static_cast<float>(line) * lineHeight, origin.z};
      continue;
    }
    if (!HasGlyph(c)) continue;
    const FChar& glyph = glyphs[c - FirstGlyphCode];
    const float half = proportional ? glyph.advance * scaleX / 2 : cellWidth * scaleX / 2;
    pen.x += half;
    pen = RoundVector(pen);
    place(glyph, pen);
    pen.x += proportional ? half + spacing : half;
  }
}

// Gives a shared font the colour and scale for one block of text; the font's own come back when
// the block ends.
class ScopedFontStyle {
 public:
  ScopedFontStyle(Font& font, const Color4& color, float scale);
  ~ScopedFontStyle();
  ScopedFontStyle(const ScopedFontStyle&) = delete;
  ScopedFontStyle& operator=(const ScopedFontStyle&) = delete;

 private:
  Font& font_;
  Color4 color_;
  float scaleX_;
  float scaleY_;
};
