#include <gtest/gtest.h>

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

// A circle against a quad, and the push that moves the circle out, worked out by hand from the
// region and foot-point rules. The quad as mover against the circle gets the opposite push.
struct CirclePushCase {
  const char* what;
  float circleX, circleY, radius;
  uint8_t footPoints;
  float quadRotation;
  float pushX, pushY;
};

// The quad is 4 x 2 at the origin: sides at x = -2 and 2, y = -1 and 1.
constexpr CirclePushCase CirclePushCases[] = {
    {"above the top", 0.0f, 1.5f, 1.0f, 0, 0.0f, 0.0f, 0.5f},
    {"left of the left side", -2.5f, 0.0f, 1.0f, 0, 0.0f, -0.5f, 0.0f},
    // The corner (2, 1) lies 1 from the centre along (-0.6, -0.8): out to 1.5 along it.
    {"at the top right corner", 2.6f, 1.8f, 1.5f, 0, 0.0f, 0.3f, 0.4f},
    // The same, turned a quarter counter-clockwise about the quad's centre.
    {"at a turned corner", -1.8f, 2.6f, 1.5f, 0, 90.0f, -0.4f, 0.3f},
    {"out of reach of the corner", 2.6f, 1.8f, 0.9f, 0, 0.0f, 0.0f, 0.0f},
    // Inside, 0.5 from the right side: out through it and a radius beyond.
    {"inside near the right side", 1.5f, 0.2f, 0.5f, 0, 0.0f, 1.0f, 0.0f},
    // Feet (2.6, 0) and (0, 1.8); reaches 2.5 and 3.5; sinking 0.7 and 0.9: up onto y = 2.5.
    {"at the corner by foot points", 2.6f, 1.8f, 1.5f, 1, 0.0f, 0.0f, 0.7f},
};

TEST(PushOut, CirclesAndQuadsPushEachOtherByTheRegionOrFootPointRuleBothWays) {
  for (const CirclePushCase& c : CirclePushCases) {
    SCOPED_TRACE(c.what);
    BoundingCircle circle;
    BoundingQuad quad;
    Place(circle, c.circleX, c.circleY, c.radius);
    circle.footPointPushOut = c.footPoints;
    Place(quad, 0.0f, 0.0f, 4.0f, 2.0f, c.quadRotation);
    const bool pushes = c.pushX != 0.0f || c.pushY != 0.0f;
    BoundingShape* touched = nullptr;
    ExpectNear(ComputePushOut(&circle, &quad, &touched, nullptr), c.pushX, c.pushY);
    EXPECT_EQ(touched, pushes ? &quad : nullptr);
    ExpectNear(ComputePushOut(&quad, &circle, &touched, nullptr), -c.pushX, -c.pushY);
    EXPECT_EQ(touched, pushes ? &circle : nullptr);
  }
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
  body.passThroughList = {&floor};
  body.pushingList = {&floor};
  bool hold = false;
  ExpectNear(ComputePushOut(&body, &floor, nullptr, &hold), 0.0f, 0.1f);
  EXPECT_FALSE(hold);

  // Switched off and on again: every edge is solid, but the pass-through list is now honoured.
  floor.SetEdgeFlag0(0);
  floor.SetEdgeFlag0(1);
  BoundingShape* touched = nullptr;
  EXPECT_EQ(ComputePushOut(&body, &floor, &touched, &hold), Vector3{});
  EXPECT_TRUE(hold);
  EXPECT_EQ(touched, &floor);

  body.passThroughList.clear();
  hold = false;
  ExpectNear(ComputePushOut(&body, &floor, nullptr, &hold), 0.0f, 0.1f);
  EXPECT_FALSE(hold);
}

// A 2 x 2 body meets a platform 10 wide and 1 thick (top y = 0.5, bottom y = -0.5) whose
// bottom lets bodies through, moving from one height to another in one step. Only the edge
// that the motion crossed may push: not the open bottom, nor the platform's end when a fast
// body reaches deeper than it overhangs.
struct PlatformEntry {
  const char* what;
  float x;
  float fromY;
  float toY;
  float pushY;
  bool hold;
  int collisionCase;
};

constexpr PlatformEntry PlatformEntries[] = {
    {"rising slowly into the open bottom", 0.0f, -1.7f, -1.3f, 0.0f, true, 1},
    {"rising fast past the middle", 0.0f, -1.5f, -0.7f, 0.0f, true, 1},
    {"falling slowly onto the solid top", 0.0f, 1.7f, 1.3f, 0.2f, false, 1},
    {"falling fast past the middle", 0.0f, 1.5f, 0.7f, 0.8f, false, 1},
    // The platform's top corner lies in the body too; it agrees.
    {"falling fast at the end, 0.5 from its side", 5.5f, 1.5f, 0.7f, 0.8f, false, 2},
};

TEST(PushOut, ANewContactThroughASwitchedOffEdgeHoldsAndASolidEdgePushesAtAnySpeed) {
  BoundingQuad platform;
  Place(platform, 0.0f, 0.0f, 10.0f, 1.0f);
  platform.SetEdgeFlag3(0);
  for (const PlatformEntry& entry : PlatformEntries) {
    SCOPED_TRACE(entry.what);
    BoundingQuad body;
    Place(body, entry.x, entry.toY, 2.0f, 2.0f);
    CameFrom(body, entry.x, entry.fromY);
    bool hold = false;
    ExpectNear(ComputePushOut(&body, &platform, nullptr, &hold), 0.0f, entry.pushY);
    EXPECT_EQ(hold, entry.hold);
    EXPECT_EQ(CollisionCase, entry.collisionCase);
  }
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

TEST(PushOut, ABodyWhoseSideOnlyTouchesAOneWayPlatformsEndFallsPastIt) {
  // A table top: only its top is solid and it pushes only up (x 6..10, top y 2.6).
  BoundingQuad table;
  Place(table, 8.0f, 2.35f, 4.0f, 0.5f);
  table.SetEdgeFlag0(0);
  table.SetEdgeFlag1(0);
  table.SetEdgeFlag3(0);
  table.sideVectors = {Vector3{}, table.sideVectors[1], Vector3{}, Vector3{}};
  struct Entry {
    const char* what;
    float x;
    float pushY;
  };
  constexpr Entry Entries[] = {{"right edge on the table's end", 5.3f, 0.0f},
                               {"overlapping its end by 0.1", 5.4f, 0.05f},
                               {"over it, right edge on its right end", 9.3f, 0.05f}};
  for (const Entry& entry : Entries) {
    SCOPED_TRACE(entry.what);
    BoundingQuad body;
    Place(body, entry.x, 2.9f, 1.4f, 0.7f);
    CameFrom(body, entry.x, 3.0f);
    bool hold = false;
    ExpectNear(ComputePushOut(&body, &table, nullptr, &hold), 0.0f, entry.pushY);
    EXPECT_FALSE(hold);
  }
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
