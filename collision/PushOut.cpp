#include "collision/PushOut.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <string>

#include "collision/Collide.h"
#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"

using platform::Vector3;

int32_t CollisionCase = 0;

namespace {

constexpr float PushCap = 1.0f;
constexpr float ExactRadiansToDegrees = 57.2957763671875f;
constexpr float QuarterTurn = 90.0f;
constexpr float HalfTurn = 180.0f;
constexpr float FullTurn = 360.0f;
constexpr float CaseTextDrop = 10.0f;
// The plain escapes turn the direction +x by quarter turns.
constexpr float ReferenceAngle = 0.0f;
const Vector3 Sentinel{FLT_MAX, FLT_MAX, FLT_MAX};
const Vector3 NegatedSentinel{-FLT_MAX, -FLT_MAX, -FLT_MAX};
const Vector3 Zero{};

// Corners in the order the tests take them.
enum Corner { TopLeft = 0, TopRight = 1, BottomLeft = 2, BottomRight = 3 };
using Corners = std::array<Vector3, 4>;

// The corner that follows each corner counter-clockwise.
constexpr Corner NextCounterClockwise[4] = {BottomLeft, TopLeft, BottomRight, TopRight};

// The edges of a quad, each with the edge flag that makes it solid.
struct Edge {
  Corner from;
  Corner to;
  BoundingQuad::EdgeIndex flag;
};
// Cast against by the plain escapes: left, right, top, bottom.
constexpr Edge PlainEdges[4] = {{TopLeft, BottomLeft, BoundingQuad::EdgeLeft},
                                {TopRight, BottomRight, BoundingQuad::EdgeRight},
                                {TopLeft, TopRight, BoundingQuad::EdgeTop},
                                {BottomLeft, BottomRight, BoundingQuad::EdgeBottom}};
// Run clockwise, as the edge-aware escapes need their angles: top, right, bottom, left.
constexpr Edge ClockwiseEdges[4] = {{TopLeft, TopRight, BoundingQuad::EdgeTop},
                                    {TopRight, BottomRight, BoundingQuad::EdgeRight},
                                    {BottomRight, BottomLeft, BoundingQuad::EdgeBottom},
                                    {BottomLeft, TopLeft, BoundingQuad::EdgeLeft}};
// The world axes the edge-aware escapes try: +x, +y, -x, -y.
const Vector3 Axes[4] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {-1.0f, 0.0f, 0.0f},
                         {0.0f, -1.0f, 0.0f}};

float AngleOf(const Vector3& v) {
  float angle = std::atan2(v.y, v.x) * ExactRadiansToDegrees;
  if (angle < 0.0f) angle += FullTurn;
  return angle;
}

bool IsZero(const Vector3& v) { return v == Zero; }

bool IsSentinel(const Vector3& v) { return v == Sentinel || v == NegatedSentinel; }

Corners CornersOf(const Quad& quad) {
  return {quad.GetTopLeft(), quad.GetTopRight(), quad.GetBottomLeft(), quad.GetBottomRight()};
}

Vector3 SnapDifference(const Vector3& hit, const Vector3& from) {
  return SnapVector(hit.x - from.x, hit.y - from.y, hit.z - from.z);
}

bool AnyCornerInside(const Quad& cornersOf, const Quad& in) {
  for (const Vector3& corner : CornersOf(cornersOf)) {
    if (in.ContainsPoint(corner)) return true;
  }
  return false;
}

// The directions that point into the quad at one of its corners.
struct Sector {
  float from;
  float to;
  bool Admits(float angle) const { return AngleInRange(from, to, angle); }
};

Sector InteriorSector(const Corners& corners, int corner) {
  const float from = AngleOf(corners[NextCounterClockwise[corner]] - corners[corner]);
  return {from, NormalizeAngle(from + QuarterTurn)};
}

