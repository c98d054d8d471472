#include "GlyphRaster.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <limits>

namespace {

constexpr int SmallestPointSize = 4;
// Point sizes are tried from this many times the wanted ink height down.
constexpr int LargestSizeFactor = 2;
constexpr int FirstPrintable = 32;
constexpr int LastPrintable = 126;
// Sizes are in points at this many dots per inch, one point a pixel.
constexpr float NominalDpi = 72.0f;
constexpr unsigned char FullCoverage = 255;

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace

struct GlyphRaster::Face {
  TTF_Font* font = nullptr;
  ~Face() {
    if (font) TTF_CloseFont(font);
    TTF_Quit();
  }
};

GlyphRaster::GlyphRaster(std::unique_ptr<Face> face, int size, Edges edges)
    : face_(std::move(face)), size_(size), edges_(edges) {}

GlyphRaster::~GlyphRaster() = default;

std::string GlyphRaster::Printable() {
  std::string characters;
  for (int code = FirstPrintable; code <= LastPrintable; ++code)
    characters += static_cast<char>(code);
  return characters;
}

std::unique_ptr<GlyphRaster> GlyphRaster::Open(const std::vector<std::string>& candidates,
                                               int inkHeight, const std::string& characters,
                                               Edges edges) {
  for (const std::string& file : candidates) {
    for (int size = inkHeight * LargestSizeFactor; size >= SmallestPointSize; --size) {
      if (TTF_Init() != 0) return nullptr;
      auto face = std::make_unique<Face>();
      face->font = TTF_OpenFont(file.c_str(), size);
      if (!face->font) break;  // the file does not open: try the next one
      if (edges == Edges::Crisp) TTF_SetFontHinting(face->font, TTF_HINTING_MONO);
      std::unique_ptr<GlyphRaster> raster(new GlyphRaster(std::move(face), size, edges));
      if (raster->MeasureInk(characters, inkHeight)) return raster;
    }
  }
  return nullptr;
}

bool GlyphRaster::MeasureInk(const std::string& characters, int inkHeight) {
  inkTop_ = std::numeric_limits<int>::max();
  inkBottom_ = 0;
  for (char character : characters) {
    const InkBox ink = Render(character).Ink();
    if (ink.Width() == 0) continue;
    inkTop_ = std::min(inkTop_, ink.top);
    inkBottom_ = std::max(inkBottom_, ink.bottom);
    if (inkBottom_ - inkTop_ > inkHeight) return false;
  }
  return inkBottom_ > inkTop_;
}

GlyphRaster::InkBox GlyphRaster::Mask::Ink() const {
  InkBox ink{width, 0, height, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (At(x, y) == 0) continue;
      ink.first = std::min(ink.first, x);
      ink.end = std::max(ink.end, x + 1);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y + 1);
    }
  }
  return ink;
}

GlyphRaster::Mask GlyphRaster::Render(char character, float widthScale) const {
  Mask mask;
  const auto dpi = static_cast<unsigned>(NominalDpi);
  const auto widthDpi = static_cast<unsigned>(std::max(1.0f, NominalDpi * widthScale + 0.5f));
  if (TTF_SetFontSizeDPI(face_->font, size_, widthDpi, dpi) != 0) return mask;
  const char text[2] = {character, '\0'};
  if (edges_ == Edges::Crisp) return RenderCrisp(text);
  SurfacePtr rendered(TTF_RenderUTF8_Blended(face_->font, text, SDL_Color{255, 255, 255, 255}));
  if (!rendered) return mask;
  SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) return mask;
  mask.width = argb->w;
  mask.height = argb->h;
  mask.coverage.resize(static_cast<size_t>(mask.width) * mask.height);
  SDL_LockSurface(argb.get());
  for (int y = 0; y < argb->h; ++y) {
    const auto* row =
        reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < argb->w; ++x) {
      mask.coverage[static_cast<size_t>(y) * mask.width + x] =
          static_cast<unsigned char>(row[x] >> 24);
    }
  }
  SDL_UnlockSurface(argb.get());
  return mask;
}

// One bit a pixel: palette index 0 is clear, any other inked.
GlyphRaster::Mask GlyphRaster::RenderCrisp(const char* text) const {
  Mask mask;
  SurfacePtr rendered(TTF_RenderUTF8_Solid(face_->font, text, SDL_Color{255, 255, 255, 255}));
  if (!rendered || rendered->format->BytesPerPixel != 1) return mask;
  mask.width = rendered->w;
  mask.height = rendered->h;
  mask.coverage.resize(static_cast<size_t>(mask.width) * mask.height);
  SDL_LockSurface(rendered.get());
  for (int y = 0; y < rendered->h; ++y) {
    const Uint8* row = static_cast<const Uint8*>(rendered->pixels) + y * rendered->pitch;
    for (int x = 0; x < rendered->w; ++x) {
      mask.coverage[static_cast<size_t>(y) * mask.width + x] = row[x] != 0 ? FullCoverage : 0;
    }
  }
  SDL_UnlockSurface(rendered.get());
  return mask;
}
