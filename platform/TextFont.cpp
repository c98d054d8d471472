#include "platform/TextFont.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/RendererImpl.h"
#include "platform/SpriteBatch.h"

namespace platform {

namespace {

// Liberation Sans has the metrics of the face the game names.
constexpr const char* FontFacePath = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
constexpr unsigned NominalDpi = 72;
constexpr int PageSize = 512;
constexpr int GlyphPadding = 1;
constexpr uint16_t LineFeed = 10;
constexpr uint16_t ReplacementCharacter = 0xFFFD;
constexpr std::u16string_view DeepestDescenders = u"gjpqy";

// One code unit per glyph; text ends at its first zero, as a C string would.
std::u16string ToCodeUnits(const std::wstring& text, size_t count) {
  std::u16string units;
  units.reserve(std::min(count, text.size()));
  for (size_t i = 0; i < text.size() && i < count; ++i) {
    wchar_t c = text[i];
    if (c == 0) break;
    units.push_back(static_cast<uint32_t>(c) > 0xFFFF ? ReplacementCharacter
                                                      : static_cast<char16_t>(c));
  }
  return units;
}

// How far below a line's top the font reaches: its height, or its deepest descender.
int LineDepth(TTF_Font* font) {
  int depth = TTF_FontHeight(font);
  for (char16_t c : DeepestDescenders) {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(font, c, &minX, &maxX, &minY, &maxY, &advance) == 0) {
      depth = std::max(depth, TTF_FontAscent(font) - minY);
    }
  }
  return depth;
}

std::vector<std::u16string> SplitLines(const std::u16string& text) {
  std::vector<std::u16string> lines(1);
  for (char16_t c : text) {
    if (c == LineFeed) {
      lines.emplace_back();
    } else {
      lines.back().push_back(c);
    }
  }
  return lines;
}

}  // namespace

struct TextFont::FontHandle {
  TTF_Font* font = nullptr;

  ~FontHandle() {
    if (font) TTF_CloseFont(font);
    TTF_Quit();
  }
};

struct TextFont::Page {
  std::shared_ptr<TextureHandle> texture;
  int shelfX = 0;
  int shelfY = 0;
  int shelfHeight = 0;
};

std::unique_ptr<TextFont> TextFont::Create(Renderer& renderer, int lineHeight) {
  if (lineHeight <= 0 || TTF_Init() != 0) return nullptr;
  auto handle = std::make_unique<FontHandle>();
  handle->font = TTF_OpenFontDPI(FontFacePath, lineHeight, NominalDpi, NominalDpi);
  if (!handle->font) return nullptr;
  // The largest size whose lines, descenders included, fit the requested height; the
  // resolution gives finer steps than whole point sizes.
  for (unsigned dpi = NominalDpi; dpi > 1 && LineDepth(handle->font) > lineHeight; --dpi) {
    TTF_SetFontSizeDPI(handle->font, lineHeight, dpi - 1, dpi - 1);
  }
  return std::unique_ptr<TextFont>(new TextFont(std::move(handle), CoreOf(renderer), lineHeight));
}

TextFont::TextFont(std::unique_ptr<FontHandle> font, std::weak_ptr<RenderCore> core,
                   int lineHeight)
    : font_(std::move(font)),
      core_(core),
      lineHeight_(lineHeight),
      direct_(std::make_unique<SpriteBatch>(std::move(core))) {}

TextFont::~TextFont() = default;

TextFont::Glyph& TextFont::GlyphOf(uint16_t code) {
  auto [it, inserted] = glyphs_.try_emplace(code);
  if (inserted) {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(font_->font, code, &minX, &maxX, &minY, &maxY, &advance) == 0) {
      it->second.advance = advance;
      it->second.offsetX = std::min(0, minX);
    }
  }
  return it->second;
}

int TextFont::LineWidth(const std::u16string& line) {
  int width = 0;
  for (char16_t c : line) width += GlyphOf(c).advance;
  return width;
}

TextExtent TextFont::Measure(const std::wstring& text) {
  std::vector<std::u16string> lines = SplitLines(ToCodeUnits(text, text.size()));
  TextExtent extent;
  for (const std::u16string& line : lines) extent.width = std::max(extent.width, LineWidth(line));
  extent.height = static_cast<int>(lines.size()) * lineHeight_;
  return extent;
}

