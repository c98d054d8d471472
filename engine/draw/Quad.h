#pragma once

#include <array>

#include "engine/draw/Shape.h"

// A rectangle of width by height centred on the position, turned by the rotation
// (counter-clockwise, world y up), optionally textured and outlined. It keeps ready vertex
// arrays for drawing in the world and at its screen position.
class Quad : public virtual Shape {
 public:
  Quad();
  // The flag is stored as `dynamicBuffers`; it has no effect on drawing.
  explicit Quad(uint8_t flag);
  Quad(const Quad& other);
  Quad& operator=(const Quad& other);

  // Returns at once when all three are unchanged.
  void SetDimensions(float newWidth, float newHeight, float newDepth);
  void SetDimensionsF(float newWidth, float newHeight, float newDepth) {
    SetDimensions(newWidth, newHeight, newDepth);
  }
  void SetWidth(float newWidth) { SetDimensions(newWidth, height, depth); }
  void SetHeight(float newHeight) { SetDimensions(width, newHeight, depth); }

  // World corners and edge midpoints, turned about the position.
  platform::Vector3 GetTopLeft() const;
  platform::Vector3 GetBottomLeft() const;
  platform::Vector3 GetTopRight() const;
  platform::Vector3 GetBottomRight() const;
  platform::Vector3 GetLeftMid() const;
  platform::Vector3 GetRightMid() const;
  platform::Vector3 GetTopMid() const;
  platform::Vector3 GetBottomMid() const;
  // Screen corners (y down), turned about the screen position.
  platform::Vector3 GetAltTopLeft() const;
  platform::Vector3 GetAltBottomLeft() const;
  platform::Vector3 GetAltTopRight() const;
  platform::Vector3 GetAltBottomRight() const;
  // Turned as the drawn screen vertices are.
  platform::Vector3 GetAltTopMid() const;
  platform::Vector3 GetAltBottomMid() const;
  // Rotation ignored: menu and editor layout.
  platform::Vector3 GetAltTopLeftUnrotated() const;
  platform::Vector3 GetAltBottomLeftUnrotated() const;
  platform::Vector3 GetAltTopRightUnrotated() const;
  platform::Vector3 GetAltBottomRightUnrotated() const;
  platform::Vector3 GetAltLeftMidUnrotated() const;
  platform::Vector3 GetAltRightMidUnrotated() const;

  // Corner moves keep the opposite corner in place; a corner dragged across flips the picture.
  void SetTopLeft(const platform::Vector3& point);
  void SetBottomLeft(const platform::Vector3& point);
  void SetTopRight(const platform::Vector3& point);
  void SetBottomRight(const platform::Vector3& point);
  // Edge moves keep the opposite edge in place.
  void SetLeftEdge(const platform::Vector3& point);
  void SetRightEdge(const platform::Vector3& point);
  void SetTopEdge(const platform::Vector3& point);
  void SetBottomEdge(const platform::Vector3& point);

  // Store the outline colour and recolour that one edge in both outlines.
  void SetTopEdgeColor(const Color4& color);
  void SetRightEdgeColor(const Color4& color);
  void SetBottomEdgeColor(const Color4& color);
  void SetLeftEdgeColor(const Color4& color);

  std::unique_ptr<Shape> Clone() const override;
  void ResetColorFactors() override;
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
  void RefreshExtent() override;
  void Draw() override;
  void DrawScreen() override;
  void DrawDebugInfo() override;
  void DrawVertexCoordinates() override;

  // Fan order: top-left, top-right, bottom-right, bottom-left.
  std::array<platform::WorldVertex, 4> worldFill{};
  std::array<platform::ScreenVertex, 4> screenFill{};
  // Lines: right, left, top, bottom.
  std::array<platform::WorldLineVertex, 8> worldOutline{};
  // Lines: top, bottom, left, right.
  std::array<platform::ScreenLineVertex, 8> screenOutline{};
  float width = 1.0f;
  float height = 1.0f;
  float depth = 0.0f;  // only stored and shown

 protected:
  // Recolours one edge in both outlines, leaving the stored outline colour alone.
  void PaintEdge(Edge edge, uint32_t packedColor);

 private:
  void Construct();
  // In the order top-left, bottom-left, top-right, bottom-right.
  std::array<platform::Vector3, 4> WorldCorners() const;
  std::array<platform::Vector3, 4> AltCorners() const;
  void FinishCopy(uint8_t flag);
  void SetEdgeColor(Edge edge, const Color4& color);
  void MoveCorner(const platform::Vector3& point, const platform::Vector3& fixed, bool left,
                  bool top);
  void MoveEdge(const platform::Vector3& point, const platform::Vector3& fixed, Edge edge);
  bool ContainsAround(const platform::Vector3& center, const platform::Vector3& point,
                      float margin) const;
};
