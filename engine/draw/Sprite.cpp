#include "engine/draw/Sprite.h"

#include <cmath>

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/ExtremeCorner.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"

using platform::Vector3;

namespace {

constexpr int OutlineLines = 4;

const std::array<Vector3, 4> InitialSideVectors = {Vector3{0, 1, 0}, Vector3{-1, 0, 0},
                                                   Vector3{0, -1, 0}, Vector3{0, 1, 0}};

platform::PixelRect WholeTexture(const Texture* texture) {
  if (!texture) return {};
  return {0, 0, static_cast<int32_t>(texture->width), static_cast<int32_t>(texture->height)};
}

// A half size of more than one texel is drawn about a whole texel.
float CenterComponent(float half) { return half > 1.0f ? std::trunc(half + 0.5f) : half; }

// An edge on a half pixel goes up or left: the pixel centres it passes between decide where it
// lands, whichever renderer draws it.
float WholeEdge(float edge) { return std::ceil(edge - 0.5f); }

// Scale and translation along one axis of an unturned sprite drawn from `center` of a source
// `size` texels long, with its edges put on whole pixels.
void SnapAxis(float size, float center, float& scale, float& translation) {
  if (size <= 0.0f) return;
  const float first = WholeEdge(translation - center * scale);
  const float last = WholeEdge(translation + (size - center) * scale);
  scale = (last - first) / size;
  translation = first + center * scale;
}

}  // namespace

Sprite::Sprite(Texture* newTexture)
    : Sprite(newTexture, 0, Vector3{}, 0.0f, WholeTexture(newTexture)) {}

Sprite::Sprite(Texture* newTexture, uint8_t flag, const Vector3& point, float degrees,
               const platform::PixelRect& rect) {
  Initialize();
  texture = newTexture;
  fillColor = ColorWhite;
  type = ShapeTypeSprite;
  position = point;
  previousPosition = point;
  altPosition = point;
  rotation = degrees;
  // Without a texture there is nothing to cut a rectangle from.
  sourceRect = newTexture ? rect : platform::PixelRect{};
  dirty = 1;
  scale = {1.0f, 1.0f};
  ResetColorFactors();
  dynamicBuffers = flag;
  RebuildVertices();
  RefreshExtent();
  dirty = 1;
}

std::unique_ptr<Shape> Sprite::Clone() const {
  auto copy = std::make_unique<Sprite>(texture, dynamicBuffers, position, rotation, sourceRect);
  CopyStateTo(*copy);
  copy->flipVertical = 0;
  copy->sideVectors = InitialSideVectors;
  copy->scale = scale;
  copy->RefreshExtent();
  copy->dirty = 1;
  return copy;
}

void Sprite::SetScale(float x, float y) {
  if (x == scale.x && y == scale.y) return;
  scale = {x, y};
  dirty = 1;
}

float Sprite::SourceWidth() const { return static_cast<float>(sourceRect.right - sourceRect.left); }

float Sprite::SourceHeight() const {
  return static_cast<float>(sourceRect.bottom - sourceRect.top);
}

float Sprite::Zoom() { return SpriteScaleNumerator / CameraDistance; }

Vector3 Sprite::GetScaledSourceSize() const {
  return {SourceWidth() * scale.x, SourceHeight() * scale.y, 0};
}

Vector3 Sprite::GetSize() const {
  const float k = Zoom();
  return {ScreenSizeToWorld(SourceWidth() * k, 0), ScreenSizeToWorld(SourceHeight() * k, 0), 0};
}

Vector3 Sprite::GetScaledSize() const {
  const float k = Zoom();
  return {ScreenSizeToWorld(SourceWidth() * scale.x * k, 0),
          ScreenSizeToWorld(SourceHeight() * scale.y * k, 0), 0};
}

Vector3 Sprite::WorldCorner(float sx, float sy) const {
  const Vector3 size = GetScaledSize();
  return RotateAboutPoint(position + Vector3{sx * size.x / 2, sy * size.y / 2, 0}, position,
                          rotation);
}

