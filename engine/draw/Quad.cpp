#include "engine/draw/Quad.h"

#include <cmath>

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/ExtremeCorner.h"
#include "platform/Renderer.h"

using platform::Vector3;

namespace {

// Outline lines in each list: world right, left, top, bottom; screen top, bottom, left, right.
constexpr int WorldLineOfEdge[4] = {2, 0, 3, 1};   // indexed by top, right, bottom, left
constexpr int ScreenLineOfEdge[4] = {0, 3, 1, 2};  // indexed by top, right, bottom, left
constexpr int FanTriangles = 2;
constexpr int OutlineLines = 4;

}  // namespace

Quad::Quad() { Construct(); }

Quad::Quad(uint8_t flag) {
  Construct();
  dynamicBuffers = flag;
}

Quad::Quad(const Quad& other) : Primitive(), Shape() {
  Construct();
  *this = other;
}

void Quad::Construct() {
  Initialize();
  width = 1.0f;
  height = 1.0f;
  depth = 0.0f;
  type = ShapeTypeQuad;
  ResetColorFactors();
  dynamicBuffers = 0;
  RebuildVertices();
  RefreshExtent();
}

Quad& Quad::operator=(const Quad& other) {
  if (this == &other) return *this;
  id = other.id;
  name = other.name;
  Shape::operator=(other);
  width = other.width;
  height = other.height;
  depth = other.depth;
  FinishCopy(other.dynamicBuffers);
  return *this;
}

void Quad::FinishCopy(uint8_t flag) {
  ResetColorFactors();
  dynamicBuffers = flag;
  RebuildVertices();
  RefreshExtent();
}

std::unique_ptr<Shape> Quad::Clone() const {
  auto copy = std::make_unique<Quad>();
  CopyStateTo(*copy);
  copy->SetDimensions(width, height, depth);
  copy->FinishCopy(dynamicBuffers);
  return copy;
}

void Quad::SetDimensions(float newWidth, float newHeight, float newDepth) {
  if (newWidth == width && newHeight == height && newDepth == depth) return;
  width = newWidth;
  height = newHeight;
  depth = newDepth;
  RefreshExtent();
  dirty = 1;
}

Vector3 Quad::GetTopLeft() const {
  return RotateAboutPoint(position + Vector3{-width / 2, height / 2, 0}, position, rotation);
}
Vector3 Quad::GetBottomLeft() const {
  return RotateAboutPoint(position + Vector3{-width / 2, -height / 2, 0}, position, rotation);
}
Vector3 Quad::GetTopRight() const {
  return RotateAboutPoint(position + Vector3{width / 2, height / 2, 0}, position, rotation);
}
Vector3 Quad::GetBottomRight() const {
  return RotateAboutPoint(position + Vector3{width / 2, -height / 2, 0}, position, rotation);
}
Vector3 Quad::GetLeftMid() const {
  return RotateAboutPoint(position + Vector3{-width / 2, 0, 0}, position, rotation);
}
Vector3 Quad::GetRightMid() const {
  return RotateAboutPoint(position + Vector3{width / 2, 0, 0}, position, rotation);
}
Vector3 Quad::GetTopMid() const {
  return RotateAboutPoint(position + Vector3{0, height / 2, 0}, position, rotation);
}
Vector3 Quad::GetBottomMid() const {
  return RotateAboutPoint(position + Vector3{0, -height / 2, 0}, position, rotation);
}

Vector3 Quad::GetAltTopLeft() const {
  return RotateAboutPoint(GetAltTopLeftUnrotated(), altPosition, rotation);
}
Vector3 Quad::GetAltBottomLeft() const {
  return RotateAboutPoint(GetAltBottomLeftUnrotated(), altPosition, rotation);
}
Vector3 Quad::GetAltTopRight() const {
  return RotateAboutPoint(GetAltTopRightUnrotated(), altPosition, rotation);
}
Vector3 Quad::GetAltBottomRight() const {
  return RotateAboutPoint(GetAltBottomRightUnrotated(), altPosition, rotation);
}
Vector3 Quad::GetAltTopMid() const {
  return RotateAboutPointClockwise(altPosition + Vector3{0, -height / 2, 0}, altPosition, rotation);
}
Vector3 Quad::GetAltBottomMid() const {
  return RotateAboutPointClockwise(altPosition + Vector3{0, height / 2, 0}, altPosition, rotation);
}
Vector3 Quad::GetAltTopLeftUnrotated() const {
  return altPosition + Vector3{-width / 2, -height / 2, 0};
}
Vector3 Quad::GetAltBottomLeftUnrotated() const {
  return altPosition + Vector3{-width / 2, height / 2, 0};
}
Vector3 Quad::GetAltTopRightUnrotated() const {
  return altPosition + Vector3{width / 2, -height / 2, 0};
}
Vector3 Quad::GetAltBottomRightUnrotated() const {
  return altPosition + Vector3{width / 2, height / 2, 0};
}
Vector3 Quad::GetAltLeftMidUnrotated() const { return altPosition + Vector3{-width / 2, 0, 0}; }
Vector3 Quad::GetAltRightMidUnrotated() const { return altPosition + Vector3{width / 2, 0, 0}; }

