#pragma once

#include "platform/MathTypes.h"

class ShapeList;
class Sprite;

// Where a shape lies on the screen (pixels, y down), rotation ignored: menu layout works from
// these edges.
struct ScreenBox {
  float left = 0.0f;
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;

  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  platform::Vector3 TopLeft() const { return {left, top, 0.0f}; }
};

// Around the screen position: the source rectangle times the scale.
ScreenBox ScreenBoxOf(const Sprite& sprite);
// The list's cached screen bounds.
ScreenBox ScreenBoxOf(const ShapeList& list);
