#include "engine/draw/Circle.h"

#include <algorithm>
#include <cmath>

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "platform/Renderer.h"

using platform::Vector3;

namespace {

constexpr float SegmentAngle = 0.22439946f;  // 2 pi / 28

}  // namespace

Circle::Circle() {
  Initialize();
  type = ShapeTypeCircle;
  radius = 0.0f;
  fillFraction = 1.0f;
  dynamicBuffers = 0;
  RebuildVertices();
  extent = radius;
}

Circle& Circle::operator=(const Circle& other) {
  if (this == &other) return *this;
  id = other.id;
  name = other.name;
  Shape::operator=(other);
  radius = other.radius;
  fillFraction = other.fillFraction;
  RefreshExtent();
  return *this;
}

std::unique_ptr<Shape> Circle::Clone() const {
  auto copy = std::make_unique<Circle>();
  CopyStateTo(*copy);
  // A copied circle starts without a previous position and without the vertical flip.
  copy->previousPosition = {};
  copy->flipVertical = 0;
  copy->SetRadius(radius);
  copy->fillFraction = std::isnan(fillFraction) ? 0.0f : std::clamp(fillFraction, 0.0f, 1.0f);
  return copy;
}

void Circle::SetRadius(float newRadius) {
  if (newRadius == radius) return;
  radius = newRadius;
  RefreshExtent();
  dirty = 1;
}

int Circle::PrimitiveCount() const {
  if (!(fillFraction > 0.0f)) return 0;
  if (fillFraction >= 1.0f) return Segments;
  return static_cast<int>(fillFraction * Segments);
}

void Circle::RebuildVertices() {
  const platform::Vector2 topLeft = GetTexCoordTopLeft();
  const platform::Vector2 bottomRight = GetTexCoordBottomRight();
  const float hu = (bottomRight.x - topLeft.x) / 2;
  const float hv = (bottomRight.y - topLeft.y) / 2;
  const uint32_t fill = fillColor.ToD3DColor();
  const uint32_t outline = outlineColor.ToD3DColor();

  worldFan[0] = {position.x, position.y, position.z, fill, topLeft.x + hu, topLeft.y + hv};
  screenFan[0] = {position.x, position.y, position.z, 1.0f, fill, topLeft.x + hu, topLeft.y + hv};
  for (int k = 0; k < Segments; ++k) {
    const float theta = static_cast<float>(k) * SegmentAngle;
    const float c = std::cos(theta);
    const float s = std::sin(theta);
    const float x = position.x + radius * c;
    const float y = position.y + radius * s;
    const float u = topLeft.x + hu * (1 + c);
    const float v = topLeft.y + hv * (1 - s);
    worldFan[k + 1] = {x, y, position.z, fill, u, v};
    worldRim[k] = {x, y, position.z, outline, u, v};
    screenFan[k + 1] = {x, y, position.z, 1.0f, fill, u, v};
    screenRim[k] = {x, y, position.z, 1.0f, outline, u, v};
  }
  worldFan[Segments + 1] = worldFan[1];
  screenFan[Segments + 1] = screenFan[1];
  worldRim[Segments] = worldRim[0];
  screenRim[Segments] = screenRim[0];
}

void Circle::SetPosition(const Vector3& point) { MovePositionTo(point); }

void Circle::SetAltPosition(const Vector3& point) { MoveAltPositionTo(point); }

void Circle::SetFillColor(const Color4& color) {
  fillColor = color;
  const uint32_t packed = color.ToD3DColor();
  for (auto& vertex : worldFan) vertex.color = packed;
  for (auto& vertex : screenFan) vertex.color = packed;
  dirty = 1;
}

void Circle::SetOutlineColor(const Color4& color) {
  outlineColor = color;
  const uint32_t packed = color.ToD3DColor();
  for (auto& vertex : worldRim) vertex.color = packed;
  for (auto& vertex : screenRim) vertex.color = packed;
  dirty = 1;
}

bool Circle::ContainsPointWithMargin(const Vector3& point, float margin) const {
  return Distance2D(point, position) <= radius + margin;
}

bool Circle::AltContainsPointWithMargin(const Vector3& point, float margin) const {
  return Distance2D(point, altPosition) <= radius + margin;
}

Vector3 Circle::GetTopmostPoint() const { return position + Vector3{0, radius, 0}; }
Vector3 Circle::GetLeftmostPoint() const { return position - Vector3{radius, 0, 0}; }
Vector3 Circle::GetBottommostPoint() const { return position - Vector3{0, radius, 0}; }
Vector3 Circle::GetRightmostPoint() const { return position + Vector3{radius, 0, 0}; }
Vector3 Circle::GetAltTopmostPoint() const { return altPosition + Vector3{0, radius, 0}; }
Vector3 Circle::GetAltLeftmostPoint() const { return altPosition - Vector3{radius, 0, 0}; }
Vector3 Circle::GetAltBottommostPoint() const { return altPosition - Vector3{0, radius, 0}; }
Vector3 Circle::GetAltRightmostPoint() const { return altPosition + Vector3{radius, 0, 0}; }

void Circle::Draw() {
  if (Device && !TurnIntoView(radius)) return;
  if (dirty) Update();
  if (!Device) return;
  const int count = PrimitiveCount();
  Device->SetTexture(DrawnTexture());
  if (count > 0) Device->Draw(platform::PrimitiveKind::TriangleFan, worldFan.data(), count);
  if (outlineVisible && count > 0) {
    Device->SetTexture(nullptr);
    Device->Draw(platform::PrimitiveKind::LineStrip, worldRim.data(), count);
  }
  Device->SetTransform(platform::TransformKind::World, IdentityMatrix);
}

void Circle::DrawScreen() {
  if (dirty) Update();
  if (!Device) return;
  const int count = PrimitiveCount();
  if (count == 0) return;
  Device->SetTexture(DrawnTexture());
  Device->Draw(platform::PrimitiveKind::TriangleFan, screenFan.data(), count);
  if (outlineVisible) {
    Device->SetTexture(nullptr);
    Device->Draw(platform::PrimitiveKind::LineStrip, screenRim.data(), count);
  }
}

void Circle::DrawDebugInfo() {
  DrawDebugLine(position, StringToWString(name));
  DrawDebugLine(position - Vector3{0, 0.3f, 0}, QuadToWString(L"Center: ", position));
  DrawDebugLine(position - Vector3{0, 0.6f, 0}, FloatToWStringFormatted(L"Radius: ", radius));
  DrawDebugLine(position - Vector3{0, 0.9f, 0}, FloatToWStringFormatted(L"Rotation: ", rotation));
  DrawDebugLine(position - Vector3{0, 1.2f, 0}, L"Draw layer: " + IntToWString(layer));
}

void Circle::DrawVertexCoordinates() {
  for (const platform::WorldVertex& vertex : worldFan) {
    Vector3 point{vertex.x, vertex.y, vertex.z};
    DrawDebugLine(point, QuadToWString(L"", point));
  }
}
