#pragma once

#include <limits>

#include "platform/MathTypes.h"

class Shape;
class World;

// Snapping pulls a point of the dragged selection onto a characteristic point of another map
// shape: a corner of a quad or sprite, the nearest point of one of its edges or its centre, or a
// circle's rim or centre. Distances are measured in the xy plane.
namespace Snap {
// How near the mouse a point of the selection must be to be carried.
constexpr float AnchorTolerance = 0.7f;
// How near the carried point another shape's point must be to catch it.
constexpr float TargetTolerance = 0.3f;
}  // namespace Snap

// One search: it starts at the mouse's world point with nothing found. Corners beat edges and
// centres: once a corner has been taken, no edge point or centre is looked at.
class SnapSearch {
 public:
  explicit SnapSearch(const platform::Vector3& mouse) : mouse_(mouse), result_(mouse) {}

  // Tests one candidate for the point; shape lists are not candidates.
  void Offer(const Shape& shape, const platform::Vector3& point, float tolerance);
  // The point found, or the mouse's point.
  const platform::Vector3& Result() const { return result_; }

 private:
  // Taken when nearer than the tolerance and than what was taken before.
  void Consider(const platform::Vector3& candidate, const platform::Vector3& point,
                float tolerance);
  bool NothingTaken() const { return result_ == mouse_; }

  platform::Vector3 mouse_;
  platform::Vector3 result_;
  float best_ = std::numeric_limits<float>::max();
};

// The point of the outline a drag carries: the nearest corner within reach of the mouse, else
// the nearest edge point or the centre; for a circle the rim point towards the mouse while the
// mouse is near the rim or outside, and the centre when nearer. The mouse's point without one.
platform::Vector3 FindSnapAnchor(const Shape* outline, const platform::Vector3& mouse);

// The point of another shape (textured shapes, sprites, boundaries, whatever their layers'
// flags) that catches the point, or the mouse's point when none does. A candidate is looked at
// only when its position lies within its bounding radius plus the tolerance of the marker.
platform::Vector3 FindSnapTarget(World& world, const Shape* selection,
                                 const platform::Vector3& marker, const platform::Vector3& point,
                                 const platform::Vector3& mouse);
