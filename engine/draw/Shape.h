#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/Color4.h"
#include "engine/draw/Primitive.h"
#include "platform/MathTypes.h"
#include "platform/Matrix.h"
#include "platform/Vertex.h"

class Texture;
namespace platform {
class DeviceTexture;
}

enum ShapeType : int32_t {
  ShapeTypeQuad = 0,
  ShapeTypeCircle = 1,
  ShapeTypeShapeList = 2,
  ShapeTypeSprite = 3,
  ShapeTypeLine = 4,
};

// The interface of every drawable shape. A shape keeps its own vertex arrays, rebuilt from its
// state when `dirty` is raised: Draw and DrawScreen rebuild first when it is set.
class Shape : public virtual Primitive {
 public:
  ~Shape() override = default;

  // The state of a fresh shape; every concrete constructor runs it first.
  void Initialize();
  // A null texture leaves the rectangle and the dirty flag alone.
  void SetTexture(Texture* newTexture);
  void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void SetVelocity(float x, float y, float z);
  // Normalised; an unchanged angle leaves the dirty flag alone.
  void SetRotation(float degrees);
  Color4 GetColor() const { return fillColor; }
  Color4 GetColor2() const { return outlineColor; }
  // Rebuilds the vertex arrays and clears the dirty flag.
  void Update();

  std::unique_ptr<Primitive> ClonePrimitive() const override;
  // The caller owns the copy.
  virtual std::unique_ptr<Shape> Clone() const = 0;
  // Resets the constant fields of the vertex arrays and re-applies the colours.
  virtual void ResetColorFactors() = 0;
  virtual void RebuildVertices() = 0;

  virtual void SetPosition(const platform::Vector3& point) = 0;
  void SetPositionXYZ(float x, float y, float z) { SetPosition({x, y, z}); }
  virtual void SetAltPosition(const platform::Vector3& point) = 0;
  void SetAltPositionXYZ(float x, float y, float z) { SetAltPosition({x, y, z}); }
  virtual void SetFillColor(const Color4& color) = 0;
  void SetFillColorRGBA(uint8_t a, uint8_t r, uint8_t g, uint8_t b) { SetFillColor({a, r, g, b}); }
  virtual void SetOutlineColor(const Color4& color) = 0;
  void SetOutlineColorRGBA(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    SetOutlineColor({a, r, g, b});
  }

  // Point tests in the xy-plane, boundary included.
  virtual bool ContainsPointWithMargin(const platform::Vector3& point, float margin) const = 0;
  bool ContainsPoint(const platform::Vector3& point) const {
    return ContainsPointWithMargin(point, 0.0f);
  }
  virtual bool AltContainsPointWithMargin(const platform::Vector3& point, float margin) const = 0;
  bool AltContainsPoint(const platform::Vector3& point) const {
    return AltContainsPointWithMargin(point, 0.0f);
  }

  virtual platform::Vector3 GetTopmostPoint() const = 0;
  virtual platform::Vector3 GetLeftmostPoint() const = 0;
  virtual platform::Vector3 GetBottommostPoint() const = 0;
  virtual platform::Vector3 GetRightmostPoint() const = 0;
  virtual platform::Vector3 GetAltTopmostPoint() const = 0;
  virtual platform::Vector3 GetAltLeftmostPoint() const = 0;
  virtual platform::Vector3 GetAltBottommostPoint() const = 0;
  virtual platform::Vector3 GetAltRightmostPoint() const = 0;

  // The source rectangle's corners over the texture size (1 without a texture).
  virtual platform::Vector2 GetTexCoordTopLeft() const;
  virtual platform::Vector2 GetTexCoordBottomLeft() const;
  virtual platform::Vector2 GetTexCoordTopRight() const;
  virtual platform::Vector2 GetTexCoordBottomRight() const;

  virtual void RefreshExtent() = 0;
  // Integrates the velocity; the vertex arrays stay as they are.
  virtual void Move(float dt);
  virtual void Draw() = 0;
  virtual void DrawScreen() = 0;
  virtual void DrawDebugInfo() = 0;
  virtual void DrawVertexCoordinates() = 0;

  // Maps keep the outline flag as their edit flag: the editor outlines the shape it works on.
  uint8_t EditFlag() const { return outlineVisible; }
  void SetEditFlag(uint8_t flag) { outlineVisible = flag; }

  int32_t type = ShapeTypeQuad;
  Texture* texture = nullptr;  // not owned
  platform::PixelRect sourceRect;
  platform::Vector3 pivot;
  platform::Vector3 position;
  platform::Vector3 altPosition;
  platform::Vector3 previousPosition;
  float rotation = 0.0f;
  float extent = 0.0f;
  uint8_t flipHorizontal = 0;
  uint8_t flipVertical = 0;
  platform::Vector3 velocity;
  Color4 fillColor;
  Color4 outlineColor;
  // While set the shape draws its outline; a quad only while it is 1.
  uint8_t outlineVisible = 0;
  int32_t layer = 0;
  std::array<platform::Vector3, 4> sideVectors{};
  uint8_t dynamicBuffers = 0;
  uint8_t dirty = 0;

 protected:
  enum Edge { EdgeTop, EdgeRight, EdgeBottom, EdgeLeft };

  Shape() = default;
  Shape(const Shape&) = default;
  // Copies the name and the shape state except `extent` and `dynamicBuffers`.
  Shape& operator=(const Shape& other);

  // pivot keeps its offset from the position; raises dirty.
  void MovePositionTo(const platform::Vector3& point);
  void MoveAltPositionTo(const platform::Vector3& point);
  // The fields every clone takes over from its source, position and colours through the
  // setters, in this order:
  // name, texture, rectangle, pivot, position, previous position, screen position, rotation,
  // flips, velocity, colours, dirty flag, outline flag, layer and side vectors.
  void CopyStateTo(Shape& copy) const;
  // The device texture to draw with; none for an untextured shape or a texture that failed to load.
  const platform::DeviceTexture* DrawnTexture() const;
  // Sets the device's world transform to TurnedAboutPosition, unless a shape within the radius
  // of its position would land wholly outside the frame: then it is not to be drawn at all, the
  // world transform is left at identity and the answer is false.
  bool TurnIntoView(float radius) const;
  // The texture size for texture coordinates: 1 by 1 without a texture.
  platform::Vector2 TextureDivisors() const;
  // After a corner drag: a corner dragged past the opposite one (a negative extent) flips the
  // picture on that axis.
  void FlipWhereCornerCrossed(float dx, float dy);
  // After an edge drag: when the moved edge passed the fixed one, judged in the shape's own
  // frame, the picture flips on that axis.
  void FlipIfEdgeCrossed(Edge edge, const platform::Vector3& moved, const platform::Vector3& fixed);
  // The world transform that turns the shape by its rotation about its position.
  platform::Matrix4 TurnedAboutPosition() const;
  // One line of debug text with its top-left corner at the world point's place on the screen.
  static void DrawDebugLine(const platform::Vector3& worldPoint, const std::wstring& text);
};
