#include "engine/draw/Shape.h"

#include <cmath>

#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Renderer.h"

namespace {

const std::array<platform::Vector3, 4> InitialSideVectors = {
    platform::Vector3{0, 1, 0}, platform::Vector3{-1, 0, 0}, platform::Vector3{0, -1, 0},
    platform::Vector3{0, 1, 0}};

}  // namespace

void Shape::Initialize() {
  id = 0;
  name.clear();
  texture = nullptr;
  sourceRect = {};
  pivot = {};
  position = {};
  altPosition = {};
  previousPosition = {};
  rotation = 0.0f;
  flipHorizontal = 0;
  flipVertical = 0;
  velocity = {};
  fillColor = DefaultShapeColor;
  outlineColor = ColorBlack;
  outlineVisible = 0;
  layer = 0;
  sideVectors = InitialSideVectors;
  dirty = 0;
}

void Shape::SetTexture(Texture* newTexture) {
  texture = newTexture;
  if (!newTexture) return;
  sourceRect = {0, 0, static_cast<int32_t>(newTexture->width),
                static_cast<int32_t>(newTexture->height)};
  dirty = 1;
}

void Shape::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  sourceRect = {left, top, right, bottom};
  dirty = 1;
}

void Shape::SetVelocity(float x, float y, float z) { velocity = {x, y, z}; }

void Shape::SetRotation(float degrees) {
  float normalized = NormalizeAngle(degrees);
  if (normalized == rotation) return;
  rotation = normalized;
  dirty = 1;
}

void Shape::Update() {
  RebuildVertices();
  dirty = 0;
}

std::unique_ptr<Primitive> Shape::ClonePrimitive() const { return Clone(); }

const platform::DeviceTexture* Shape::DrawnTexture() const {
  if (!texture) return nullptr;
  texture->Require();
  return texture->texture.get();
}

bool Shape::TurnIntoView(float radius) const {
  Device->SetTransform(platform::TransformKind::World, TurnedAboutPosition());
  if (!Device->DiscMissesView(position, std::fabs(radius))) return true;
  Device->SetTransform(platform::TransformKind::World, IdentityMatrix);
  return false;
}

platform::Vector2 Shape::TextureDivisors() const {
  if (!texture) return {1.0f, 1.0f};
  return {static_cast<float>(texture->width), static_cast<float>(texture->height)};
}

platform::Vector2 Shape::GetTexCoordTopLeft() const {
  platform::Vector2 d = TextureDivisors();
  return {sourceRect.left / d.x, sourceRect.top / d.y};
}

platform::Vector2 Shape::GetTexCoordBottomLeft() const {
  platform::Vector2 d = TextureDivisors();
  return {sourceRect.left / d.x, sourceRect.bottom / d.y};
}

platform::Vector2 Shape::GetTexCoordTopRight() const {
  platform::Vector2 d = TextureDivisors();
  return {sourceRect.right / d.x, sourceRect.top / d.y};
}

platform::Vector2 Shape::GetTexCoordBottomRight() const {
  platform::Vector2 d = TextureDivisors();
  return {sourceRect.right / d.x, sourceRect.bottom / d.y};
}

void Shape::Move(float dt) {
  previousPosition = position;
  position = position + velocity * dt;
}

Shape& Shape::operator=(const Shape& other) {
  if (this == &other) return *this;
  name = other.name;
  texture = other.texture;
  sourceRect = other.sourceRect;
  pivot = other.pivot;
  position = other.position;
  previousPosition = other.previousPosition;
  altPosition = other.altPosition;
  rotation = other.rotation;
  flipHorizontal = other.flipHorizontal;
  flipVertical = other.flipVertical;
  type = other.type;
  velocity = other.velocity;
  fillColor = other.fillColor;
  outlineColor = other.outlineColor;
  dirty = other.dirty;
  outlineVisible = other.outlineVisible;
  layer = other.layer;
  sideVectors = other.sideVectors;
  return *this;
}

void Shape::MovePositionTo(const platform::Vector3& point) {
  pivot = point + (pivot - position);
  position = point;
  dirty = 1;
}

void Shape::MoveAltPositionTo(const platform::Vector3& point) {
  pivot = point + (pivot - position);
  altPosition = point;
  dirty = 1;
}

void Shape::CopyStateTo(Shape& copy) const {
  copy.name = name;
  if (copy.texture != texture) {
    copy.texture = texture;
    copy.dirty = 1;
  }
  copy.SetRect(sourceRect.left, sourceRect.top, sourceRect.right, sourceRect.bottom);
  copy.pivot = pivot;
  copy.SetPosition(position);
  copy.previousPosition = previousPosition;
  copy.SetAltPosition(altPosition);
  copy.SetRotation(rotation);
  if (copy.flipHorizontal != flipHorizontal) {
    copy.flipHorizontal = flipHorizontal;
    copy.dirty = 1;
  }
  if (copy.flipVertical != flipVertical) {
    copy.flipVertical = flipVertical;
    copy.dirty = 1;
  }
  copy.velocity = velocity;
  copy.SetFillColor(fillColor);
  copy.SetOutlineColor(outlineColor);
  copy.dirty = dirty;
  copy.outlineVisible = outlineVisible;
  copy.layer = layer;
  copy.sideVectors = sideVectors;
}

platform::Matrix4 Shape::TurnedAboutPosition() const {
  return platform::MatrixTranslation(-position.x, -position.y, -position.z) *
         platform::MatrixRotationZ(rotation * DegreesToRadians) *
         platform::MatrixTranslation(position.x, position.y, position.z);
}

void Shape::DrawDebugLine(const platform::Vector3& worldPoint, const std::wstring& text) {
  DrawTextAtWorldPoint(worldPoint, text, DebugTextColor.ToD3DColor());
}

void Shape::FlipWhereCornerCrossed(float dx, float dy) {
  if (dx < 0) {
    flipHorizontal = !flipHorizontal;
    dirty = 1;
  }
  if (dy < 0) {
    flipVertical = !flipVertical;
    dirty = 1;
  }
}

void Shape::FlipIfEdgeCrossed(Edge edge, const platform::Vector3& moved,
                              const platform::Vector3& fixed) {
  const platform::Vector3 movedLocal = RotateAboutPointClockwise(moved, position, rotation);
  const platform::Vector3 fixedLocal = RotateAboutPointClockwise(fixed, position, rotation);
  bool crossed = false;
  switch (edge) {
    case EdgeLeft:
      crossed = fixedLocal.x < movedLocal.x;
      break;
    case EdgeRight:
      crossed = movedLocal.x < fixedLocal.x;
      break;
    case EdgeTop:
      crossed = fixedLocal.y > movedLocal.y;
      break;
    case EdgeBottom:
      crossed = movedLocal.y > fixedLocal.y;
      break;
  }
  if (!crossed) return;
  if (edge == EdgeLeft || edge == EdgeRight) {
    flipHorizontal = !flipHorizontal;
  } else {
    flipVertical = !flipVertical;
  }
  dirty = 1;
}
