#pragma once

#include <cstdint>

// A colour as four bytes in the order alpha, red, green, blue.
struct Color4 {
  uint8_t a = 0;
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  // Packed for the drawing device: alpha in the top byte.
  uint32_t ToD3DColor() const {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
           static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
  }

  // Byte by byte, modulo 256: no saturation.
  friend Color4 operator+(const Color4& x, const Color4& y) {
    return {static_cast<uint8_t>(x.a + y.a), static_cast<uint8_t>(x.r + y.r),
            static_cast<uint8_t>(x.g + y.g), static_cast<uint8_t>(x.b + y.b)};
  }
  friend Color4 operator-(const Color4& x, const Color4& y) {
    return {static_cast<uint8_t>(x.a - y.a), static_cast<uint8_t>(x.r - y.r),
            static_cast<uint8_t>(x.g - y.g), static_cast<uint8_t>(x.b - y.b)};
  }

  friend bool operator==(const Color4&, const Color4&) = default;
};
