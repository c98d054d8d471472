#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "tools/Raster.h"

namespace tiles {

namespace {

constexpr uint32_t OpaqueWhite = 0xFFFFFFFF;
constexpr uint32_t NearWhite = 0xFFFEFEFE;

int Wrap(int value, int period) { return ((value % period) + period) % period; }

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

uint32_t& Canvas::AtWrapped(int x, int y) { return At(Wrap(x, width), y); }

void Canvas::Blend(int x, int y, uint32_t color, float coverage) {
  if (y < 0 || y >= height || coverage <= 0.0f) return;
  uint32_t& pixel = AtWrapped(x, y);
  const float a = std::min(coverage, 1.0f) * raster::Channel(color, 24) / 255.0f;
  const float under = raster::Channel(pixel, 24) / 255.0f;
  const float out = a + under * (1.0f - a);
  if (out <= 0.0f) return;
  uint32_t result = static_cast<uint32_t>(out * 255.0f + 0.5f) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const float value =
        (raster::Channel(color, shift) * a + raster::Channel(pixel, shift) * under * (1.0f - a)) /
        out;
    result |= static_cast<uint32_t>(std::clamp(value + 0.5f, 0.0f, 255.0f)) << shift;
  }
  pixel = result;
}

float Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float PeriodicNoise(float u, float v, int cellsX, int cellsY, uint32_t seed) {
  const float x = u * static_cast<float>(cellsX);
  const float y = v * static_cast<float>(cellsY);
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const float fx = Smooth(x - static_cast<float>(x0));
  const float fy = Smooth(y - static_cast<float>(y0));
  auto at = [&](int i, int j) { return Hash(Wrap(i, cellsX), Wrap(j, cellsY), seed); };
  const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
  const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy;
}

float PeriodicFractal(float u, float v, int cellsX, int cellsY, int octaves, uint32_t seed) {
  float sum = 0.0f;
  float weight = 0.5f;
  float total = 0.0f;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * PeriodicNoise(u, v, cellsX << octave, cellsY << octave, seed + octave);
    total += weight;
    weight *= 0.5f;
  }
  return sum / total;
}

uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
         static_cast<uint32_t>(b);
}

uint32_t Shade(uint32_t color, float factor) {
  uint32_t result = color & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const float value = raster::Channel(color, shift) * factor;
    result |= static_cast<uint32_t>(std::clamp(value + 0.5f, 0.0f, 255.0f)) << shift;
  }
  return result;
}

bool WriteIfChanged(Canvas canvas, const std::string& path) {
  for (uint32_t& pixel : canvas.pixels) {
    if (pixel == OpaqueWhite) pixel = NearWhite;
  }
  const platform::Image image{canvas.width, canvas.height, std::move(canvas.pixels)};
  if (std::filesystem::exists(path)) {
    const std::optional<platform::Image> existing = platform::LoadImageFile(path, 0, 0, 0);
    if (existing && existing->width == image.width && existing->height == image.height &&
        existing->pixels == image.pixels) {
      return true;
    }
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (!platform::SaveImagePng(image, path)) {
    std::fprintf(stderr, "gen_tiles: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace tiles
