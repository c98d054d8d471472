#include "engine/Font.h"

#include <algorithm>
#include <vector>

#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"

using platform::Vector3;

namespace {

constexpr char ParagraphBreak = '|';
constexpr char WordBreak = ' ';

}  // namespace

platform::PixelRect FontLayout::CellOf(int index) const {
  const int left = originX + (index % glyphsPerRow) * cell;
  const int top = originY + (index / glyphsPerRow) * cell;
  return {left, top, left + cell, top + cell};
}

Vector3 GlyphCentre(const platform::PixelRect& cell) {
  return {static_cast<float>(RoundToInt(static_cast<float>(cell.right - cell.left) / 2)),
          static_cast<float>(RoundToInt(static_cast<float>(cell.bottom - cell.top) / 2)), 0.0f};
}

void Font::Initialize(Texture* atlas, float newCellWidth, float newCellHeight) {
  texture = atlas;
  cellWidth = newCellWidth;
  cellHeight = newCellHeight;
  color = ColorBlack;
  scaleX = 1.0f;
  scaleY = 1.0f;
  proportional = true;
  spacing = 1.0f;
}

void Font::Build(Texture* atlas, const FontLayout& layout) {
  const float cell = static_cast<float>(layout.cell);
  Initialize(atlas, cell, cell);
  for (int i = 0; i < GlyphCount; ++i) {
    glyphs[i].rect = layout.CellOf(i);
    glyphs[i].advance = layout.advances[i];
  }
}

float Font::MeasureLine(const std::string& text, size_t begin, size_t end, bool asProportional,
                        float scale) const {
  float width = 0.0f;
  int count = 0;
  for (size_t i = begin; i < end; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!HasGlyph(c)) continue;
    ++count;
    if (asProportional) width += glyphs[c - FirstGlyphCode].advance * scale;
  }
  if (count == 0) return 0.0f;
  if (!asProportional) return cellWidth * scale * static_cast<float>(count);
  return width + static_cast<float>(count - 1) * spacing;
}

float Font::MeasureText(const std::string& text, bool asProportional, float scale) const {
  float widest = 0.0f;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t end = text.find(static_cast<char>(FontLineFeed), begin);
    if (end == std::string::npos) end = text.size();
    widest = std::max(widest, MeasureLine(text, begin, end, asProportional, scale));
    begin = end + 1;
  }
  return widest;
}

float Font::MeasureString(const std::string& text) const {
  return MeasureText(text, proportional, scaleX);
}

void Font::SetTransform(float x, float y) {
  transform = platform::MatrixTransformation2D(
      {scaleX, scaleY}, 0.0f,
      {static_cast<float>(RoundToInt(x)), static_cast<float>(RoundToInt(y))});
}

void Font::DrawString(const std::string& text, Vector3 pen, int vertical, int horizontal) {
  if (DrawnTextLog) DrawnTextLog->push_back({text, pen, color.ToD3DColor()});
  const float width = MeasureString(text);
  const float lineHeight = cellHeight * scaleY;
  if (vertical == FontAlignEnd) {
    pen.y -= lineHeight / 2;
  } else if (vertical != FontAlignCenter) {
    pen.y += lineHeight / 2;
  }
  if (horizontal == FontAlignCenter) {
    pen.x -= width / 2;
  } else if (horizontal == FontAlignEnd) {
    pen.x -= width;
  }
  if (!SpriteRenderer) return;
  const platform::Matrix4 saved = SpriteRenderer->GetTransform();
  const platform::DeviceTexture* atlas = texture ? texture->texture.get() : nullptr;
  const uint32_t packed = color.ToD3DColor();
  PlaceGlyphs(text, pen, [&](const FChar& glyph, const Vector3& at) {
    SetTransform(at.x, at.y);
    SpriteRenderer->SetTransform(transform);
    const Vector3 center = GlyphCentre(glyph.rect);
    SpriteRenderer->Draw(atlas, &glyph.rect, &center, nullptr, packed);
  });
  SpriteRenderer->SetTransform(saved);
}

void Font::DrawStringProjected(const std::string& text, const Vector3& worldPoint, int vertical,
                               int horizontal) {
  DrawString(text, WorldToScreen(worldPoint.x, worldPoint.y, worldPoint.z), vertical, horizontal);
}

void Font::DrawWrappedText(const std::string& text, const Vector3& pen, int vertical,
                           int horizontal, float maxWidth, float lineHeight) {
  Vector3 linePen = pen;
  size_t begin = 0;
  while (true) {
    size_t end = text.find(ParagraphBreak, begin);
    const bool last = end == std::string::npos;
    if (last) end = text.size();
    const Vector3 p = DrawWrappedLines(text.substr(begin, end - begin), linePen, vertical,
                                       horizontal, maxWidth, lineHeight);
    linePen = {pen.x, p.y + cellHeight * scaleY, p.z};
    if (last) return;
    begin = end + 1;
  }
}

Vector3 Font::DrawWrappedLines(const std::string& paragraph, Vector3 pen, int vertical,
                               int horizontal, float maxWidth, float lineHeight) {
  std::vector<size_t> breaks{0};
  for (size_t i = 0; i < paragraph.size(); ++i) {
    if (paragraph[i] == WordBreak) breaks.push_back(i);
  }
  breaks.push_back(paragraph.size());

  size_t start = 0;
  int words = 0;
  auto drawLine = [&](size_t from, size_t to) {
    DrawString(paragraph.substr(from, to - from), pen, vertical, horizontal);
    pen.y += lineHeight;
  };
  for (size_t k = 1; k < breaks.size(); ++k) {
    ++words;
    const size_t end = std::max(breaks[k], start);
    const std::string candidate = paragraph.substr(start, end - start);
    const float width = MeasureString(candidate);
    if (width < maxWidth) continue;
    if (width == maxWidth) {
      drawLine(start, end);
      start = std::min(breaks[k] + 1, paragraph.size());
      words = 0;
      continue;
    }
    if (words > 1) {
      // The word that did not fit starts the next line.
      --k;
      drawLine(start, breaks[k]);
      start = std::min(breaks[k] + 1, paragraph.size());
      words = 0;
      continue;
    }
    // One word wider than the line: cut it by characters, at least one per line.
    words = 0;
    for (size_t j = 1; j < candidate.size(); ++j) {
      const float prefixWidth = MeasureString(candidate.substr(0, j));
      if (prefixWidth < maxWidth) continue;
      const size_t drawn = prefixWidth == maxWidth ? j : std::max<size_t>(j >= 2 ? j - 2 : 1, 1);
      drawLine(start, start + drawn);
      start += drawn;
      break;
    }
  }
  DrawString(paragraph.substr(start), pen, vertical, horizontal);
  return pen;
}

ScopedFontStyle::ScopedFontStyle(Font& font, const Color4& color, float scale)
    : font_(font), color_(font.color), scaleX_(font.scaleX), scaleY_(font.scaleY) {
  font.color = color;
  font.scaleX = scale;
  font.scaleY = scale;
}

ScopedFontStyle::~ScopedFontStyle() {
  font_.color = color_;
  font_.scaleX = scaleX_;
  font_.scaleY = scaleY_;
}
