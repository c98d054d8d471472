#pragma once

#include <cstdint>

#include "platform/Image.h"
#include "platform/Vertex.h"

// Opaque pixel colours as frames are read back: alpha << 24 | red << 16 | green << 8 | blue.
namespace pixel {
constexpr uint32_t Black = 0xFF000000u;
constexpr uint32_t White = 0xFFFFFFFFu;
constexpr uint32_t Red = 0xFFFF0000u;
constexpr uint32_t Green = 0xFF00FF00u;
constexpr uint32_t Blue = 0xFF0000FFu;
constexpr uint32_t Yellow = 0xFFFFFF00u;
constexpr uint32_t Magenta = 0xFFFF00FFu;
constexpr uint32_t Cyan = 0xFF00FFFFu;

// The pixels of the frame within the box that the test accepts.
template <typename Test>
int CountIn(const platform::Image& frame, const platform::PixelRect& box, Test accepts) {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) count += accepts(frame.Pixel(x, y)) ? 1 : 0;
  }
  return count;
}
}  // namespace pixel
