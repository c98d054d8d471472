#include "engine/draw/Line.h"

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/VectorMath.h"
#include "platform/Renderer.h"

using platform::Vector3;

namespace {

constexpr int Segments = 1;

// The two ends as the extreme points compare them: on a tie the second end wins.
Vector3 Pick(const Vector3& first, const Vector3& second, bool firstBeyond) {
  return firstBeyond ? first : second;
}

}  // namespace

Line::Line() {
  Initialize();
  fillColor = ColorBlack;
  type = ShapeTypeLine;
  length = 0.0f;
  dynamicBuffers = 0;
  RebuildVertices();
  extent = length;
}

void Line::SetLength(float newLength) {
  if (newLength == length) return;
  length = newLength;
  dirty = 1;
}

std::unique_ptr<Shape> Line::Clone() const {
  auto copy = std::make_unique<Line>();
  CopyStateTo(*copy);
  copy->SetLength(length);
  copy->RefreshExtent();
  return copy;
}

Vector3 Line::HalfSegment() const {
  return NormalizeVector2D(DirectionFromAngle(rotation)) * (length * 0.5f);
}

void Line::RebuildVertices() {
  const Vector3 h = HalfSegment();
  const uint32_t packed = fillColor.ToD3DColor();
  const platform::Vector2 first = GetTexCoordTopLeft();
  const platform::Vector2 second = GetTexCoordBottomRight();
  const Vector3 a = position - h;
  const Vector3 b = position + h;
  worldEnds[0] = {a.x, a.y, a.z, packed, first.x, first.y};
  worldEnds[1] = {b.x, b.y, b.z, packed, second.x, second.y};
  const Vector3 sa = RoundVector(altPosition - h);
  const Vector3 sb = RoundVector(altPosition + h);
  screenEnds[0] = {sa.x, sa.y, sa.z, 1.0f, packed, first.x, first.y};
  screenEnds[1] = {sb.x, sb.y, sb.z, 1.0f, packed, second.x, second.y};
}

void Line::SetPosition(const Vector3& point) {
  if (point == position) return;
  position = point;
  dirty = 1;
}

void Line::SetAltPosition(const Vector3& point) {
  if (point == altPosition) return;
  altPosition = point;
  dirty = 1;
}

void Line::SetFillColor(const Color4& color) {
  fillColor = color;
  const uint32_t packed = color.ToD3DColor();
  for (auto& end : worldEnds) end.color = packed;
  for (auto& end : screenEnds) end.color = packed;
  dirty = 1;
}

void Line::SetOutlineColor(const Color4& color) {
  outlineColor = color;
  dirty = 1;
}

Vector3 Line::GetTopmostPoint() const {
  const Vector3 a = position - HalfSegment(), b = position + HalfSegment();
  return Pick(a, b, a.y > b.y);
}
Vector3 Line::GetLeftmostPoint() const {
  const Vector3 a = position - HalfSegment(), b = position + HalfSegment();
  return Pick(a, b, a.x < b.x);
}
Vector3 Line::GetBottommostPoint() const {
  const Vector3 a = position - HalfSegment(), b = position + HalfSegment();
  return Pick(a, b, a.y < b.y);
}
Vector3 Line::GetRightmostPoint() const {
  const Vector3 a = position - HalfSegment(), b = position + HalfSegment();
  return Pick(a, b, a.x > b.x);
}
Vector3 Line::GetAltTopmostPoint() const {
  const Vector3 a = altPosition - HalfSegment(), b = altPosition + HalfSegment();
  return Pick(a, b, a.y > b.y);
}
Vector3 Line::GetAltLeftmostPoint() const {
  const Vector3 a = altPosition - HalfSegment(), b = altPosition + HalfSegment();
  return Pick(a, b, a.x < b.x);
}
Vector3 Line::GetAltBottommostPoint() const {
  const Vector3 a = altPosition - HalfSegment(), b = altPosition + HalfSegment();
  return Pick(a, b, a.y < b.y);
}
Vector3 Line::GetAltRightmostPoint() const {
  const Vector3 a = altPosition - HalfSegment(), b = altPosition + HalfSegment();
  return Pick(a, b, a.x > b.x);
}

void Line::Draw() {
  if (dirty) Update();
  if (!Device) return;
  Device->SetTexture(nullptr);
  Device->Draw(platform::PrimitiveKind::LineStrip, worldEnds.data(), Segments);
}

void Line::DrawScreen() {
  if (dirty) Update();
  if (!Device) return;
  Device->SetTexture(nullptr);
  Device->Draw(platform::PrimitiveKind::LineStrip, screenEnds.data(), Segments);
}

void Line::DrawDebugInfo() {
  DrawDebugLine(position, QuadToWString(L"Center: ", position));
  DrawDebugLine(position - Vector3{0, 0.3f, 0}, FloatToWStringFormatted(L"Length: ", length));
  DrawDebugLine(position - Vector3{0, 0.6f, 0}, FloatToWStringFormatted(L"Rotation: ", rotation));
}

void Line::DrawVertexCoordinates() {
  for (const platform::WorldVertex& end : worldEnds) {
    const Vector3 point{end.x, end.y, end.z};
    DrawDebugLine(point, QuadToWString(L"", point));
  }
}
