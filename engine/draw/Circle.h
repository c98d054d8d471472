#pragma once

#include <array>

#include "engine/draw/Shape.h"

// A disc of `radius` around the position, drawn as a fan of 28 segments with an optional rim;
// `fillFraction` draws only part of it, counter-clockwise from the +x side.
class Circle : public virtual Shape {
 public:
  static constexpr int Segments = 28;

  Circle();
  Circle& operator=(const Circle& other);

  void SetRadius(float newRadius);
  // trunc(fillFraction x 28), kept within the vertex arrays; NaN draws nothing.
  int PrimitiveCount() const;

  std::unique_ptr<Shape> Clone() const override;
  void ResetColorFactors() override {}
  void RebuildVertices() override;
  void SetPosition(const platform::Vector3& point) override;
  void SetAltPosition(const platform::Vector3& point) override;
  void SetFillColor(const Color4& color) override;
  void SetOutlineColor(const Color4& color) override;
  bool ContainsPointWithMargin(const platform::Vector3& point, float margin) const override;
  bool AltContainsPointWithMargin(const platform::Vector3& point, float margin) const override;
  platform::Vector3 GetTopmostPoint() const override;
  platform::Vector3 GetLeftmostPoint() const override;
  platform::Vector3 GetBottommostPoint() const override;
  platform::Vector3 GetRightmostPoint() const override;
  platform::Vector3 GetAltTopmostPoint() const override;
  platform::Vector3 GetAltLeftmostPoint() const override;
  platform::Vector3 GetAltBottommostPoint() const override;
  platform::Vector3 GetAltRightmostPoint() const override;
  void RefreshExtent() override { extent = radius; }
  void Draw() override;
  void DrawScreen() override;
  void DrawDebugInfo() override;
  void DrawVertexCoordinates() override;

  // Vertex 0 the centre, 1-28 the rim points, 29 rim point 0 again.
  std::array<platform::WorldVertex, Segments + 2> worldFan{};
  // Rim points 0-27, then rim point 0 again: a line strip.
  std::array<platform::WorldVertex, Segments + 1> worldRim{};
  // The same positions read as pixels.
  std::array<platform::ScreenVertex, Segments + 2> screenFan{};
  std::array<platform::ScreenVertex, Segments + 1> screenRim{};
  float radius = 0.0f;
  float fillFraction = 1.0f;
};
