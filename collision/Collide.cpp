#include "collision/Collide.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/VectorMath.h"
#include "engine/draw/ShapeList.h"

using platform::Vector3;

namespace {

constexpr double DegreeFactor = 0.01745329238474369;
constexpr float Half = 0.5f;

// A push that is not a number pushes nowhere.
bool Pushes(const Vector3& v) { return std::fabs(v.x) > 0.0f || std::fabs(v.y) > 0.0f; }

// A list's members, or the shape alone.
std::vector<const Shape*> MembersOf(const Shape* shape) {
  if (shape->type == ShapeTypeShapeList) {
    if (const auto* list = dynamic_cast<const ShapeList*>(shape)) {
      return {list->members.begin(), list->members.end()};
    }
    return {};
  }
  return {shape};
}

bool AnyMemberCollides(const Shape* list, const Shape* other) {
  for (const Shape* member : MembersOf(list)) {
    if (Collide(member, other)) return true;
  }
  return false;
}

std::array<Vector3, 4> CornersOf(const Quad& quad) {
  return {quad.GetTopLeft(), quad.GetTopRight(), quad.GetBottomRight(), quad.GetBottomLeft()};
}

// Separating axes over the two rectangles' own axes, boundaries included: sound for
// rectangles that have collapsed into segments or points.
bool DegenerateQuadsOverlap(const Quad& first, const Quad& second) {
  const std::array<Vector3, 4> a = CornersOf(first);
  const std::array<Vector3, 4> b = CornersOf(second);
  const std::array<Vector3, 4> axes = {UnitVectorFromAngle(first.rotation),
                                       UnitVectorFromAngle(first.rotation + 90.0f),
                                       UnitVectorFromAngle(second.rotation),
                                       UnitVectorFromAngle(second.rotation + 90.0f)};
  for (const Vector3& axis : axes) {
    auto project = [&axis](const std::array<Vector3, 4>& corners, float& low, float& high) {
      low = high = corners[0].x * axis.x + corners[0].y * axis.y;
      for (const Vector3& corner : corners) {
        float along = corner.x * axis.x + corner.y * axis.y;
        low = std::min(low, along);
        high = std::max(high, along);
      }
    };
    float lowA, highA, lowB, highB;
    project(a, lowA, highA);
    project(b, lowB, highB);
    if (highA < lowB || highB < lowA) return false;
  }
  return true;
}

bool IsFinite(const Quad& quad) {
  return std::isfinite(quad.position.x) && std::isfinite(quad.position.y) &&
         std::isfinite(quad.width) && std::isfinite(quad.height) && std::isfinite(quad.rotation);
}

}  // namespace

bool IsZeroSize(const Quad& quad) {
  return quad.width == 0.0f && quad.height == 0.0f && quad.depth == 0.0f;
}

bool IsZeroSize(const Circle& circle) { return circle.radius == 0.0f; }

bool Collide(const Shape* first, const Shape* second) {
  if (!first || !second) return false;
  switch (second->type) {
    case ShapeTypeQuad: {
      const auto* quad = dynamic_cast<const Quad*>(second);
      if (!quad || IsZeroSize(*quad)) return false;
      switch (first->type) {
        case ShapeTypeQuad: {
          const auto* other = dynamic_cast<const Quad*>(first);
          return other && !IsZeroSize(*other) && QuadsOverlap(*other, *quad);
        }
        case ShapeTypeCircle: {
          const auto* circle = dynamic_cast<const Circle*>(first);
          return circle && !IsZeroSize(*circle) && Pushes(CircleOutOfQuad(*circle, *quad));
        }
        case ShapeTypeShapeList:
          return AnyMemberCollides(first, second);
        default:
          return false;
      }
    }
    case ShapeTypeCircle: {
      const auto* circle = dynamic_cast<const Circle*>(second);
      if (!circle || IsZeroSize(*circle)) return false;
      switch (first->type) {
        case ShapeTypeQuad: {
          const auto* quad = dynamic_cast<const Quad*>(first);
          return quad && !IsZeroSize(*quad) && Pushes(CircleOutOfQuad(*circle, *quad));
        }
        case ShapeTypeCircle: {
          const auto* other = dynamic_cast<const Circle*>(first);
          return other && !IsZeroSize(*other) && CirclesOverlap(*other, *circle);
        }
        case ShapeTypeShapeList:
          return AnyMemberCollides(first, second);
        default:
          return false;
      }
    }
    case ShapeTypeShapeList: {
      const std::vector<const Shape*> secondMembers = MembersOf(second);
      for (const Shape* own : MembersOf(first)) {
        for (const Shape* member : secondMembers) {
          if (Collide(own, member)) return true;
        }
      }
      return false;
    }
    default:
      return false;
  }
}

