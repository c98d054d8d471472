#include "GlyphRaster.h"

#include <SDL.h>
#include <SDL_ttf.h>

namespace {

constexpr int SmallestPointSize = 4;

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

GlyphRaster::GlyphRaster(std::unique_ptr<Face> face, std::string file, int lineHeight)
    : face_(std::move(face)), file_(std::move(file)), lineHeight_(lineHeight) {}

GlyphRaster::~GlyphRaster() = default;

std::unique_ptr<GlyphRaster> GlyphRaster::Open(const std::vector<std::string>& candidates,
                                               int lineHeight) {
  for (const std::string& file : candidates) {
    for (int size = lineHeight; size >= SmallestPointSize; --size) {
      if (TTF_Init() != 0) return nullptr;
      auto face = std::make_unique<Face>();
      face->font = TTF_OpenFont(file.c_str(), size);
      if (!face->font) break;  // the file does not open: try the next one
      if (TTF_FontHeight(face->font) <= lineHeight) {
        const int height = TTF_FontHeight(face->font);
        return std::unique_ptr<GlyphRaster>(new GlyphRaster(std::move(face), file, height));
      }
    }
  }
  return nullptr;
}

GlyphRaster::Mask GlyphRaster::Render(char character) const {
  Mask mask;
  const char text[2] = {character, '\0'};
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
      mask.coverage[static_cast<size_t>(y) * mask.width + x] = static_cast<unsigned char>(row[x] >> 24);
    }
  }
  SDL_UnlockSurface(argb.get());
  return mask;
}
