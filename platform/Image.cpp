#include "platform/Image.h"

#include <SDL_image.h>

#include <cstring>

#include "platform/DecodedPicture.h"
#include "platform/PictureDecoder.h"

namespace platform {

std::optional<Image> LoadImageFile(const std::string& path, int width, int height,
                                   uint32_t colorKey) {
  std::unique_ptr<DecodedPicture> decoded = DecodePicture({path, width, height, colorKey});
  if (!decoded) return std::nullopt;
  SDL_Surface& surface = *decoded->pixels;
  Image image;
  image.width = surface.w;
  image.height = surface.h;
  image.pixels.resize(static_cast<size_t>(surface.w) * surface.h);
  for (int y = 0; y < surface.h; ++y) {
    std::memcpy(&image.pixels[static_cast<size_t>(y) * surface.w],
                static_cast<uint8_t*>(surface.pixels) + y * surface.pitch,
                static_cast<size_t>(surface.w) * sizeof(uint32_t));
  }
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
