#include "editor/SnapSearch.h"

#include <array>

#include "collision/Boundary.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/World.h"

using platform::Vector3;

namespace {

// Top-left, top-right, bottom-right, bottom-left: the order edges run round the box.
template <typename Box>
std::array<Vector3, 4> CornersOf(const Box& box) {
  return {box.GetTopLeft(), box.GetTopRight(), box.GetBottomRight(), box.GetBottomLeft()};
}

bool CornersOf(const Shape& shape, std::array<Vector3, 4>& corners) {
  if (const auto* quad = dynamic_cast<const Quad*>(&shape)) {
    corners = CornersOf(*quad);
    return true;
  }
  if (const auto* sprite = dynamic_cast<const Sprite*>(&shape)) {
    corners = CornersOf(*sprite);
    return true;
  }
  return false;
}

Vector3 RimPointTowards(const Circle& circle, const Vector3& point) {
  return circle.position + NormalizeVector2D(point - circle.position) * circle.radius;
}

}  // namespace

void SnapSearch::Consider(const Vector3& candidate, const Vector3& point, float tolerance) {
  const float distance = Distance2D(candidate, point);
  if (distance < tolerance && distance < best_) {
    result_ = candidate;
    best_ = distance;
  }
}

void SnapSearch::Offer(const Shape& shape, const Vector3& point, float tolerance) {
  std::array<Vector3, 4> corners;
  if (CornersOf(shape, corners)) {
    for (const Vector3& corner : corners) Consider(corner, point, tolerance);
    if (!NothingTaken()) return;
    for (size_t i = 0; i < corners.size(); ++i) {
      Consider(ClosestPointOnSegment(point, corners[i], corners[(i + 1) % corners.size()]), point,
               tolerance);
    }
    Consider(shape.position, point, tolerance);
    return;
  }
  if (const auto* circle = dynamic_cast<const Circle*>(&shape)) {
    const float distance = Distance2D(point, circle->position);
    // The rim wins over whatever was taken before.
    if (distance < tolerance + circle->radius) {
      result_ = RimPointTowards(*circle, point);
      best_ = Distance2D(result_, point);
    }
    Consider(circle->position, point, tolerance);
  }
}

Vector3 FindSnapAnchor(const Shape* outline, const Vector3& mouse) {
  if (!outline) return mouse;
  if (const auto* circle = dynamic_cast<const Circle*>(outline)) {
    Vector3 result = mouse;
    float best = std::numeric_limits<float>::max();
    const float distance = Distance2D(mouse, circle->position);
    if (circle->radius - distance < Snap::AnchorTolerance) {
      result = RimPointTowards(*circle, mouse);
      best = Distance2D(result, mouse);
    }
    if (distance < Snap::AnchorTolerance && distance < best) result = circle->position;
    return result;
  }
  SnapSearch search(mouse);
  search.Offer(*outline, mouse, Snap::AnchorTolerance);
  return search.Result();
}

Vector3 FindSnapTarget(World& world, const Shape* selection, const Vector3& marker,
                       const Vector3& point, const Vector3& mouse) {
  SnapSearch search(mouse);
  auto offer = [&](const Shape* candidate) {
    if (candidate == selection) return;
    if (Distance2D(marker, candidate->position) > candidate->extent + Snap::TargetTolerance) return;
    search.Offer(*candidate, point, Snap::TargetTolerance);
  };
  for (const auto& [layer, entry] : world.shapeLayers.entries) offer(entry.item);
  for (const auto& [layer, entry] : world.spriteLayers.entries) offer(entry.item);
  for (const auto& boundary : world.boundaries) offer(boundary.get());
  return search.Result();
}
