#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Pixels packed alpha << 24 | red << 16 | green << 8 | blue, row by row from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Reads an image file (PNG and the other formats SDL_image knows). Every pixel that equals
// the colour key exactly becomes transparent black; then the picture is scaled linearly to
// the requested size (a size of 0 keeps the file's). Nothing when the file cannot be read.
std::optional<Image> LoadImageFile(const std::string& path, int width, int height,
                                   uint32_t colorKey);

// Writes the image as a PNG file with its alpha; false when it cannot be written.
bool SaveImagePng(const Image& image, const std::string& path);

}  // namespace platform