// The shortest move along the four turns of the reference direction, into the corner's own
// quad, that brings the corner onto an edge of x; the sentinel when no ray meets one.
Vector3 PlainCornerEscape(const Vector3& corner, const Sector& sector, const Corners& x,
                          float referenceAngle) {
  Vector3 best = Sentinel;
  float bestLength = INFINITY;
  for (int turn = 0; turn < 4; ++turn) {
    const Vector3 direction = DirectionFromAngle(referenceAngle + QuarterTurn * turn);
    if (!sector.Admits(AngleOf(direction))) continue;
    for (const Edge& edge : PlainEdges) {
      const Vector3 hit = IntersectRaySegment(corner, corner + direction, x[edge.from], x[edge.to]);
      if (hit == NoIntersection) continue;
      const Vector3 move = SnapDifference(hit, corner);
      const float length = Length2D(move);
      if (length <= bestLength) {
        best = move;
        bestLength = length;
      }
    }
  }
  return best;
}

Vector3 Combine(const Vector3& current, const Vector3& candidate) {
  if (AngleOf(current) == AngleOf(candidate)) {
    return Length2D(candidate) > Length2D(current) ? candidate : current;
  }
  return Length2D(candidate) <= Length2D(current) ? candidate : current;
}

// Moves y so that its corners leave x. Only corners inside x count unless deep is set; the
// sentinel when no corner needs a move.
Vector3 PlainDisplacement(const Quad& x, const Quad& y, bool deep) {
  const Corners xCorners = CornersOf(x);
  const Corners yCorners = CornersOf(y);
  Vector3 result = Sentinel;
  bool first = true;
  for (int corner = 0; corner < 4; ++corner) {
    if (!deep && !x.ContainsPoint(yCorners[corner])) continue;
    const Vector3 candidate = PlainCornerEscape(yCorners[corner], InteriorSector(yCorners, corner),
                                                xCorners, ReferenceAngle);
    // A corner already on x's boundary needs no move; it must not outvote one that does.
    if (IsZero(candidate)) continue;
    result = first ? candidate : Combine(result, candidate);
    first = false;
  }
  return result;
}

// One corner's escape: the move, whether the edge it leaves through is solid, and whether
// pushing that way is allowed.
struct EscapeRecord {
  uint8_t solid = 1;
  uint8_t push = 1;
  Vector3 move = Sentinel;
};

bool CornerIsSolid(const BoundingQuad& boundary, int corner) {
  const auto& flags = boundary.edgeFlags;
  const bool top = flags[BoundingQuad::EdgeTop] != 0;
  const bool bottom = flags[BoundingQuad::EdgeBottom] != 0;
  const bool left = flags[BoundingQuad::EdgeLeft] != 0;
  const bool right = flags[BoundingQuad::EdgeRight] != 0;
  switch (corner) {
    case TopLeft:
      return top || left;
    case TopRight:
      return top || right;
    case BottomLeft:
      return bottom || left;
    default:
      return bottom || right;
  }
}

// Who owns the corners of an edge-aware computation: the mover's corners against the
// boundary's edges, or the boundary's corners against the mover's edges.
enum class CornerOwner { Mover, Boundary };

struct EdgeAwareQuery {
  const BoundingQuad& boundary;
  CornerOwner owner;
  bool newContact;
  float motionAngle;
};

EscapeRecord EdgeAwareCornerEscape(const Vector3& corner, int cornerIndex, const Sector& sector,
                                   const Corners& x, const EdgeAwareQuery& query) {
  EscapeRecord best;
  float bestLength = INFINITY;
  bool hit = false;
  for (int axis = 0; axis < 4; ++axis) {
    if (!sector.Admits(QuarterTurn * axis)) continue;
    for (const Edge& edge : ClockwiseEdges) {
      const Vector3 at = IntersectRaySegment(corner, corner + Axes[axis], x[edge.from], x[edge.to]);
      if (at == NoIntersection) continue;
      const Vector3 move = SnapDifference(at, corner);
      // On a new contact only edges that the motion crosses from outside are tried, but a
      // corner lying on any edge is already out: lifting it would hold the body on nothing.
      if (query.newContact && !IsZero(move)) {
        const float edgeAngle = AngleOf(x[edge.to] - x[edge.from]);
        float from = edgeAngle - HalfTurn;
        if (from < 0.0f) from += FullTurn;
        if (!AngleInRangeExclusive(from, edgeAngle, query.motionAngle)) continue;
      }
      const float length = Length2D(move);
      if (length < bestLength) {
        const bool solid = query.owner == CornerOwner::Boundary ||
                           query.boundary.edgeFlags[edge.flag] != 0;
        best = {static_cast<uint8_t>(solid), 1, move};
        bestLength = length;
        hit = true;
      }
    }
  }
  if (query.owner == CornerOwner::Boundary) {
    if (!hit) best.push = 0;
    best.solid = CornerIsSolid(query.boundary, cornerIndex);
    return best;
  }
  const float angle = AngleOf(best.move);
  for (int axis = 0; axis < 4; ++axis) {
    if (angle == QuarterTurn * axis && query.boundary.sideVectors[axis] == Zero) best.push = 0;
  }
  return best;
}

