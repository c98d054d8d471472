#include "platform/Image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <memory>

namespace platform {

namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace

std::optional<Image> LoadImageFile(const std::string& path, int width, int height,
                                   uint32_t colorKey) {
  SurfacePtr loaded(IMG_Load(path.c_str()));
  if (!loaded) return std::nullopt;
  SurfacePtr source(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!source) return std::nullopt;
  loaded.reset();

  // The key is applied before scaling, so only pixels of exactly that colour vanish.
  SDL_LockSurface(source.get());
  for (int y = 0; y < source->h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(source->pixels) + y * source->pitch);
    for (int x = 0; x < source->w; ++x) {
      if (row[x] == colorKey) row[x] = 0;
    }
  }
  SDL_UnlockSurface(source.get());

  if (width <= 0) width = source->w;
  if (height <= 0) height = source->h;
  SurfacePtr sized;
  if (width == source->w && height == source->h) {
    sized = std::move(source);
  } else {
    sized.reset(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!sized || SDL_SoftStretchLinear(source.get(), nullptr, sized.get(), nullptr) != 0) {
      return std::nullopt;
    }
  }

  Image image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<size_t>(width) * height);
  SDL_LockSurface(sized.get());
  for (int y = 0; y < height; ++y) {
    std::memcpy(&image.pixels[static_cast<size_t>(y) * width],
                static_cast<uint8_t*>(sized->pixels) + y * sized->pitch,
                static_cast<size_t>(width) * sizeof(uint32_t));
  }
  SDL_UnlockSurface(sized.get());
  return image;
}

bool SaveImagePng(const Image& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
    return false;
  }
  std::vector<uint32_t> pixels = image.pixels;
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), image.width, image.height,
                                                        32, image.width * 4,
                                                        SDL_PIXELFORMAT_ARGB8888));
  return surface && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

}  // namespace platform