void Quad::SetTopLeft(const Vector3& point) { MoveCorner(point, GetBottomRight(), true, true); }
void Quad::SetBottomLeft(const Vector3& point) { MoveCorner(point, GetTopRight(), true, false); }
void Quad::SetTopRight(const Vector3& point) { MoveCorner(point, GetBottomLeft(), false, true); }
void Quad::SetBottomRight(const Vector3& point) { MoveCorner(point, GetTopLeft(), false, false); }

void Quad::MoveCorner(const Vector3& point, const Vector3& fixed, bool left, bool top) {
  Vector3 local = RotateAboutPointClockwise(point, fixed, rotation);
  float dx = left ? fixed.x - local.x : local.x - fixed.x;
  float dy = top ? local.y - fixed.y : fixed.y - local.y;
  Vector3 center{(local.x + fixed.x) / 2, (local.y + fixed.y) / 2, fixed.z};
  SetPosition(RotateAboutPoint(center, fixed, rotation));
  SetDimensions(std::fabs(dx), std::fabs(dy), fixed.z);
  FlipWhereCornerCrossed(dx, dy);
}

void Quad::SetLeftEdge(const Vector3& point) { MoveEdge(point, GetRightMid(), EdgeLeft); }
void Quad::SetRightEdge(const Vector3& point) { MoveEdge(point, GetLeftMid(), EdgeRight); }
void Quad::SetTopEdge(const Vector3& point) { MoveEdge(point, GetBottomMid(), EdgeTop); }
void Quad::SetBottomEdge(const Vector3& point) { MoveEdge(point, GetTopMid(), EdgeBottom); }

void Quad::MoveEdge(const Vector3& point, const Vector3& fixed, Edge edge) {
  const bool horizontalAxis = edge == EdgeLeft || edge == EdgeRight;
  Vector3 direction = DirectionFromAngle(horizontalAxis ? rotation : rotation + 90.0f);
  Vector3 q = FootOfPerpendicular(point, position, position + direction);
  Vector3 d = fixed - q;
  SetPosition(q + d * 0.5f);
  float length = Length2D(d);
  if (horizontalAxis) {
    SetDimensions(length, height, depth);
  } else {
    SetDimensions(width, length, depth);
  }
  FlipIfEdgeCrossed(edge, q, fixed);
}

void Quad::SetTopEdgeColor(const Color4& color) { SetEdgeColor(EdgeTop, color); }
void Quad::SetRightEdgeColor(const Color4& color) { SetEdgeColor(EdgeRight, color); }
void Quad::SetBottomEdgeColor(const Color4& color) { SetEdgeColor(EdgeBottom, color); }
void Quad::SetLeftEdgeColor(const Color4& color) { SetEdgeColor(EdgeLeft, color); }

void Quad::SetEdgeColor(Edge edge, const Color4& color) {
  outlineColor = color;
  PaintEdge(edge, color.ToD3DColor());
}

void Quad::PaintEdge(Edge edge, uint32_t packed) {
  const int worldLine = WorldLineOfEdge[edge];
  const int screenLine = ScreenLineOfEdge[edge];
  worldOutline[2 * worldLine].color = packed;
  worldOutline[2 * worldLine + 1].color = packed;
  screenOutline[2 * screenLine].color = packed;
  screenOutline[2 * screenLine + 1].color = packed;
  dirty = 1;
}

