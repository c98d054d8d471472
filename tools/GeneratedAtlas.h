#pragma once

// An atlas a generator draws whole: what it does not draw is transparent, whatever an older file
// held, so a fresh checkout and an old one hold the same pictures. The file is written only when
// it is missing or the drawing changed it.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Image.h"

class GeneratedAtlas {
 public:
  GeneratedAtlas(std::filesystem::path path, int size) : path_(std::move(path)) {
    image = platform::Image{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0)};
    if (std::filesystem::exists(path_)) existing_ = platform::LoadImageFile(path_.string(), 0, 0, 0);
  }

  uint32_t& At(int x, int y) { return image.pixels[static_cast<size_t>(y) * image.width + x]; }

  // False, with a message naming the tool, when the file cannot be written.
  bool Save(const char* tool) const {
    if (existing_ && existing_->width == image.width && existing_->height == image.height &&
        existing_->pixels == image.pixels) {
      return true;
    }
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
  std::optional<platform::Image> existing_;
};
