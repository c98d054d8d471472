#pragma once

#include <array>

#include "engine/draw/Shape.h"

// One segment of `length` centred on the position and turned by the rotation, drawn one
// pixel wide in the fill colour. It contains no point and has no outline.
class Line : public virtual Shape {
 public:
  Line();

  // An unchanged length leaves the dirty flag alone; the extent follows only RefreshExtent.
  void SetLength(float newLength);

  std::unique_ptr<Shape> Clone() const override;
  void ResetColorFactors() override {}
  void RebuildVertices() override;
  void SetPosition(const platform::Vector3& point) override;
  void SetAltPosition(const platform::Vector3& point) override;
  void SetFillColor(const Color4& color) override;
  void SetOutlineColor(const Color4& color) override;
  bool ContainsPointWithMargin(const platform::Vector3&, float) const override { return false; }
  bool AltContainsPointWithMargin(const platform::Vector3&, float) const override { return false; }
  platform::Vector3 GetTopmostPoint() const override;
  platform::Vector3 GetLeftmostPoint() const override;
  platform::Vector3 GetBottommostPoint() const override;
  platform::Vector3 GetRightmostPoint() const override;
  platform::Vector3 GetAltTopmostPoint() const override;
  platform::Vector3 GetAltLeftmostPoint() const override;
  platform::Vector3 GetAltBottommostPoint() const override;
  platform::Vector3 GetAltRightmostPoint() const override;
  void RefreshExtent() override { extent = length; }
  // Drawn with the world transform the device holds.
  void Draw() override;
  void DrawScreen() override;
  void DrawDebugInfo() override;
  void DrawVertexCoordinates() override;

  std::array<platform::WorldVertex, 2> worldEnds{};
  std::array<platform::ScreenVertex, 2> screenEnds{};
  float length = 0.0f;

 private:
  // The half segment from the centre to the second end.
  platform::Vector3 HalfSegment() const;
};
