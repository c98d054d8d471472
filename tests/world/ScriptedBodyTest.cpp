#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>

#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "engine/VectorMath.h"
#include "world/World.h"

namespace {

using platform::Vector3;

constexpr float Dt = 1.0f / 60.0f;
constexpr float Gravity = 30.0f;
constexpr float RunSpeed = 3.0f;
constexpr float JumpSpeed = 12.0f;
constexpr float HighJumpSpeed = 14.0f;

void Place(BoundingQuad& quad, float x, float y, float width, float height, float rotation = 0.0f) {
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.previousPosition = quad.position;
  quad.SetDimensions(width, height, 0.0f);
  quad.SetRotation(rotation);
}

// A boundary placed as above, owned by the world.
BoundingQuad& AddPlaced(World& world, float x, float y, float width, float height,
                        float rotation = 0.0f) {
  auto quad = std::make_unique<BoundingQuad>();
  Place(*quad, x, y, width, height, rotation);
  BoundingQuad& added = *quad;
  world.AddBoundary(std::move(quad));
  return added;
}

// The body's step as the actors take it: gravity, movement, then the boundary pass.
struct Body {
  BoundingQuad quad;
  BoundingShape* touched = nullptr;
  Vector3 push;

  void Step(World& world) {
    quad.velocity.y -= Gravity * Dt;
    quad.Move(Dt);
    push = world.CollideWithBoundaries(&quad, &touched);
    quad.SetPosition(quad.position + push);
    if (push.y > 0.0f) quad.velocity.y = 0.0f;
    if (push.x != 0.0f) quad.velocity.x = 0.0f;
  }
  float Bottom() const { return quad.position.y - quad.height / 2; }
  float Right() const { return quad.position.x + quad.width / 2; }
};

TEST(ScriptedBody, FallsOntoTheFloorSlidesIntoTheWallAndRestsOnTheSlope) {
  World world(nullptr, nullptr);
  BoundingQuad& floor = AddPlaced(world, 0.0f, 0.0f, 20.0f, 2.0f);  // top at y = 1
  BoundingQuad& wall = AddPlaced(world, 7.0f, 1.5f, 2.0f, 3.0f);    // from x = 6, 2 above the floor
  BoundingQuad& slope = AddPlaced(world, 14.0f, -1.0f, 10.0f, 2.0f, 15.0f);
  Body body;
  Place(body.quad, 0.0f, 4.0f, 1.0f, 1.0f);

  // Falling: free flight until the bottom reaches the floor's top, then standing on it.
  float expectedY = body.quad.position.y;
  float expectedVy = 0.0f;
  int frame = 0;
  for (; frame < 60 && body.push == Vector3{}; ++frame) {
    expectedVy -= Gravity * Dt;
    expectedY += expectedVy * Dt;
    body.Step(world);
    if (body.push == Vector3{}) {
      ASSERT_FLOAT_EQ(body.quad.position.y, expectedY) << "frame " << frame;
    }
    ASSERT_EQ(body.quad.position.x, 0.0f);
  }
  ASSERT_LT(frame, 60) << "never landed";
  EXPECT_NEAR(body.Bottom(), 1.0f, 1e-5f);
  EXPECT_EQ(body.touched, &floor);

  // Sliding right along the floor until the wall stops it.
  float expectedX = body.quad.position.x;
  bool stopped = false;
  for (int slide = 0; slide < 180; ++slide, ++frame) {
    body.quad.velocity.x = RunSpeed;
    body.Step(world);
    ASSERT_NEAR(body.Bottom(), 1.0f, 1e-4f) << "frame " << frame;
    if (!stopped && body.push.x == 0.0f) {
      expectedX += RunSpeed * Dt;
      ASSERT_NEAR(body.quad.position.x, expectedX, 1e-4f) << "frame " << frame;
    } else {
      stopped = true;
      ASSERT_NEAR(body.Right(), 6.0f, 1e-4f) << "frame " << frame;
    }
  }
  EXPECT_TRUE(stopped);
  EXPECT_EQ(body.quad.pushingList, (std::vector<BoundingShape*>{&floor, &wall}));

  // A jump to the right clears the wall; running on, the body drops onto the turned slope,
  // stops running there and comes to rest.
  body.quad.velocity.y = JumpSpeed;
  Vector3 previous = body.quad.position;
  int still = 0;
  bool onSlope = false;
  for (int flight = 0; flight < 300 && still < 30; ++flight, ++frame) {
    onSlope = onSlope || body.touched == &slope;
    body.quad.velocity.x = onSlope ? 0.0f : RunSpeed;
    body.Step(world);
    for (BoundingQuad* boundary : {&floor, &wall, &slope}) {
      BoundingQuad inner = body.quad;
      inner.SetDimensions(inner.width - 0.01f, inner.height - 0.01f, 0.0f);
      ASSERT_FALSE(Collide(&inner, boundary)) << "frame " << frame << " in " << boundary;
    }
    still = Distance2D(previous, body.quad.position) < 1e-3f ? still + 1 : 0;
    previous = body.quad.position;
  }
  ASSERT_EQ(still, 30) << "never came to rest";
  EXPECT_GT(body.quad.position.x, 9.0f);
  // The lower right corner sits on the slope's top edge.
  const Vector3 corner = body.quad.GetBottomRight();
  EXPECT_NEAR(DistanceToLine(corner, slope.GetTopLeft(), slope.GetTopRight()), 0.0f, 1e-3f);
  EXPECT_TRUE(std::count(body.quad.pushingList.begin(), body.quad.pushingList.end(), &slope));
}

TEST(ScriptedBody, JumpsUpThroughAnOpenBottomEdgeAndLandsOnTheSolidTop) {
  World world(nullptr, nullptr);
  AddPlaced(world, 0.0f, 0.0f, 20.0f, 2.0f);                        // floor, top at y = 1
  BoundingQuad& platform = AddPlaced(world, 0.0f, 3.5f, 6.0f, 1.0f);  // from y = 3 to 4
  platform.SetEdgeFlag3(0);
  Body body;
  Place(body.quad, 0.0f, 1.5f, 1.0f, 1.0f);
  // High enough to clear the platform before the turn of the jump.
  body.quad.velocity.y = HighJumpSpeed;

  bool passedThrough = false;
  bool landed = false;
  for (int frame = 0; frame < 120 && !landed; ++frame) {
    const float before = body.quad.position.y;
    body.Step(world);
    const bool inside = body.Bottom() < 4.0f && body.Bottom() + body.quad.height > 3.0f;
    if (body.quad.velocity.y > 0.0f || body.quad.position.y > before) {
      // Rising: the platform holds the body instead of stopping it.
      ASSERT_EQ(body.push, Vector3{}) << "frame " << frame;
      if (inside) {
        passedThrough = true;
        ASSERT_EQ(body.quad.passThroughList, std::vector<BoundingShape*>{&platform}) << frame;
      }
    } else if (body.push.y > 0.0f) {
      EXPECT_EQ(body.touched, &platform);
      EXPECT_NEAR(body.Bottom(), 4.0f, 1e-4f);
      EXPECT_TRUE(body.quad.passThroughList.empty());
      landed = true;
    }
  }
  EXPECT_TRUE(passedThrough);
  ASSERT_TRUE(landed);
  // Standing on it stays standing.
  for (int frame = 0; frame < 30; ++frame) {
    body.Step(world);
    ASSERT_NEAR(body.Bottom(), 4.0f, 1e-4f);
  }
}

}  // namespace