Vector3 Sprite::GetTopLeft() const { return WorldCorner(-1, 1); }
Vector3 Sprite::GetBottomLeft() const { return WorldCorner(-1, -1); }
Vector3 Sprite::GetTopRight() const { return WorldCorner(1, 1); }
Vector3 Sprite::GetBottomRight() const { return WorldCorner(1, -1); }
Vector3 Sprite::GetTopMid() const { return WorldCorner(0, 1); }
Vector3 Sprite::GetLeftMid() const { return WorldCorner(-1, 0); }
Vector3 Sprite::GetBottomMid() const { return WorldCorner(0, -1); }

// Menu layout reads these corners at depth 0, whatever the screen position's z.
Vector3 Sprite::AltCorner(float sx, float sy) const {
  const Vector3 size = GetScaledSourceSize();
  return {altPosition.x + sx * size.x / 2, altPosition.y + sy * size.y / 2, 0};
}

Vector3 Sprite::GetAltTopLeftUnrotated() const { return AltCorner(-1, -1); }
Vector3 Sprite::GetAltTopRightUnrotated() const { return AltCorner(1, -1); }
Vector3 Sprite::GetAltTopLeft() const {
  return RotateAboutPoint(AltCorner(-1, -1), altPosition, rotation);
}
Vector3 Sprite::GetAltBottomLeft() const {
  return RotateAboutPoint(AltCorner(-1, 1), altPosition, rotation);
}
Vector3 Sprite::GetAltTopRight() const {
  return RotateAboutPoint(AltCorner(1, -1), altPosition, rotation);
}
Vector3 Sprite::GetAltBottomRight() const {
  return RotateAboutPoint(AltCorner(1, 1), altPosition, rotation);
}

Vector3 Sprite::ScreenPointUnrotated(float sx, float sy) const {
  const Vector3 p = WorldToScreen(position.x, position.y, position.z);
  const float k = Zoom();
  const float wp = SourceWidth() * scale.x * k;
  const float hp = SourceHeight() * scale.y * k;
  return {p.x + sx * wp / 2, p.y + sy * hp / 2, 0};
}

Vector3 Sprite::ScreenPoint(float sx, float sy) const {
  const Vector3 p = WorldToScreen(position.x, position.y, position.z);
  return RotateAboutPointClockwise(ScreenPointUnrotated(sx, sy), p, rotation);
}

Vector3 Sprite::GetScreenTopLeftUnrotated() const { return ScreenPointUnrotated(-1, -1); }
Vector3 Sprite::GetScreenBottomLeftUnrotated() const { return ScreenPointUnrotated(-1, 1); }
Vector3 Sprite::GetScreenTopRightUnrotated() const { return ScreenPointUnrotated(1, -1); }
Vector3 Sprite::GetScreenBottomRightUnrotated() const { return ScreenPointUnrotated(1, 1); }
Vector3 Sprite::GetScreenTopMidUnrotated() const { return ScreenPointUnrotated(0, -1); }
Vector3 Sprite::GetScreenBottomMidUnrotated() const { return ScreenPointUnrotated(0, 1); }
Vector3 Sprite::GetScreenLeftMidUnrotated() const { return ScreenPointUnrotated(-1, 0); }
Vector3 Sprite::GetScreenRightMidUnrotated() const { return ScreenPointUnrotated(1, 0); }
Vector3 Sprite::GetScreenTopLeft() const { return ScreenPoint(-1, -1); }
Vector3 Sprite::GetScreenBottomLeft() const { return ScreenPoint(-1, 1); }
Vector3 Sprite::GetScreenTopRight() const { return ScreenPoint(1, -1); }
Vector3 Sprite::GetScreenBottomRight() const { return ScreenPoint(1, 1); }
Vector3 Sprite::GetScreenTopMid() const { return ScreenPoint(0, -1); }
Vector3 Sprite::GetScreenBottomMid() const { return ScreenPoint(0, 1); }
Vector3 Sprite::GetScreenLeftMid() const { return ScreenPoint(-1, 0); }
Vector3 Sprite::GetScreenRightMid() const { return ScreenPoint(1, 0); }

