#pragma once

// An atlas that several generators draw into, each its own cells: the pixels a generator does
// not draw are kept, and the file is written only when it is missing or the drawn cells
// changed it.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Image.h"

class SharedAtlas {
 public:
  // Starts from the file when it holds an atlas of this size, else from a transparent one.
  SharedAtlas(std::filesystem::path path, int size) : path_(std::move(path)) {
    image = platform::Image{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0)};
    std::optional<platform::Image> existing;
    if (std::filesystem::exists(path_)) existing = platform::LoadImageFile(path_.string(), 0, 0, 0);
    found_ = existing.has_value();
    if (existing && existing->width == size && existing->height == size) image = *existing;
    before_ = image.pixels;
  }

  // For a generator that draws the whole file: what it does not draw stays transparent.
  void Clear() { std::fill(image.pixels.begin(), image.pixels.end(), 0u); }

  uint32_t& At(int x, int y) { return image.pixels[static_cast<size_t>(y) * image.width + x]; }

  // False, with a message naming the tool, when the file cannot be written.
  bool Save(const char* tool) const {
    if (found_ && image.pixels == before_) return true;
    std::error_code error;
    std::filesystem::create_directories(path_.parent_path(), error);
    if (!platform::SaveImagePng(image, path_.string())) {
      std::fprintf(stderr, "%s: cannot write %s\n", tool, path_.string().c_str());
      return false;
    }
    return true;
  }

  platform::Image image;

 private:
  std::filesystem::path path_;
  bool found_ = false;
  std::vector<uint32_t> before_;
};
