#include "engine/draw/ShapeList.h"

#include <algorithm>

#include "engine/Globals.h"
#include "engine/VectorMath.h"
#include "platform/Renderer.h"

using platform::Vector3;

namespace {

std::array<Vector3, 4> MidpointsAround(const Vector3& c, const platform::Vector2& s) {
  return {Vector3{c.x, c.y + s.y / 2, 0}, Vector3{c.x - s.x / 2, c.y, 0},
          Vector3{c.x, c.y - s.y / 2, 0}, Vector3{c.x + s.x / 2, c.y, 0}};
}

void Offset(std::array<Vector3, 4>& points, const Vector3& d) {
  for (Vector3& point : points) point = point + d;
}

}  // namespace

ShapeList::ShapeList() { Construct(); }

ShapeList::ShapeList(const Vector3& point, float degrees) {
  Initialize();
  position = point;
  previousPosition = point;
  altPosition = point;
  rotation = degrees;
  type = ShapeTypeShapeList;
  boundingRadius = 0.0f;
  Clear();
}

void ShapeList::Construct() {
  Initialize();
  type = ShapeTypeShapeList;
  boundingRadius = 0.0f;
  Clear();
}

void ShapeList::AddShape(Shape* member) {
  if (!member) return;
  if (members.empty()) {
    position = member->position;
    boundingRadius = member->extent;
  } else {
    Vector3 u = NormalizeVector2D(member->position - position);
    Vector3 far = member->position + u * member->extent;
    boundingRadius = std::max(Distance2D(position, far), boundingRadius);
  }
  extent = boundingRadius;
  members.push_back(member);
  RecomputeBounds();
}

void ShapeList::RemoveShape(Shape* member) {
  std::erase(members, member);
  RecomputeBounds();
}

void ShapeList::Clear() {
  members.clear();
  position = {};
  altPosition = {};
  extremePoints = {};
  altExtremePoints = {};
  edgeMidpoints = {};
  altEdgeMidpoints = {};
  size = {};
  altSize = {};
}

void ShapeList::RecomputeBounds() {
  if (members.empty()) return;
  const Shape* first = members.front();
  extremePoints = {first->GetTopmostPoint(), first->GetLeftmostPoint(), first->GetBottommostPoint(),
                   first->GetRightmostPoint()};
  altExtremePoints = {first->GetAltTopmostPoint(), first->GetAltLeftmostPoint(),
                      first->GetAltBottommostPoint(), first->GetAltRightmostPoint()};
  for (size_t i = 1; i < members.size(); ++i) {
    const Shape* m = members[i];
    Vector3 p = m->GetTopmostPoint();
    if (p.y > extremePoints[Top].y) extremePoints[Top] = p;
    p = m->GetLeftmostPoint();
    if (p.x < extremePoints[Left].x) extremePoints[Left] = p;
    p = m->GetBottommostPoint();
    if (p.y < extremePoints[Bottom].y) extremePoints[Bottom] = p;
    p = m->GetRightmostPoint();
    if (p.x > extremePoints[Right].x) extremePoints[Right] = p;
    // Screen y grows downward.
    p = m->GetAltTopmostPoint();
    if (p.y < altExtremePoints[Top].y) altExtremePoints[Top] = p;
    p = m->GetAltLeftmostPoint();
    if (p.x < altExtremePoints[Left].x) altExtremePoints[Left] = p;
    p = m->GetAltBottommostPoint();
    if (p.y > altExtremePoints[Bottom].y) altExtremePoints[Bottom] = p;
    p = m->GetAltRightmostPoint();
    if (p.x > altExtremePoints[Right].x) altExtremePoints[Right] = p;
  }
  size = {extremePoints[Right].x - extremePoints[Left].x,
          extremePoints[Top].y - extremePoints[Bottom].y};
  altSize = {altExtremePoints[Right].x - altExtremePoints[Left].x,
             altExtremePoints[Bottom].y - altExtremePoints[Top].y};
  position = {extremePoints[Left].x + size.x / 2, extremePoints[Top].y - size.y / 2, 0};
  altPosition = {altExtremePoints[Left].x + altSize.x / 2, altExtremePoints[Top].y + altSize.y / 2,
                 0};
  edgeMidpoints = MidpointsAround(position, size);
  altEdgeMidpoints = MidpointsAround(altPosition, altSize);
}

std::unique_ptr<Shape> ShapeList::Clone() const {
  auto copy = std::make_unique<ShapeList>(position, rotation);
  for (const Shape* member : members) copy->AddShape(member->Clone().release());
  return copy;
}

void ShapeList::SetPosition(const Vector3& point) {
  const Vector3 d = point - position;
  for (Shape* member : members) member->SetPosition(member->position + d);
  position = point;
  Offset(extremePoints, d);
  Offset(edgeMidpoints, d);
}

void ShapeList::SetAltPosition(const Vector3& point) {
  const Vector3 d = point - altPosition;
  for (Shape* member : members) member->SetAltPosition(member->altPosition + d);
  altPosition = point;
  Offset(altExtremePoints, d);
  Offset(altEdgeMidpoints, d);
}

void ShapeList::SetFillColor(const Color4& color) {
  for (Shape* member : members) member->SetFillColor(color);
}

void ShapeList::SetOutlineColor(const Color4& color) {
  for (Shape* member : members) member->SetOutlineColor(color);
}

bool ShapeList::ContainsPointWithMargin(const Vector3& point, float margin) const {
  return Distance2D(point, position) <= boundingRadius + margin;
}

bool ShapeList::AltContainsPointWithMargin(const Vector3& point, float margin) const {
  return Distance2D(point, altPosition) <= boundingRadius + margin;
}

void ShapeList::Move(float dt) { SetPosition(position + velocity * dt); }

void ShapeList::Draw() {
  if (Device) Device->SetTransform(platform::TransformKind::World, TurnedAboutPosition());
  for (Shape* member : members) member->Draw();
  if (Device) Device->SetTransform(platform::TransformKind::World, IdentityMatrix);
}

void ShapeList::DrawScreen() {
  for (Shape* member : members) member->DrawScreen();
}

void ShapeList::DrawDebugInfo() {
  for (Shape* member : members) member->DrawDebugInfo();
}

void ShapeList::DrawVertexCoordinates() {
  for (Shape* member : members) member->DrawVertexCoordinates();
}
