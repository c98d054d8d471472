#include <gtest/gtest.h>

#include <random>

#include "collision/Collide.h"
#include "collision/PushOut.h"
#include "engine/VectorMath.h"

namespace {

using platform::Vector3;

void Place(BoundingQuad& quad, float x, float y, float width, float height, float rotation = 0.0f) {
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.previousPosition = quad.position;
  quad.SetDimensions(width, height, 0.0f);
  quad.SetRotation(rotation);
}

void Place(BoundingCircle& circle, float x, float y, float radius) {
  circle.SetPositionXYZ(x, y, 0.0f);
  circle.SetRadius(radius);
}

// The mover was at the given place a moment ago.
void CameFrom(Shape& mover, float x, float y) { mover.previousPosition = {x, y, 0.0f}; }

void ExpectNear(const Vector3& actual, float x, float y) {
  EXPECT_NEAR(actual.x, x, 1e-5f) << "y " << actual.y;
  EXPECT_NEAR(actual.y, y, 1e-5f) << "x " << actual.x;
}

TEST(PushOut, AZeroSizeBoundaryPushesNothingAndReportsNoTouchAndNoHold) {
  BoundingQuad mover, boundary;
  Place(mover, 0.0f, 0.0f, 2.0f, 2.0f);
  Place(boundary, 0.0f, 0.0f, 0.0f, 0.0f);
  BoundingShape* touched = &mover;
  bool hold = true;
  EXPECT_EQ(ComputePushOut(&mover, &boundary, &touched, &hold), Vector3{});
  EXPECT_EQ(touched, nullptr);
  EXPECT_FALSE(hold);
  BoundingCircle dot;
  Place(dot, 0.0f, 0.0f, 0.0f);
  hold = true;
  touched = &mover;
  EXPECT_EQ(ComputePushOut(&mover, &dot, &touched, &hold), Vector3{});
  EXPECT_EQ(touched, nullptr);
  EXPECT_FALSE(hold);
}

TEST(PushOut, AShallowQuadOverlapIsUndoneAndADeepOneCorrectedByAtMostLengthOne) {
  BoundingQuad body, floor;
  Place(floor, 0.0f, 0.0f, 10.0f, 2.0f);
  Place(body, 0.0f, 1.9f, 2.0f, 2.0f);
  BoundingShape* touched = nullptr;
  ExpectNear(ComputePushOut(&body, &floor, &touched, nullptr), 0.0f, 0.1f);
  EXPECT_EQ(touched, &floor);
  EXPECT_EQ(CollisionCase, 1);

  Place(body, 0.5f, -0.5f, 2.0f, 2.0f);
  const Vector3 deep = ComputePushOut(&body, &floor, &touched, nullptr);
  EXPECT_FLOAT_EQ(Length2D(deep), 1.0f);
  EXPECT_EQ(touched, &floor);

  // Apart: nothing, and the last case stays as it was.
  Place(body, 0.0f, 5.0f, 2.0f, 2.0f);
  EXPECT_EQ(ComputePushOut(&body, &floor, &touched, nullptr), Vector3{});
  EXPECT_EQ(touched, nullptr);
  EXPECT_EQ(CollisionCase, 1);
}

TEST(PushOut, CollisionCaseNamesTheLastCaseThatMatched) {
  BoundingQuad mover, boundary;
  // Only the boundary's corners lie in the mover.
  Place(mover, 0.0f, 0.0f, 6.0f, 6.0f);
  Place(boundary, 2.8f, 0.0f, 1.0f, 1.0f);
  BoundingShape* touched = nullptr;
  ExpectNear(ComputePushOut(&mover, &boundary, &touched, nullptr), -0.7f, 0.0f);
  EXPECT_EQ(CollisionCase, 2);
  EXPECT_EQ(touched, &boundary);

  // Corners of each lie in the other: case 2 is the last to match.
  Place(mover, 0.0f, 0.0f, 2.0f, 2.0f);
  Place(boundary, 1.5f, 1.8f, 2.0f, 2.0f);
  ExpectNear(ComputePushOut(&mover, &boundary, &touched, nullptr), 0.0f, -0.2f);
  EXPECT_EQ(CollisionCase, 2);

  // A cross: no corner of either lies in the other.
  Place(mover, 0.0f, 0.0f, 1.0f, 6.0f);
  Place(boundary, 0.0f, 0.0f, 6.0f, 1.0f);
  const Vector3 cross = ComputePushOut(&mover, &boundary, &touched, nullptr);
  EXPECT_EQ(CollisionCase, 3);
  EXPECT_EQ(touched, &boundary);
  EXPECT_LE(Length2D(cross), 1.0f);
  EXPECT_GT(Length2D(cross), 0.0f);
}

TEST(PushOut, CircleOutOfQuadIsTheNegatedQuadOutOfCircle) {
  std::mt19937 engine(7);
  std::uniform_real_distribution<float> coordinate(-3.0f, 3.0f);
  std::uniform_real_distribution<float> size(0.2f, 3.0f);
  std::uniform_real_distribution<float> angle(0.0f, 360.0f);
  int pushes = 0;
  for (int footPoints = 0; footPoints < 2; ++footPoints) {
    for (int i = 0; i < 2000; ++i) {
      BoundingCircle circle;
      BoundingQuad quad;
      circle.footPointPushOut = static_cast<uint8_t>(footPoints);
      Place(circle, coordinate(engine), coordinate(engine), size(engine));
      Place(quad, coordinate(engine), coordinate(engine), size(engine), size(engine),
            angle(engine));
      BoundingShape* circleTouched = nullptr;
      BoundingShape* quadTouched = nullptr;
      const Vector3 circleOut = ComputePushOut(&circle, &quad, &circleTouched, nullptr);
      const Vector3 quadOut = ComputePushOut(&quad, &circle, &quadTouched, nullptr);
      ASSERT_EQ(circleOut, quadOut * -1.0f);
      ASSERT_EQ(circleTouched == &quad, quadTouched == &circle);
      if (!(circleOut == Vector3{})) ++pushes;
    }
  }
  EXPECT_GT(pushes, 500);
}

TEST(PushOut, ARegionPushLeavesTheCircleTouchingTheQuad) {
  BoundingQuad quad;
  Place(quad, 1.0f, -1.0f, 4.0f, 2.0f, 30.0f);
  BoundingCircle circle;
  for (const Vector3& centre : {Vector3{1.5f, -0.5f, 0.0f}, Vector3{3.2f, 0.6f, 0.0f},
                                Vector3{-0.9f, -1.9f, 0.0f}}) {
    Place(circle, centre.x, centre.y, 0.75f);
    const Vector3 push = ComputePushOut(&circle, &quad, nullptr, nullptr);
    ASSERT_FALSE(push == Vector3{});
    circle.SetPosition(circle.position + push);
    EXPECT_FALSE(Collide(&circle, &quad));
    circle.SetRadius(0.76f);
    EXPECT_TRUE(Collide(&circle, &quad));
  }
}

TEST(PushOut, CirclesPushApartAlongTheirCentresAndTouchingOnesNotAtAll) {
  BoundingCircle mover, boundary;
  Place(mover, 0.0f, 0.0f, 1.0f);
  Place(boundary, 3.0f, 0.0f, 2.0f);
  BoundingShape* touched = &mover;
  EXPECT_EQ(ComputePushOut(&mover, &boundary, &touched, nullptr), Vector3{});
  EXPECT_EQ(touched, nullptr);
  mover.SetPositionXYZ(0.0f, 0.0f, 0.0f);
  boundary.SetPositionXYZ(1.8f, 2.4f, 0.0f);
  ExpectNear(ComputePushOut(&mover, &boundary, &touched, nullptr), 0.0f, 0.0f);
  EXPECT_EQ(touched, nullptr);
  boundary.SetPositionXYZ(1.2f, 1.6f, 0.0f);
  ExpectNear(ComputePushOut(&mover, &boundary, &touched, nullptr), -0.6f, -0.8f);
  EXPECT_EQ(touched, &boundary);
}

TEST(PushOut, HeldBoundariesMatterOnlyOnceAnEdgeHasBeenSwitchedOff) {
  BoundingQuad body, floor;
  Place(floor, 0.0f, 0.0f, 10.0f, 2.0f);
  Place(body, 0.0f, 1.9f, 2.0f, 2.0f);
  CameFrom(body, 0.0f, 2.0f);
  body.heldList = {&floor};
  body.touchingList = {&floor};
  bool hold = false;
  ExpectNear(ComputePushOut(&body, &floor, nullptr, &hold), 0.0f, 0.1f);
  EXPECT_FALSE(hold);

  // Switched off and on again: every edge is solid, but the held list is now honoured.
  floor.SetEdgeFlag0(0);
  floor.SetEdgeFlag0(1);
  BoundingShape* touched = nullptr;
  EXPECT_EQ(ComputePushOut(&body, &floor, &touched, &hold), Vector3{});
  EXPECT_TRUE(hold);
  EXPECT_EQ(touched, &floor);

  body.heldList.clear();
  hold = false;
  ExpectNear(ComputePushOut(&body, &floor, nullptr, &hold), 0.0f, 0.1f);
  EXPECT_FALSE(hold);
}

TEST(PushOut, ANewContactThroughASwitchedOffEdgeHoldsAndASolidEdgePushes) {
  BoundingQuad body, platform;
  Place(platform, 0.0f, 0.0f, 10.0f, 2.0f);
  platform.SetEdgeFlag3(0);  // the bottom lets bodies through
  // Rising into the platform from below.
  Place(body, 0.0f, -1.8f, 2.0f, 2.0f);
  CameFrom(body, 0.0f, -2.0f);
  bool hold = false;
  EXPECT_EQ(ComputePushOut(&body, &platform, nullptr, &hold), Vector3{});
  EXPECT_TRUE(hold);
  EXPECT_EQ(CollisionCase, 1);

  // Falling onto it from above: the top is solid.
  Place(body, 0.0f, 1.8f, 2.0f, 2.0f);
  CameFrom(body, 0.0f, 2.0f);
  hold = false;
  ExpectNear(ComputePushOut(&body, &platform, nullptr, &hold), 0.0f, 0.2f);
  EXPECT_FALSE(hold);
}

TEST(PushOut, AZeroSideVectorWithholdsPushesInItsDirection) {
  BoundingQuad body, floor;
  Place(floor, 0.0f, 0.0f, 10.0f, 2.0f);
  floor.SetEdgeFlag0(0);
  floor.SetEdgeFlag0(1);
  Place(body, 0.0f, 1.9f, 2.0f, 2.0f);
  CameFrom(body, 0.0f, 2.0f);
  bool hold = false;
  ExpectNear(ComputePushOut(&body, &floor, nullptr, &hold), 0.0f, 0.1f);
  EXPECT_FALSE(hold);

  // Entry 1 belongs to the push along +y.
  floor.sideVectors[1] = {};
  EXPECT_EQ(ComputePushOut(&body, &floor, nullptr, &hold), Vector3{});
  EXPECT_TRUE(hold);

  // A push along another direction is not withheld by it.
  Place(body, 5.9f, 0.0f, 2.0f, 1.0f);
  CameFrom(body, 6.0f, 0.0f);
  hold = false;
  ExpectNear(ComputePushOut(&body, &floor, nullptr, &hold), 0.1f, 0.0f);
  EXPECT_FALSE(hold);
  floor.sideVectors[0] = {};
  EXPECT_EQ(ComputePushOut(&body, &floor, nullptr, &hold), Vector3{});
  EXPECT_TRUE(hold);
}

TEST(PushOut, ShapesOfOtherKindsArePushedByNothing) {
  BoundingQuad mover, boundary;
  Place(mover, 0.0f, 0.0f, 2.0f, 2.0f);
  Place(boundary, 0.5f, 0.0f, 2.0f, 2.0f);
  boundary.type = ShapeTypeLine;
  BoundingShape* touched = &mover;
  EXPECT_EQ(ComputePushOut(&mover, &boundary, &touched, nullptr), Vector3{});
  EXPECT_EQ(touched, nullptr);
}

}  // namespace

