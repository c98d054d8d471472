#pragma once

#include "engine/Color4.h"

// The interface of every drawable shape. Only what the camera's screen fade uses is here yet.
class Shape {
 public:
  virtual ~Shape() = default;

  virtual Color4 GetColor() const = 0;
  virtual void SetFillColor(const Color4& color) = 0;
};