void Quad::ResetColorFactors() {
  for (auto& vertex : screenFill) vertex.rhw = 1.0f;
  for (auto& vertex : screenOutline) {
    vertex.rhw = 1.0f;
    vertex.pointSize = 0.0f;
  }
  for (auto& vertex : worldOutline) vertex.pointSize = 0.0f;
  SetFillColor(fillColor);
  SetOutlineColor(outlineColor);
  dirty = 1;
}

void Quad::RebuildVertices() {
  const float hw = width / 2;
  const float hh = height / 2;
  const Vector3 p = position;
  const Vector3 world[4] = {{p.x - hw, p.y + hh, p.z},
                            {p.x + hw, p.y + hh, p.z},
                            {p.x + hw, p.y - hh, p.z},
                            {p.x - hw, p.y - hh, p.z}};
  const Vector3 a = altPosition;
  const Vector3 center{SnapToHalfPixel(a.x), SnapToHalfPixel(a.y), a.z};
  const Vector3 screenCorners[4] = {{a.x - hw, a.y - hh, a.z},
                                    {a.x + hw, a.y - hh, a.z},
                                    {a.x + hw, a.y + hh, a.z},
                                    {a.x - hw, a.y + hh, a.z}};
  Vector3 screen[4];
  for (int i = 0; i < 4; ++i) {
    Vector3 turned = RotateAboutPointClockwise(screenCorners[i], center, rotation);
    screen[i] = {SnapToHalfPixel(turned.x), SnapToHalfPixel(turned.y), turned.z};
  }

  // Texture corners in fan order (TL, TR, BR, BL), swapped by the flips.
  platform::Vector2 tl = GetTexCoordTopLeft(), tr = GetTexCoordTopRight();
  platform::Vector2 br = GetTexCoordBottomRight(), bl = GetTexCoordBottomLeft();
  if (flipHorizontal == 1) {
    std::swap(tl, tr);
    std::swap(bl, br);
  }
  if (flipVertical == 1) {
    std::swap(tl, bl);
    std::swap(tr, br);
  }
  const platform::Vector2 uv[4] = {tl, tr, br, bl};

  for (int i = 0; i < 4; ++i) {
    worldFill[i].x = world[i].x;
    worldFill[i].y = world[i].y;
    worldFill[i].z = world[i].z;
    worldFill[i].u = uv[i].x;
    worldFill[i].v = uv[i].y;
    screenFill[i].x = screen[i].x;
    screenFill[i].y = screen[i].y;
    screenFill[i].z = screen[i].z;
    screenFill[i].u = uv[i].x;
    screenFill[i].v = uv[i].y;
  }
  // Corner indices: 0 TL, 1 TR, 2 BR, 3 BL.
  constexpr int WorldPairs[8] = {1, 2, 3, 0, 1, 0, 3, 2};
  constexpr int ScreenPairs[8] = {0, 1, 2, 3, 0, 3, 2, 1};
  for (int i = 0; i < 8; ++i) {
    const Vector3& w = world[WorldPairs[i]];
    worldOutline[i].x = w.x;
    worldOutline[i].y = w.y;
    worldOutline[i].z = w.z;
    const Vector3& s = screen[ScreenPairs[i]];
    screenOutline[i].x = s.x;
    screenOutline[i].y = s.y;
    screenOutline[i].z = s.z;
  }
}

void Quad::SetPosition(const Vector3& point) { MovePositionTo(point); }

void Quad::SetAltPosition(const Vector3& point) {
  if (point == altPosition) return;
  MoveAltPositionTo(point);
}

void Quad::SetFillColor(const Color4& color) {
  fillColor = color;
  const uint32_t packed = color.ToD3DColor();
  for (auto& vertex : worldFill) vertex.color = packed;
  for (auto& vertex : screenFill) vertex.color = packed;
  dirty = 1;
}

void Quad::SetOutlineColor(const Color4& color) {
  outlineColor = color;
  const uint32_t packed = color.ToD3DColor();
  for (auto& vertex : worldOutline) vertex.color = packed;
  for (auto& vertex : screenOutline) vertex.color = packed;
  dirty = 1;
}

bool Quad::ContainsAround(const Vector3& center, const Vector3& point, float margin) const {
  Vector3 q = RotateVector(point, -rotation);
  Vector3 c = RotateVector(center, -rotation);
  const float hw = width / 2;
  const float hh = height / 2;
  return c.x - hw - margin <= q.x && q.x <= c.x + hw + margin && c.y - hh - margin <= q.y &&
         q.y <= c.y + hh + margin;
}

