#pragma once

#include <array>

#include "engine/draw/Shape.h"
#include "platform/Matrix.h"

// The textured picture of actors, icons and menus, drawn through the shared sprite batch so
// that a texel covers the same pixels at any camera distance: its size is the source
// rectangle in texels times `scale`. A sprite without a texture shows nothing.
class Sprite : public virtual Shape {
 public:
  explicit Sprite(Texture* newTexture);
  // The flag is stored as `dynamicBuffers`; the rectangle is one frame of a sprite sheet.
  Sprite(Texture* newTexture, uint8_t flag, const platform::Vector3& point, float degrees,
         const platform::PixelRect& rect);

  // Stores and raises dirty only when a factor differs.
  void SetScale(float x, float y);
  void SetScaleF(const platform::Vector2& factors) { SetScale(factors.x, factors.y); }

  // Source size times scale, in pixels without zoom.
  platform::Vector3 GetScaledSourceSize() const;
  // World units at depth 0, scale ignored.
  platform::Vector3 GetSize() const;
  // World units at depth 0.
  platform::Vector3 GetScaledSize() const;

  // World corners and midpoints, turned about the position.
  platform::Vector3 GetTopLeft() const;
  platform::Vector3 GetBottomLeft() const;
  platform::Vector3 GetTopRight() const;
  platform::Vector3 GetBottomRight() const;
  platform::Vector3 GetTopMid() const;
  platform::Vector3 GetLeftMid() const;
  platform::Vector3 GetBottomMid() const;

  // Around the screen position (y down).
  platform::Vector3 GetAltTopLeftUnrotated() const;
  platform::Vector3 GetAltTopRightUnrotated() const;
  platform::Vector3 GetAltTopLeft() const;
  platform::Vector3 GetAltBottomLeft() const;
  platform::Vector3 GetAltTopRight() const;
  platform::Vector3 GetAltBottomRight() const;

  // Where the world drawing lands on the screen, in pixels.
  platform::Vector3 GetScreenTopLeftUnrotated() const;
  platform::Vector3 GetScreenBottomLeftUnrotated() const;
  platform::Vector3 GetScreenTopRightUnrotated() const;
  platform::Vector3 GetScreenBottomRightUnrotated() const;
  platform::Vector3 GetScreenTopMidUnrotated() const;
  platform::Vector3 GetScreenBottomMidUnrotated() const;
  platform::Vector3 GetScreenLeftMidUnrotated() const;
  platform::Vector3 GetScreenRightMidUnrotated() const;
  platform::Vector3 GetScreenTopLeft() const;
  platform::Vector3 GetScreenBottomLeft() const;
  platform::Vector3 GetScreenTopRight() const;
  platform::Vector3 GetScreenBottomRight() const;
  platform::Vector3 GetScreenTopMid() const;
  platform::Vector3 GetScreenBottomMid() const;
  platform::Vector3 GetScreenLeftMid() const;
  platform::Vector3 GetScreenRightMid() const;

  // Editor drags: the opposite corner or edge stays; a drag across flips the picture.
  void SetTopLeft(const platform::Vector3& point);
  void SetBottomLeft(const platform::Vector3& point);
  void SetTopRight(const platform::Vector3& point);
  void SetBottomRight(const platform::Vector3& point);
  void SetTopEdge(const platform::Vector3& point);
  void SetBottomEdge(const platform::Vector3& point);
  void SetLeftEdge(const platform::Vector3& point);
  void SetRightEdge(const platform::Vector3& point);

  // The centre the batch draws the source rectangle about.
  platform::Vector3 DrawCenter() const;
  platform::Matrix4 BuildWorldTransform() const;
  platform::Matrix4 BuildScreenTransform() const;

  // Copies without the vertical flip.
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
  // In texels, not divided by the texture size.
  platform::Vector2 GetTexCoordTopLeft() const override;
  platform::Vector2 GetTexCoordBottomLeft() const override;
  platform::Vector2 GetTexCoordTopRight() const override;
  platform::Vector2 GetTexCoordBottomRight() const override;
  void RefreshExtent() override;
  // Moves through SetPosition, so the pivot follows and dirty is raised.
  void Move(float dt) override;
  void Draw() override;
  void DrawScreen() override;
  void DrawDebugInfo() override;
  void DrawVertexCoordinates() override {}

  // Lines: top, bottom, left, right, in screen pixels.
  std::array<platform::ScreenLineVertex, 8> worldOutline{};
  // Lines: bottom, top, left, right.
  std::array<platform::ScreenLineVertex, 8> screenOutline{};
  platform::Matrix4 transform = platform::Matrix4::Identity();
  platform::Vector2 scale{1.0f, 1.0f};

 private:

  float SourceWidth() const;
  float SourceHeight() const;
  // Pixels per texel at the camera's distance.
  static float Zoom();
  platform::Vector3 WorldCorner(float sx, float sy) const;
  platform::Vector3 AltCorner(float sx, float sy) const;
  platform::Vector3 ScreenPointUnrotated(float sx, float sy) const;
  platform::Vector3 ScreenPoint(float sx, float sy) const;
  void MoveCorner(const platform::Vector3& point, const platform::Vector3& fixed, bool left,
                  bool top);
  void MoveEdge(const platform::Vector3& point, const platform::Vector3& fixed, Edge edge);
  void DrawWith(const platform::Matrix4& matrix);
};