bool QuadsOverlap(const Quad& first, const Quad& second) {
  // No value that is not a number decides an overlap.
  if (!IsFinite(first) || !IsFinite(second)) return false;
  if (first.width == 0.0f || first.height == 0.0f || second.width == 0.0f ||
      second.height == 0.0f) {
    return DegenerateQuadsOverlap(first, second);
  }
  const float angle = static_cast<float>((first.rotation - second.rotation) * DegreeFactor);
  const float cosa = std::cos(angle);
  const float sina = std::sin(angle);

  // The reference quad made axis-aligned around the first quad's centre.
  const float reference = static_cast<float>(second.rotation * DegreeFactor);
  const float cr = std::cos(reference);
  const float sr = std::sin(reference);
  const Vector3 d = second.position - first.position;
  const Vector3 centre{d.x * cr + d.y * sr, d.y * cr - d.x * sr, 0.0f};
  const Vector3 bottomLeft{centre.x - second.width * Half, centre.y - second.height * Half, 0.0f};
  const Vector3 topRight{centre.x + second.width * Half, centre.y + second.height * Half, 0.0f};

  // Two corner vectors of the first quad turned into that frame.
  const float halfWidth = first.width * Half;
  const float halfHeight = first.height * Half;
  Vector3 a{-halfHeight * sina + halfWidth * cosa, halfHeight * cosa + halfWidth * sina, 0.0f};
  Vector3 b{-halfHeight * sina - halfWidth * cosa, halfHeight * cosa - halfWidth * sina, 0.0f};
  const float t = sina * cosa;
  if (t < 0.0f) std::swap(a, b);
  if (sina < 0.0f) b = b * -1.0f;

  if (b.x > topRight.x || b.x > -bottomLeft.x) return false;

  float ext1;
  float ext2;
  if (t == 0.0f) {
    ext1 = a.y;
    ext2 = -a.y;
  } else {
    float x = bottomLeft.x - a.x;
    float span = topRight.x - a.x;
    ext1 = a.y;
    if (span * x > 0.0f) {
      float dx = a.x;
      if (x < 0.0f) {
        dx -= b.x;
        ext1 -= b.y;
        x = span;
      } else {
        dx += b.x;
        ext1 += b.y;
      }
      ext1 = ext1 * x / dx + a.y;
    }
    x = bottomLeft.x + a.x;
    span = topRight.x + a.x;
    ext2 = -a.y;
    if (span * x > 0.0f) {
      float dx = -a.x;
      if (x < 0.0f) {
        dx -= b.x;
        ext2 -= b.y;
        x = span;
      } else {
        dx += b.x;
        ext2 += b.y;
      }
      ext2 = ext2 * x / dx - a.y;
    }
  }
  return !((ext1 < bottomLeft.y && ext2 < bottomLeft.y) ||
           (ext1 > topRight.y && ext2 > topRight.y));
}

bool CirclesOverlap(const Circle& first, const Circle& second) {
  const float dx = second.position.x - first.position.x;
  const float dy = second.position.y - first.position.y;
  const float sum = first.radius + second.radius;
  return dx * dx + dy * dy < sum * sum;
}

Vector3 CircleOutOfQuad(const Circle& circle, const Quad& quad) {
  const Vector3& centre = quad.position;
  const float halfWidth = quad.width * Half;
  const float halfHeight = quad.height * Half;
  const float left = centre.x - halfWidth;
  const float right = centre.x + halfWidth;
  const float bottom = centre.y - halfHeight;
  const float top = centre.y + halfHeight;
  const float r = circle.radius;
  const Vector3 p = RotateAboutPointClockwise(circle.position, centre, quad.rotation);

  const bool insideX = left < p.x && p.x < right;
  const bool insideY = bottom < p.y && p.y < top;
  Vector3 push;
  if (insideX && insideY) {
    // Out through the nearest side; earlier sides win ties.
    float nearest = std::fabs(left - p.x);
    push.x = (left - p.x) - r;
    if (std::fabs(right - p.x) < nearest) {
      nearest = std::fabs(right - p.x);
      push = {(right - p.x) + r, 0.0f, 0.0f};
    }
    if (std::fabs(top - p.y) < nearest) {
      nearest = std::fabs(top - p.y);
      push = {0.0f, (top - p.y) + r, 0.0f};
    }
    if (std::fabs(bottom - p.y) < nearest) push = {0.0f, (bottom - p.y) - r, 0.0f};
  } else if (insideY) {
    // A centre on the side's line counts as beside it.
    if (p.x <= left && centre.x - p.x < r + halfWidth) {
      push.x = -(r + halfWidth - (centre.x - p.x));
    } else if (p.x >= right && p.x - centre.x < r + halfWidth) {
      push.x = r + halfWidth - (p.x - centre.x);
    }
  } else if (insideX) {
    if (p.y >= top && p.y - centre.y < r + halfHeight) {
      push.y = r + halfHeight - (p.y - centre.y);
    } else if (p.y <= bottom && centre.y - p.y < r + halfHeight) {
      push.y = -(r + halfHeight - (centre.y - p.y));
    }
  } else {
    const Vector3 corner{p.x < centre.x ? left : right, p.y < centre.y ? bottom : top, p.z};
    const Vector3 toCorner = corner - p;
    const float distance = Length2D(toCorner);
    if (distance <= r) {
      // A centre right on the corner leaves diagonally, away from the quad.
      const Vector3 n = distance > 0.0f ? NormalizeVector2D(toCorner)
                                        : NormalizeVector2D(centre - corner);
      push = toCorner - n * r;
    }
  }
  return RotateVector(push, quad.rotation);
}

Vector3 CircleOutOfQuadByFootPoints(const Circle& circle, const Quad& quad) {
  const Vector3& c = circle.position;
  const float r = circle.radius;
  const Vector3 u = UnitVectorFromAngle(quad.rotation);
  const Vector3 foot1 = FootOfPerpendicular(c, quad.position, quad.position + u);
  const float d1 = Distance2D(c, foot1);
  const Vector3 e1 = NormalizeVector2D(c - foot1);
  const Vector3 foot2 = FootOfPerpendicular(c, quad.position, quad.position + e1);
  const float d2 = Distance2D(c, foot2);
  const Vector3 e2 = NormalizeVector2D(c - foot2);
  const float reachY = r + quad.height * Half;
  const float reachX = r + quad.width * Half;
  const float pen1 = d1 - reachY;
  const float pen2 = d2 - reachX;
  if (!(pen1 < 0.0f && pen2 < 0.0f)) return {};
  const Vector3 target = pen2 <= pen1 ? foot1 + e1 * reachY : foot2 + e2 * reachX;
  return target - c;
}