namespace {

TEST(PushOut, ACornerLyingOnAnEdgeDoesNotCancelThePushOfAnotherCorner) {
  // The body stands on the floor line and runs 0.05 into a wall that starts at that line.
  BoundingQuad body, wall;
  Place(wall, 5.0f, 3.0f, 2.0f, 4.0f);
  Place(body, 3.05f, 1.5f, 2.0f, 1.0f);
  CameFrom(body, 3.0f, 1.5f);
  ExpectNear(ComputePushOut(&body, &wall, nullptr, nullptr), -0.05f, 0.0f);
  // Only touching: no push.
  Place(body, 3.0f, 1.5f, 2.0f, 1.0f);
  EXPECT_EQ(ComputePushOut(&body, &wall, nullptr, nullptr), Vector3{});
}

}  // namespace

namespace {

TEST(PushOut, ABoundarysCornersInTheMoverPushByTheSolidityOfTheirCorner) {
  // A wide body lands on a small block: only the block's corners lie in the body.
  BoundingQuad body, block;
  Place(block, 0.0f, 0.0f, 1.0f, 1.0f);
  block.SetEdgeFlag3(0);
  Place(body, 0.0f, 2.4f, 4.0f, 4.0f);
  CameFrom(body, 0.0f, 2.6f);
  bool hold = false;
  ExpectNear(ComputePushOut(&body, &block, nullptr, &hold), 0.0f, 0.1f);
  EXPECT_EQ(CollisionCase, 2);
  EXPECT_FALSE(hold);

  // With its top and left edges off, the block's top-left corner is not solid: it decides.
  block.SetEdgeFlag2(0);
  block.SetEdgeFlag0(0);
  EXPECT_EQ(ComputePushOut(&body, &block, nullptr, &hold), Vector3{});
  EXPECT_TRUE(hold);
}

}  // namespace