void Sprite::SetTopLeft(const Vector3& point) { MoveCorner(point, GetBottomRight(), true, true); }
void Sprite::SetBottomLeft(const Vector3& point) { MoveCorner(point, GetTopRight(), true, false); }
void Sprite::SetTopRight(const Vector3& point) { MoveCorner(point, GetBottomLeft(), false, true); }
void Sprite::SetBottomRight(const Vector3& point) { MoveCorner(point, GetTopLeft(), false, false); }

namespace {

// A scale factor that gives the wanted extent; an empty picture keeps its factor.
float FactorFor(float extentWanted, float unscaled, float current) {
  return unscaled == 0.0f ? current : std::fabs(extentWanted / unscaled);
}

}  // namespace

void Sprite::MoveCorner(const Vector3& point, const Vector3& fixed, bool left, bool top) {
  const Vector3 local = RotateAboutPointClockwise(point, fixed, rotation);
  const Vector3 middle = (fixed + local) * 0.5f;
  SetPosition(RotateAboutPoint(middle, fixed, rotation));
  const float dx = left ? fixed.x - local.x : local.x - fixed.x;
  const float dy = top ? local.y - fixed.y : fixed.y - local.y;
  const Vector3 size = GetSize();
  SetScale(FactorFor(dx, size.x, scale.x), FactorFor(dy, size.y, scale.y));
  FlipWhereCornerCrossed(dx, dy);
}

void Sprite::SetTopEdge(const Vector3& point) { MoveEdge(point, GetBottomMid(), EdgeTop); }
void Sprite::SetBottomEdge(const Vector3& point) { MoveEdge(point, GetTopMid(), EdgeBottom); }
void Sprite::SetLeftEdge(const Vector3& point) { MoveEdge(point, WorldCorner(1, 0), EdgeLeft); }
void Sprite::SetRightEdge(const Vector3& point) { MoveEdge(point, GetLeftMid(), EdgeRight); }

void Sprite::MoveEdge(const Vector3& point, const Vector3& fixed, Edge edge) {
  const bool horizontalAxis = edge == EdgeLeft || edge == EdgeRight;
  const Vector3 direction = DirectionFromAngle(horizontalAxis ? rotation : rotation + 90.0f);
  const Vector3 moved = FootOfPerpendicular(point, position, position + direction);
  SetPosition((moved + fixed) * 0.5f);
  const float distance = Distance2D(moved, fixed);
  const Vector3 size = GetSize();
  if (horizontalAxis) {
    SetScale(FactorFor(distance, size.x, scale.x), scale.y);
  } else {
    SetScale(scale.x, FactorFor(distance, size.y, scale.y));
  }
  FlipIfEdgeCrossed(edge, moved, fixed);
}

void Sprite::ResetColorFactors() {
  for (auto* outline : {&worldOutline, &screenOutline}) {
    for (auto& vertex : *outline) {
      vertex.rhw = 1.0f;
      vertex.pointSize = 0.0f;
    }
  }
  SetFillColor(fillColor);
  SetOutlineColor(outlineColor);
  dirty = 1;
}

void Sprite::RebuildVertices() {
  const Vector3 topLeft = GetScreenTopLeft(), topRight = GetScreenTopRight();
  const Vector3 bottomRight = GetScreenBottomRight(), bottomLeft = GetScreenBottomLeft();
  const Vector3 world[8] = {topLeft, topRight,   bottomRight, bottomLeft,
                            topLeft, bottomLeft, bottomRight, topRight};
  const float hw = SourceWidth() * scale.x / 2;
  const float hh = SourceHeight() * scale.y / 2;
  const Vector3 a{altPosition.x, altPosition.y, 0};
  const Vector3 altBottomLeft = RotateAboutPoint({a.x - hw, a.y + hh, 0}, altPosition, rotation);
  const Vector3 altTopRight = RotateAboutPoint({a.x + hw, a.y - hh, 0}, altPosition, rotation);
  const Vector3 altBottomRight = RotateAboutPoint({a.x + hw, a.y + hh, 0}, altPosition, rotation);
  const Vector3 altTopLeft = RotateAboutPoint({a.x - hw, a.y - hh, 0}, altPosition, rotation);
  const Vector3 screen[8] = {altBottomLeft, altBottomRight, altTopRight, altTopLeft,
                             altBottomLeft, altTopLeft,     altTopRight, altBottomRight};
  for (int i = 0; i < 8; ++i) {
    worldOutline[i].x = world[i].x;
    worldOutline[i].y = world[i].y;
    worldOutline[i].z = world[i].z;
    screenOutline[i].x = screen[i].x;
    screenOutline[i].y = screen[i].y;
    screenOutline[i].z = screen[i].z;
  }
}

