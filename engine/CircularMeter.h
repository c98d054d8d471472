#pragma once

#include <memory>

#include "engine/CircularMeterCircle.h"
#include "engine/Color4.h"

// A value against a maximum shown as the filled part of a circle, counter-clockwise on the
// screen from the top. The background circle shows the whole range beneath the arc.
class CircularMeter {
 public:
  CircularMeter(float newMaximum, float x, float y, float z, float radius, const Color4& newColor);

  // Lowers the value into [0, m] and recomputes the fill ratio.
  void SetMaximum(float m);
  // Stores the value unclamped; the drawn ratio stays within [0, 1].
  void SetValue(float v);
  void SetPosition(float x, float y, float z);
  // At the circles' screen places: the background, then the arc over it.
  void Draw();

  std::unique_ptr<CircularMeterCircle> background;
  std::unique_ptr<CircularMeterCircle> arc;
  Color4 color;
  float maximum = 0.0f;
  float value = 0.0f;

 private:
  void UpdateRatio();
};
