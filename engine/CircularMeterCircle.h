#pragma once

#include <array>

#include "engine/draw/Circle.h"

// A circle of 98 segments for the circular meter. The ring starts below the centre (above it on
// the screen) and `fillFraction` draws only the leading part of it. The screen arrays take the
// world position's x and y, as a circle's do.
class CircularMeterCircle : public Circle {
 public:
  static constexpr int MeterSegments = 98;

  CircularMeterCircle();

  // trunc(fillFraction x 98), kept within the vertex arrays; NaN draws nothing.
  int MeterPrimitiveCount() const;

  void RebuildVertices() override;
  // Turned about the position by the rotation.
  void Draw() override;
  // The rotation is not applied.
  void DrawScreen() override;

  // Vertex 0 the centre, 1-98 the ring points, 99 ring point 0 again.
  std::array<platform::WorldVertex, MeterSegments + 2> meterWorldFan{};
  // Ring points 0-97, then ring point 0 again: a line strip.
  std::array<platform::WorldVertex, MeterSegments + 1> meterWorldRim{};
  std::array<platform::ScreenVertex, MeterSegments + 2> meterScreenFan{};
  std::array<platform::ScreenVertex, MeterSegments + 1> meterScreenRim{};
};
