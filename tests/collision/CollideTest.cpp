#include <gtest/gtest.h>

#include <limits>

#include "collision/Collide.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"

namespace {

void Place(Quad& quad, float x, float y, float width, float height, float rotation = 0.0f) {
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.SetDimensions(width, height, 0.0f);
  quad.SetRotation(rotation);
}

void Place(Circle& circle, float x, float y, float radius) {
  circle.SetPositionXYZ(x, y, 0.0f);
  circle.SetRadius(radius);
}

bool CollideBothWays(const Shape& a, const Shape& b) {
  const bool forward = Collide(&a, &b);
  EXPECT_EQ(forward, Collide(&b, &a));
  return forward;
}

TEST(Collide, TouchingCirclesDoNotCollideButOverlappingOnesDo) {
  Circle a, b;
  Place(a, 0.0f, 0.0f, 1.0f);
  Place(b, 3.0f, 0.0f, 2.0f);
  EXPECT_FALSE(CollideBothWays(a, b));
  b.SetPositionXYZ(2.999f, 0.0f, 0.0f);
  EXPECT_TRUE(CollideBothWays(a, b));
}

TEST(Collide, QuadsSharingOnlyAnEdgeOrACornerCollide) {
  Quad a, b;
  Place(a, 0.0f, 0.0f, 2.0f, 2.0f);
  Place(b, 2.0f, 0.0f, 2.0f, 2.0f);
  EXPECT_TRUE(CollideBothWays(a, b));
  b.SetPositionXYZ(2.0f, 2.0f, 0.0f);
  EXPECT_TRUE(CollideBothWays(a, b));
  b.SetPositionXYZ(2.001f, 0.0f, 0.0f);
  EXPECT_FALSE(CollideBothWays(a, b));
}

TEST(Collide, ZeroSizeShapesCollideWithNothingEvenInsideAList) {
  Quad big, point;
  Place(big, 0.0f, 0.0f, 10.0f, 10.0f);
  Place(point, 0.0f, 0.0f, 0.0f, 0.0f);
  Circle dot;
  Place(dot, 0.0f, 0.0f, 0.0f);
  EXPECT_FALSE(CollideBothWays(big, point));
  EXPECT_FALSE(CollideBothWays(big, dot));
  ShapeList list;
  list.AddShape(&point);
  list.AddShape(&dot);
  EXPECT_FALSE(CollideBothWays(big, list));
  // With a depth the quad is no longer of zero size: it is a point, and inside.
  point.SetDimensions(0.0f, 0.0f, 1.0f);
  EXPECT_TRUE(CollideBothWays(big, point));
}

TEST(Collide, ListsCollideWhenAnyMemberPairDoesAndAnEmptyListNever) {
  Quad a, b;
  Place(a, 0.0f, 0.0f, 1.0f, 1.0f);
  Place(b, 10.0f, 0.0f, 1.0f, 1.0f);
  Circle c, d;
  Place(c, -10.0f, 0.0f, 1.0f);
  Place(d, 10.0f, 0.8f, 0.5f);
  ShapeList first, second, empty;
  first.AddShape(&a);
  first.AddShape(&c);
  second.AddShape(&d);
  EXPECT_FALSE(CollideBothWays(first, second));
  first.AddShape(&b);
  EXPECT_TRUE(CollideBothWays(first, second));
  EXPECT_TRUE(CollideBothWays(first, d));
  EXPECT_FALSE(CollideBothWays(first, empty));
  EXPECT_FALSE(CollideBothWays(empty, empty));
}

TEST(Collide, ShapesOfOtherKindsCollideWithNothing) {
  Quad a, b;
  Place(a, 0.0f, 0.0f, 2.0f, 2.0f);
  Place(b, 0.0f, 0.0f, 2.0f, 2.0f);
  b.type = ShapeTypeSprite;
  EXPECT_FALSE(CollideBothWays(a, b));
  EXPECT_FALSE(Collide(&a, nullptr));
}

TEST(Collide, AQuadWithoutWidthIsASegmentEvenWhenTurned) {
  Quad segment, box;
  Place(box, 0.0f, 0.0f, 2.0f, 2.0f);
  // Horizontally within the box's span, but wholly above it.
  Place(segment, 0.0f, 3.0f, 0.0f, 1.0f, 45.0f);
  EXPECT_FALSE(CollideBothWays(segment, box));
  segment.SetPositionXYZ(0.0f, 1.2f, 0.0f);
  EXPECT_TRUE(CollideBothWays(segment, box));
  Quad other;
  Place(other, 0.0f, 1.2f, 1.0f, 0.0f, 30.0f);
  EXPECT_TRUE(CollideBothWays(segment, other));
  other.SetPositionXYZ(5.0f, 5.0f, 0.0f);
  EXPECT_FALSE(CollideBothWays(segment, other));
}

TEST(Collide, ACircleWhoseCentreLiesOnAQuadsSideOverlapsIt) {
  Quad box;
  Place(box, 0.0f, 0.0f, 2.0f, 2.0f);
  Circle circle;
  Place(circle, 1.0f, 0.5f, 0.25f);
  EXPECT_TRUE(CollideBothWays(circle, box));
  circle.SetPositionXYZ(0.5f, -1.0f, 0.0f);
  EXPECT_TRUE(CollideBothWays(circle, box));
  circle.SetPositionXYZ(1.0f, 1.0f, 0.0f);
  EXPECT_TRUE(CollideBothWays(circle, box));
  // Touching a side from outside is no overlap.
  circle.SetPositionXYZ(1.25f, 0.5f, 0.0f);
  EXPECT_FALSE(CollideBothWays(circle, box));
}

TEST(Collide, AShapePlacedAtNotANumberOverlapsNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  Quad box, lost;
  Place(box, 0.0f, 0.0f, 2.0f, 2.0f);
  Place(lost, nan, 0.0f, 2.0f, 2.0f);
  EXPECT_FALSE(CollideBothWays(lost, box));
  Place(lost, 0.0f, 0.0f, 0.0f, 2.0f, nan);
  EXPECT_FALSE(CollideBothWays(lost, box));
  Circle circle;
  Place(circle, 0.0f, 0.0f, 1.0f);
  EXPECT_FALSE(CollideBothWays(circle, lost));
  Place(circle, nan, 0.0f, 1.0f);
  EXPECT_FALSE(CollideBothWays(circle, box));
}

TEST(CircleOutOfQuad, PushesOutThroughTheNearestSideInTheQuadsFrame) {
  Quad box;
  Place(box, 0.0f, 0.0f, 4.0f, 2.0f, 90.0f);
  Circle circle;
  // In the turned frame the point (0, 1.5) lies 0.5 inside the quad's right side.
  Place(circle, 0.0f, 1.5f, 0.5f);
  const platform::Vector3 push = CircleOutOfQuad(circle, box);
  EXPECT_NEAR(push.x, 0.0f, 1e-5f);
  EXPECT_NEAR(push.y, 1.0f, 1e-5f);
}

// A 4 x 2 quad at the origin (sides at x -2 and 2, y -1 and 1) and a circle of radius 0.5.
TEST(CircleOutOfQuad, EachRegionPushesByItsOwnRule) {
  struct Case {
    const char* what;
    float x, y;
    float pushX, pushY;
  };
  const Case cases[] = {
      {"inside, nearest the left side", -1.8f, 0.0f, -0.7f, 0.0f},
      {"inside, nearest the right side", 1.8f, 0.0f, 0.7f, 0.0f},
      {"inside, nearest the top", 0.0f, 0.9f, 0.0f, 0.6f},
      {"inside, nearest the bottom", 0.0f, -0.9f, 0.0f, -0.6f},
      {"inside, as near the left as the top: the left wins", -1.5f, 0.5f, -1.0f, 0.0f},
      {"on the left side's line", -2.0f, 0.0f, -0.5f, 0.0f},
      {"beside the left side", -2.3f, 0.0f, -0.2f, 0.0f},
      {"beside the right side", 2.3f, 0.5f, 0.2f, 0.0f},
      {"beside, out of reach", -2.6f, 0.0f, 0.0f, 0.0f},
      {"above", 1.0f, 1.2f, 0.0f, 0.3f},
      {"below", -1.0f, -1.4f, 0.0f, -0.1f},
      {"near the top-left corner", -2.15f, 1.2f, -0.15f, 0.2f},
      {"past the corner's reach", -2.4f, 1.4f, 0.0f, 0.0f},
      // Right on a corner the circle leaves along the line from the quad's centre.
      {"on the top-left corner", -2.0f, 1.0f, -0.4472136f, 0.2236068f},
      {"on the bottom-right corner", 2.0f, -1.0f, 0.4472136f, -0.2236068f},
  };
  Quad box;
  Place(box, 0.0f, 0.0f, 4.0f, 2.0f);
  for (const Case& c : cases) {
    Circle circle;
    Place(circle, c.x, c.y, 0.5f);
    const platform::Vector3 push = CircleOutOfQuad(circle, box);
    EXPECT_NEAR(push.x, c.pushX, 1e-5f) << c.what;
    EXPECT_NEAR(push.y, c.pushY, 1e-5f) << c.what;
  }
}

}  // namespace