// Moves the owner of the corners out of x, honouring the boundary's switched-off edges and
// withheld directions; a boundary's corners give their answer negated, as a move of the mover.
// Sets hold when the answer is zero because the way out is not solid or not allowed.
Vector3 EdgeAwareDisplacement(const Quad& cornersOf, const Quad& x, const EdgeAwareQuery& query,
                              bool deep, bool& hold) {
  const Corners own = CornersOf(cornersOf);
  const Corners xCorners = CornersOf(x);
  const float sign = query.owner == CornerOwner::Boundary ? -1.0f : 1.0f;
  EscapeRecord current;
  float currentLength = INFINITY;
  bool anyCorner = false;
  for (int corner = 0; corner < 4; ++corner) {
    if (!deep && !x.ContainsPoint(own[corner])) continue;
    anyCorner = true;
    const EscapeRecord record =
        EdgeAwareCornerEscape(own[corner], corner, InteriorSector(own, corner), xCorners, query);
    if (IsZero(record.move)) continue;
    const float length = Length2D(record.move);
    const bool sameAngle = AngleOf(record.move) == AngleOf(current.move);
    if (sameAngle ? length > currentLength : length < currentLength) {
      current = record;
      currentLength = length;
    }
  }
  if (!anyCorner) return Sentinel * sign;
  if (current.solid && current.push) return current.move * sign;
  hold = true;
  return Zero;
}

struct QuadPush {
  Vector3 move;
  bool contact = false;
};

QuadPush QuadOutOfQuad(const BoundingQuad& mover, const BoundingQuad& boundary, bool* hold) {
  QuadPush result;
  const bool moverCornersIn = AnyCornerInside(mover, boundary);
  const bool boundaryCornersIn = AnyCornerInside(boundary, mover);

  if (boundary.partialEdges) {
    const bool held = mover.passThroughList.Contains(&boundary);
    const bool newContact = !mover.pushingList.Contains(&boundary);
    const Vector3 motion = mover.position - mover.previousPosition;
    const EdgeAwareQuery moverQuery{boundary, CornerOwner::Mover, newContact, AngleOf(motion)};
    const EdgeAwareQuery boundaryQuery{boundary, CornerOwner::Boundary, newContact,
                                       AngleOf(motion * -1.0f)};
    bool flag = false;
    if (moverCornersIn) {
      CollisionCase = 1;
      result.contact = true;
      if (held) {
        flag = true;
      } else {
        result.move = EdgeAwareDisplacement(mover, boundary, moverQuery, false, flag);
      }
    }
    if (boundaryCornersIn) {
      CollisionCase = 2;
      result.contact = true;
      if (held) {
        flag = true;
      } else {
        bool candidateFlag = false;
        const Vector3 candidate =
            EdgeAwareDisplacement(boundary, mover, boundaryQuery, false, candidateFlag);
        if (!IsSentinel(candidate) && !(Length2D(result.move) > Length2D(candidate))) {
          result.move = candidate;
          flag = candidateFlag;
        }
      }
    }
    if (!result.contact && QuadsOverlap(mover, boundary)) {
      CollisionCase = 3;
      result.contact = true;
      if (held) {
        flag = true;
      } else {
        // Both candidates take the mover's own motion.
        const EdgeAwareQuery deepBoundaryQuery{boundary, CornerOwner::Boundary, newContact,
                                               AngleOf(motion)};
        bool moverFlag = false;
        bool boundaryFlag = false;
        const Vector3 fromMover =
            EdgeAwareDisplacement(mover, boundary, moverQuery, true, moverFlag);
        const Vector3 fromBoundary =
            EdgeAwareDisplacement(boundary, mover, deepBoundaryQuery, true, boundaryFlag);
        const bool moverWins = Length2D(fromMover) < Length2D(fromBoundary);
        result.move = moverWins ? fromMover : fromBoundary;
        flag = moverWins ? moverFlag : boundaryFlag;
      }
    }
    if (hold && result.contact) *hold = flag;
  } else {
    if (moverCornersIn) {
      CollisionCase = 1;
      result.contact = true;
      result.move = PlainDisplacement(boundary, mover, false);
    }
    if (boundaryCornersIn) {
      CollisionCase = 2;
      const Vector3 candidate = PlainDisplacement(mover, boundary, false) * -1.0f;
      result.move = IsZero(result.move) ? candidate : Combine(result.move, candidate);
      result.contact = true;
    }
    if (!result.contact && QuadsOverlap(mover, boundary)) {
      CollisionCase = 3;
      result.contact = true;
      const Vector3 fromMover = PlainDisplacement(boundary, mover, true);
      const Vector3 fromBoundary = PlainDisplacement(mover, boundary, true) * -1.0f;
      result.move = Length2D(fromMover) < Length2D(fromBoundary) ? fromMover : fromBoundary;
    }
  }
  // No candidate is no push: the sentinel never reaches the mover.
  if (IsSentinel(result.move)) result.move = Zero;
  if (Length2D(result.move) > PushCap) result.move = NormalizeVector2D(result.move);
  return result;
}

