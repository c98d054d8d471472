#pragma once

// A picture being drawn, and the noise the materials are made of. Every pattern is periodic
// over the picture's width (and height, for the tiles), so that copies laid side by side meet
// without a seam.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Image.h"

namespace tiles {

inline constexpr float TwoPi = 6.28318531f;

struct Canvas {
  Canvas(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0) {}

  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  // x wraps round the picture.
  uint32_t& AtWrapped(int x, int y);
  // Lays the colour over the pixel with the given coverage (0 to 1), keeping what shows through.
  void Blend(int x, int y, uint32_t color, float coverage);

  int width;
  int height;
  std::vector<uint32_t> pixels;
};

// A value in 0..1 for a lattice point, the same for every run.
float Hash(int x, int y, uint32_t seed);
// Smooth value noise in 0..1 over the unit square (u, v), repeating after it; `cells` lattice
// cells across and down.
float PeriodicNoise(float u, float v, int cellsX, int cellsY, uint32_t seed);
// Several octaves of the above, each twice as fine and half as strong.
float PeriodicFractal(float u, float v, int cellsX, int cellsY, int octaves, uint32_t seed);

uint32_t Rgb(int r, int g, int b);
// The colour with each channel times the factor, alpha kept.
uint32_t Shade(uint32_t color, float factor);

// Writes the picture as a PNG unless the file already holds exactly it. The map loader keys
// out opaque white, so no pixel is left exactly that.
bool WriteIfChanged(Canvas canvas, const std::string& path);

}  // namespace tiles
