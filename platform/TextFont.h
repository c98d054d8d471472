#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Vertex.h"

namespace platform {

class Renderer;
class SpriteBatch;
struct RenderCore;
struct TextureHandle;

struct TextExtent {
  int width = 0;
  int height = 0;
};

enum class TextAlign { Left, Center, Right };

// A system text font (the sans-serif face the game asks for as "Arial") whose lines are a
// given number of pixels high. Text is wide; each code unit is one glyph (UCS-2); a line feed
// starts a new line. Glyphs are drawn from atlases built as characters are first used.
class TextFont {
 public:
  // Null when the face cannot be opened.
  static std::unique_ptr<TextFont> Create(Renderer& renderer, int lineHeight);
  ~TextFont();
  TextFont(const TextFont&) = delete;
  TextFont& operator=(const TextFont&) = delete;

  int LineHeight() const { return lineHeight_; }
  // The widest line and the height of all lines.
  TextExtent Measure(const std::wstring& text);
  // The first count characters taken as one line.
  TextExtent MeasurePrefix(const std::wstring& text, size_t count);
  // Draws each line aligned inside the box's width, lines one line height apart from the
  // box's top, clipped to the box, through the batch (or at once without one).
  void Draw(SpriteBatch* batch, const std::wstring& text, const PixelRect& box, TextAlign align,
            uint32_t color);

 private:
  struct Glyph {
    int advance = 0;
    bool rasterized = false;
    int page = -1;  // none: nothing to draw
    PixelRect source;
    int offsetX = 0;
  };
  struct Page;
  struct FontHandle;

  TextFont(std::unique_ptr<FontHandle> font, std::weak_ptr<RenderCore> core, int lineHeight);
  Glyph& GlyphOf(uint16_t code);
  void Rasterize(uint16_t code, Glyph& glyph);
  int LineWidth(const std::u16string& line);
  // A place for a glyph of the given size in the atlases, or false.
  bool Allocate(int width, int height, int& page, PixelRect& place);

  std::unique_ptr<FontHandle> font_;
  std::weak_ptr<RenderCore> core_;
  int lineHeight_ = 0;
  std::unordered_map<uint16_t, Glyph> glyphs_;
  std::vector<Page> pages_;
  std::unique_ptr<SpriteBatch> direct_;  // draws at once when no batch is given
};

}  // namespace platform