Vector3 CircleOutOfQuadFor(const BoundingCircle& circle, const Quad& quad) {
  return circle.footPointPushOut ? CircleOutOfQuadByFootPoints(circle, quad)
                                 : CircleOutOfQuad(circle, quad);
}

Vector3 CircleOutOfCircle(const Circle& mover, const Circle& boundary) {
  const float distance = Distance2D(mover.position, boundary.position);
  const float sum = mover.radius + boundary.radius;
  if (distance > sum) return Zero;
  return NormalizeVector2D(mover.position - boundary.position) * (sum - distance);
}

}  // namespace

Vector3 ComputePushOut(const BoundingShape* mover, BoundingShape* boundary,
                       BoundingShape** touched, bool* hold) {
  if (touched) *touched = nullptr;
  if (!mover || !boundary) return Zero;
  Vector3 push;
  switch (boundary->type) {
    case ShapeTypeQuad: {
      const auto* quad = dynamic_cast<const BoundingQuad*>(boundary);
      if (!quad || IsZeroSize(*quad)) {
        if (hold) *hold = false;
        return Zero;
      }
      if (mover->type == ShapeTypeQuad) {
        const auto* moverQuad = dynamic_cast<const BoundingQuad*>(mover);
        if (!moverQuad) return Zero;
        const QuadPush result = QuadOutOfQuad(*moverQuad, *quad, hold);
        if (touched && result.contact) *touched = boundary;
        return result.move;
      }
      if (mover->type != ShapeTypeCircle) return Zero;
      const auto* circle = dynamic_cast<const BoundingCircle*>(mover);
      if (!circle) return Zero;
      push = CircleOutOfQuadFor(*circle, *quad);
      break;
    }
    case ShapeTypeCircle: {
      const auto* circle = dynamic_cast<const BoundingCircle*>(boundary);
      if (!circle || IsZeroSize(*circle)) {
        if (hold) *hold = false;
        return Zero;
      }
      if (mover->type == ShapeTypeQuad) {
        const auto* moverQuad = dynamic_cast<const Quad*>(mover);
        if (!moverQuad) return Zero;
        push = CircleOutOfQuadFor(*circle, *moverQuad) * -1.0f;
      } else if (mover->type == ShapeTypeCircle) {
        const auto* moverCircle = dynamic_cast<const Circle*>(mover);
        if (!moverCircle) return Zero;
        push = CircleOutOfCircle(*moverCircle, *circle);
      } else {
        return Zero;
      }
      break;
    }
    default:
      return Zero;
  }
  if (touched && !IsZero(push)) *touched = boundary;
  return push;
}

void DrawCollisionCase(float x, float y) {
  if (!SmallFont) return;
  const std::wstring text = L"Case: " + std::to_wstring(CollisionCase);
  DrawTextAligned(SmallFont, std::trunc(x), std::trunc(y + CaseTextDrop), 0.0f, text,
                  DebugTextColor.ToD3DColor(), AlignLeft, AlignTop);
}
