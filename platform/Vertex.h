#pragma once

#include <cstdint>

namespace platform {

// The vertex records the shapes keep and the device draws. Colours are packed
// alpha << 24 | red << 16 | green << 8 | blue.

// World position, colour, texture coordinate.
struct WorldVertex {
  float x = 0.0f, y = 0.0f, z = 0.0f;
  uint32_t color = 0;
  float u = 0.0f, v = 0.0f;
};

// Screen pixels (y down), reciprocal w, colour, texture coordinate.
struct ScreenVertex {
  float x = 0.0f, y = 0.0f, z = 0.0f, rhw = 1.0f;
  uint32_t color = 0;
  float u = 0.0f, v = 0.0f;
};

// World position, point size, colour: outlines.
struct WorldLineVertex {
  float x = 0.0f, y = 0.0f, z = 0.0f, pointSize = 0.0f;
  uint32_t color = 0;
};

// Screen pixels, reciprocal w, point size, colour: outlines on the screen.
struct ScreenLineVertex {
  float x = 0.0f, y = 0.0f, z = 0.0f, rhw = 1.0f, pointSize = 0.0f;
  uint32_t color = 0;
};

enum class PrimitiveKind { TriangleFan, TriangleList, LineList, LineStrip };

// A rectangle of texels or pixels; right and bottom are exclusive.
struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

}  // namespace platform