void Sprite::SetPosition(const Vector3& point) {
  if (point == position) return;
  MovePositionTo(point);
}

void Sprite::SetAltPosition(const Vector3& point) {
  if (point == altPosition) return;
  MoveAltPositionTo(point);
}

void Sprite::SetFillColor(const Color4& color) {
  if (color == fillColor) return;
  fillColor = color;
  dirty = 1;
}

void Sprite::SetOutlineColor(const Color4& color) {
  outlineColor = color;
  const uint32_t packed = color.ToD3DColor();
  for (auto& vertex : worldOutline) vertex.color = packed;
  for (auto& vertex : screenOutline) vertex.color = packed;
  dirty = 1;
}

bool Sprite::ContainsPointWithMargin(const Vector3& point, float margin) const {
  const Vector3 p = RotateVector(point, -rotation);
  const Vector3 onPlane = ScreenToWorldAt(WorldToScreen(position.x, position.y, position.z), 0.0f);
  const Vector3 c = RotateVector(onPlane, -rotation);
  const Vector3 half = GetScaledSize() * 0.5f;
  return c.x - half.x - margin <= p.x && p.x <= c.x + half.x + margin &&
         c.y - half.y - margin <= p.y && p.y <= c.y + half.y + margin;
}

bool Sprite::AltContainsPointWithMargin(const Vector3& point, float margin) const {
  const Vector3 p = RotateVector(point, -rotation);
  const Vector3 c = RotateVector(altPosition, -rotation);
  const Vector3 half = GetScaledSourceSize() * 0.5f;
  return c.x - half.x - margin <= p.x && p.x <= c.x + half.x + margin &&
         c.y - half.y - margin <= p.y && p.y <= c.y + half.y + margin;
}

Vector3 Sprite::GetTopmostPoint() const {
  return ExtremeCorner({GetTopLeft(), GetBottomLeft(), GetTopRight(), GetBottomRight()},
                       CornerAxis::Y, true);
}
Vector3 Sprite::GetLeftmostPoint() const {
  return ExtremeCorner({GetTopLeft(), GetBottomLeft(), GetTopRight(), GetBottomRight()},
                       CornerAxis::X, false);
}
Vector3 Sprite::GetBottommostPoint() const {
  return ExtremeCorner({GetTopLeft(), GetBottomLeft(), GetTopRight(), GetBottomRight()},
                       CornerAxis::Y, false);
}
Vector3 Sprite::GetRightmostPoint() const {
  return ExtremeCorner({GetTopLeft(), GetBottomLeft(), GetTopRight(), GetBottomRight()},
                       CornerAxis::X, true);
}
// Screen y grows downward: the topmost point has the smallest y.
Vector3 Sprite::GetAltTopmostPoint() const {
  return ExtremeCorner({GetAltTopLeft(), GetAltBottomLeft(), GetAltTopRight(), GetAltBottomRight()},
                       CornerAxis::Y, false);
}
Vector3 Sprite::GetAltLeftmostPoint() const {
  return ExtremeCorner({GetAltTopLeft(), GetAltBottomLeft(), GetAltTopRight(), GetAltBottomRight()},
                       CornerAxis::X, false);
}
Vector3 Sprite::GetAltBottommostPoint() const {
  return ExtremeCorner({GetAltTopLeft(), GetAltBottomLeft(), GetAltTopRight(), GetAltBottomRight()},
                       CornerAxis::Y, true);
}
Vector3 Sprite::GetAltRightmostPoint() const {
  return ExtremeCorner({GetAltTopLeft(), GetAltBottomLeft(), GetAltTopRight(), GetAltBottomRight()},
                       CornerAxis::X, true);
}