TextExtent TextFont::MeasurePrefix(const std::wstring& text, size_t count) {
  return {LineWidth(ToCodeUnits(text, count)), lineHeight_};
}

bool TextFont::Allocate(int width, int height, int& page, PixelRect& place) {
  if (width + GlyphPadding > PageSize || height + GlyphPadding > PageSize) return false;
  if (!pages_.empty()) {
    Page& last = pages_.back();
    if (last.shelfX + width + GlyphPadding > PageSize) {
      last.shelfY += last.shelfHeight;
      last.shelfX = 0;
      last.shelfHeight = 0;
    }
  }
  if (pages_.empty() || pages_.back().shelfY + height + GlyphPadding > PageSize) {
    std::shared_ptr<RenderCore> core = core_.lock();
    if (!core) return false;
    std::vector<uint32_t> clear(static_cast<size_t>(PageSize) * PageSize, 0);
    Page fresh;
    fresh.texture = CreateTextureHandle(core, PageSize, PageSize, clear.data());
    if (!fresh.texture) return false;
    pages_.push_back(std::move(fresh));
  }
  Page& current = pages_.back();
  page = static_cast<int>(pages_.size()) - 1;
  place = {current.shelfX, current.shelfY, current.shelfX + width, current.shelfY + height};
  current.shelfX += width + GlyphPadding;
  current.shelfHeight = std::max(current.shelfHeight, height + GlyphPadding);
  return true;
}

void TextFont::Rasterize(uint16_t code, Glyph& glyph) {
  glyph.rasterized = true;
  SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font_->font, code, SDL_Color{255, 255, 255, 255});
  if (!rendered) return;
  SDL_Surface* pixels = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!pixels) return;
  int page = -1;
  PixelRect place;
  if (pixels->w > 0 && pixels->h > 0 && Allocate(pixels->w, pixels->h, page, place)) {
    SDL_Rect area{place.left, place.top, pixels->w, pixels->h};
    SDL_LockSurface(pixels);
    SDL_UpdateTexture(pages_[page].texture->texture, &area, pixels->pixels, pixels->pitch);
    SDL_UnlockSurface(pixels);
    glyph.page = page;
    glyph.source = place;
  }
  SDL_FreeSurface(pixels);
}

void TextFont::Draw(SpriteBatch* batch, const std::wstring& text, const PixelRect& box,
                    TextAlign align, uint32_t color) {
  std::vector<std::u16string> lines = SplitLines(ToCodeUnits(text, text.size()));
  // Pen and clip arithmetic in 64 bits: a box near the integer limits must not overflow.
  const int64_t boxWidth = int64_t{box.right} - box.left;
  int64_t top = box.top;
  for (const std::u16string& line : lines) {
    const int64_t lineWidth = LineWidth(line);
    int64_t x = box.left;
    if (align == TextAlign::Center) x += (boxWidth - lineWidth) / 2;
    if (align == TextAlign::Right) x = box.right - lineWidth;
    for (char16_t c : line) {
      Glyph& glyph = GlyphOf(c);
      if (!glyph.rasterized) Rasterize(c, glyph);
      if (glyph.page >= 0) {
        // Clipped to the box, so nothing spills past the measured rectangle.
        const int64_t left = x + glyph.offsetX;
        const int64_t width = glyph.source.right - glyph.source.left;
        const int64_t height = glyph.source.bottom - glyph.source.top;
        const int64_t clipLeft = std::max<int64_t>(0, box.left - left);
        const int64_t clipTop = std::max<int64_t>(0, box.top - top);
        const int64_t clipRight = std::max<int64_t>(0, left + width - box.right);
        const int64_t clipBottom = std::max<int64_t>(0, top + height - box.bottom);
        if (clipLeft + clipRight < width && clipTop + clipBottom < height) {
          // Each clip is now smaller than the glyph, so the cell stays inside its source.
          const PixelRect visible{glyph.source.left + static_cast<int>(clipLeft),
                                  glyph.source.top + static_cast<int>(clipTop),
                                  glyph.source.right - static_cast<int>(clipRight),
                                  glyph.source.bottom - static_cast<int>(clipBottom)};
          (batch ? *batch : *direct_)
              .DrawRegion(pages_[glyph.page].texture, visible, static_cast<float>(left + clipLeft),
                          static_cast<float>(top + clipTop), color);
        }
      }
      x += glyph.advance;
    }
    top += lineHeight_;
  }
}

}  // namespace platform