bool Quad::ContainsPointWithMargin(const Vector3& point, float margin) const {
  return ContainsAround(position, point, margin);
}

bool Quad::AltContainsPointWithMargin(const Vector3& point, float margin) const {
  return ContainsAround(altPosition, point, margin);
}

std::array<Vector3, 4> Quad::WorldCorners() const {
  return {GetTopLeft(), GetBottomLeft(), GetTopRight(), GetBottomRight()};
}

std::array<Vector3, 4> Quad::AltCorners() const {
  return {GetAltTopLeft(), GetAltBottomLeft(), GetAltTopRight(), GetAltBottomRight()};
}

Vector3 Quad::GetTopmostPoint() const { return ExtremeCorner(WorldCorners(), CornerAxis::Y, true); }
Vector3 Quad::GetLeftmostPoint() const {
  return ExtremeCorner(WorldCorners(), CornerAxis::X, false);
}
Vector3 Quad::GetBottommostPoint() const {
  return ExtremeCorner(WorldCorners(), CornerAxis::Y, false);
}
Vector3 Quad::GetRightmostPoint() const {
  return ExtremeCorner(WorldCorners(), CornerAxis::X, true);
}
Vector3 Quad::GetAltTopmostPoint() const {
  return ExtremeCorner(AltCorners(), CornerAxis::Y, true);
}
Vector3 Quad::GetAltLeftmostPoint() const {
  return ExtremeCorner(AltCorners(), CornerAxis::X, false);
}
Vector3 Quad::GetAltBottommostPoint() const {
  return ExtremeCorner(AltCorners(), CornerAxis::Y, false);
}
Vector3 Quad::GetAltRightmostPoint() const {
  return ExtremeCorner(AltCorners(), CornerAxis::X, true);
}

void Quad::RefreshExtent() {
  const Vector3 topLeft{position.x - width / 2, position.y + height / 2, 0};
  const Vector3 topRight{position.x + width / 2, position.y + height / 2, 0};
  extent = std::max(Distance2D(position, topLeft), Distance2D(position, topRight));
}

void Quad::Draw() {
  if (Device && !TurnIntoView(std::hypot(width, height) / 2)) return;
  if (dirty) Update();
  if (!Device) return;
  Device->SetTexture(DrawnTexture());
  Device->Draw(platform::PrimitiveKind::TriangleFan, worldFill.data(), FanTriangles);
  if (outlineVisible == 1) {
    Device->SetTexture(nullptr);
    Device->Draw(platform::PrimitiveKind::LineList, worldOutline.data(), OutlineLines);
  }
  Device->SetTransform(platform::TransformKind::World, IdentityMatrix);
}

void Quad::DrawScreen() {
  if (dirty) Update();
  if (!Device) return;
  Device->SetTexture(DrawnTexture());
  Device->Draw(platform::PrimitiveKind::TriangleFan, screenFill.data(), FanTriangles);
  if (outlineVisible == 1) {
    Device->SetTexture(nullptr);
    Device->Draw(platform::PrimitiveKind::LineList, screenOutline.data(), OutlineLines);
  }
}

void Quad::DrawDebugInfo() {
  DrawDebugLine(position, StringToWString(name));
  DrawDebugLine(position - Vector3{0, 0.3f, 0}, QuadToWString(L"Center: ", position));
  DrawDebugLine(position - Vector3{0, 0.6f, 0},
                QuadToWString(L"Dimensions: ", Vector3{width, height, depth}));
  DrawDebugLine(position - Vector3{0, 0.9f, 0}, FloatToWStringFormatted(L"Rotation: ", rotation));
  DrawDebugLine(position - Vector3{0, 1.2f, 0}, L"Draw layer: " + IntToWString(layer));
}

void Quad::DrawVertexCoordinates() {
  const std::array<Vector3, 4> corners = WorldCorners();
  const wchar_t* labels[4] = {L"TL (", L"BL (", L"TR (", L"BR ("};
  for (int i = 0; i < 4; ++i) {
    std::wstring text = labels[i];
    ToWString(text, corners[i].x);
    text += L", ";
    ToWString(text, corners[i].y);
    text += L")";
    DrawDebugLine(corners[i], text);
  }
}