platform::Vector2 Sprite::GetTexCoordTopLeft() const {
  return {static_cast<float>(sourceRect.left), static_cast<float>(sourceRect.top)};
}
platform::Vector2 Sprite::GetTexCoordBottomLeft() const {
  return {static_cast<float>(sourceRect.left), static_cast<float>(sourceRect.bottom)};
}
platform::Vector2 Sprite::GetTexCoordTopRight() const {
  return {static_cast<float>(sourceRect.right), static_cast<float>(sourceRect.top)};
}
platform::Vector2 Sprite::GetTexCoordBottomRight() const {
  return {static_cast<float>(sourceRect.right), static_cast<float>(sourceRect.bottom)};
}

void Sprite::RefreshExtent() {
  const Vector3 size = GetScaledSize();
  extent = Length2D(size * 0.5f);
}

void Sprite::Move(float dt) {
  previousPosition = position;
  SetPosition(position + velocity * dt);
}

Vector3 Sprite::DrawCenter() const {
  return {CenterComponent(SourceWidth() / 2), CenterComponent(SourceHeight() / 2), 0};
}

platform::Matrix4 Sprite::BuildWorldTransform() const {
  const Vector3 t = WorldToScreen(position.x, position.y, position.z);
  const float k = Zoom();
  const platform::Vector2 scaling{flipHorizontal ? -k * scale.x : k * scale.x,
                                  flipVertical ? -k * scale.y : k * scale.y};
  return platform::MatrixTransformation2D(scaling, -rotation * DegreesToRadians, {t.x, t.y});
}

// An unturned sprite also has its edges on whole pixels: a one-texel piece stretched to an odd
// size would otherwise end on a half pixel, and renderers differ on the row or column between
// two such pieces meant to meet, showing what lies behind as a seam.
platform::Matrix4 Sprite::BuildScreenTransform() const {
  platform::Vector2 scaling{flipHorizontal ? -scale.x : scale.x,
                            flipVertical ? -scale.y : scale.y};
  platform::Vector2 translation{static_cast<float>(RoundToInt(altPosition.x)),
                                static_cast<float>(RoundToInt(altPosition.y))};
  if (rotation == 0.0f) {
    const Vector3 center = DrawCenter();
    SnapAxis(SourceWidth(), center.x, scaling.x, translation.x);
    SnapAxis(SourceHeight(), center.y, scaling.y, translation.y);
  }
  return platform::MatrixTransformation2D(scaling, -rotation * DegreesToRadians, translation);
}

void Sprite::DrawWith(const platform::Matrix4& matrix) {
  transform = matrix;
  const platform::Matrix4 saved = SpriteRenderer->GetTransform();
  SpriteRenderer->SetTransform(transform);
  const Vector3 center = DrawCenter();
  SpriteRenderer->Draw(DrawnTexture(), &sourceRect, &center, nullptr, fillColor.ToD3DColor());
  SpriteRenderer->SetTransform(saved);
}

void Sprite::Draw() {
  if (!SpriteRenderer) return;
  DrawWith(BuildWorldTransform());
  if (!outlineVisible || !Device) return;
  Update();
  Device->SetTexture(nullptr);
  Device->Draw(platform::PrimitiveKind::LineList, worldOutline.data(), OutlineLines);
}

void Sprite::DrawScreen() {
  if (!SpriteRenderer) return;
  DrawWith(BuildScreenTransform());
  if (!outlineVisible || !Device) return;
  if (dirty) Update();
  Device->SetTexture(nullptr);
  Device->Draw(platform::PrimitiveKind::LineList, screenOutline.data(), OutlineLines);
}

void Sprite::DrawDebugInfo() {
  DrawDebugLine(position, StringToWString(name));
  DrawDebugLine(position - Vector3{0, 0.3f, 0}, QuadToWString(L"Center: ", position));
  DrawDebugLine(position - Vector3{0, 0.6f, 0}, FloatToWStringFormatted(L"Rotation: ", rotation));
  DrawDebugLine(position - Vector3{0, 0.9f, 0}, L"Draw layer: " + IntToWString(layer));
  std::wstring spritePosition = L"Sprite Position: ";
  RecordToWString(spritePosition,
                  ScreenToWorldAt(WorldToScreen(position.x, position.y, position.z), 0.0f));
  DrawDebugLine(position - Vector3{0, 1.2f, 0}, spritePosition);
}
