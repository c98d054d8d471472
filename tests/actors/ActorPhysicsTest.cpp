#include <gtest/gtest.h>

#include "actors/Animation.h"
#include "engine/Texture.h"
#include "support/TestWorld.h"

namespace {

using platform::Vector3;

class ActorPhysics : public ::testing::Test {
 protected:
  ActorPhysics() : world(nullptr, nullptr), body(&world) {}

  World world;
  BoundingQuad& floor = AddBoundaryQuad(world, 0.0f, 0.0f, 20.0f, 2.0f);  // top at y = 1
  WorldBody body;
};

TEST_F(ActorPhysics, GravityPullsByMassDownToTheMaximumFallSpeed) {
  world.gravity = 10.0f;
  body.totalStats[Stat::Mass] = 1.0f;
  body.totalStats[Stat::MaxFallSpeed] = -50.0f;
  body.bodyQuad.velocity = {2.0f, 0.0f, 3.0f};
  body.ApplyGravity(0.02f);
  EXPECT_FLOAT_EQ(body.bodyQuad.velocity.y, -0.2f);
  EXPECT_EQ(body.bodyQuad.velocity.x, 2.0f);
  EXPECT_EQ(body.bodyQuad.velocity.z, 3.0f);
  body.bodyQuad.velocity.y = -50.0f;
  body.ApplyGravity(0.02f);
  EXPECT_EQ(body.bodyQuad.velocity.y, -50.0f);
  body.totalStats[Stat::Mass] = 3.0f;
  body.bodyQuad.velocity.y = 0.0f;
  body.ApplyGravity(0.5f);
  EXPECT_FLOAT_EQ(body.bodyQuad.velocity.y, -15.0f);
}

// One drag step of 0.02 s: d = factor x 0.02 x 40 in the air, x 85 on the ground; x moves
// towards 0 by d and stops there.
enum class DragStep { Air, Ground };

struct DragCase {
  DragStep step;
  float factor;
  float before;
  float after;
};

constexpr DragCase DragCases[] = {
    // d = 0.8 and 0.4 in the air
    {DragStep::Air, 1.0f, 0.3f, 0.0f},
    {DragStep::Air, 1.0f, -0.3f, 0.0f},
    {DragStep::Air, 1.0f, 5.0f, 4.2f},
    {DragStep::Air, 1.0f, -5.0f, -4.2f},
    {DragStep::Air, 0.5f, 2.0f, 1.6f},
    {DragStep::Air, 0.5f, -2.0f, -1.6f},
    {DragStep::Air, 1.0f, 0.0f, 0.0f},
    // d = 1.7 and 3.4 on the ground
    {DragStep::Ground, 1.0f, 4.2f, 2.5f},
    {DragStep::Ground, 1.0f, -4.2f, -2.5f},
    {DragStep::Ground, 1.0f, 1.0f, 0.0f},
    {DragStep::Ground, 1.0f, -1.0f, 0.0f},
    {DragStep::Ground, 2.0f, 4.0f, 0.6f},
    {DragStep::Ground, 2.0f, -4.0f, -0.6f},
};

TEST_F(ActorPhysics, DragSlowsTowardsRestFromEitherSideAndNeverReverses) {
  for (const DragCase& c : DragCases) {
    // The other drag's factor is far off, so that reading the wrong one shows.
    const bool ground = c.step == DragStep::Ground;
    body.totalStats[Stat::AirDragFactor] = ground ? 100.0f : c.factor;
    body.totalStats[Stat::DragFactor] = ground ? c.factor : 100.0f;
    body.bodyQuad.velocity = {c.before, 7.0f, 1.0f};
    if (ground) {
      body.ApplyDrag(0.02f);
    } else {
      body.ApplyAirDrag(0.02f);
    }
    EXPECT_NEAR(body.bodyQuad.velocity.x, c.after, 1e-5f)
        << (ground ? "ground " : "air ") << c.factor << " from " << c.before;
    EXPECT_EQ(body.bodyQuad.velocity.y, 7.0f);
    EXPECT_EQ(body.bodyQuad.velocity.z, 1.0f);
  }
}

TEST_F(ActorPhysics, ResizingKeepsTheFeetAndPushesOutOfTheBoundaries) {
  AddBoundaryQuad(world, 0.0f, 6.0f, 20.0f, 2.0f);  // ceiling, bottom at y = 5
  body.PlaceAt(0.0f, 2.0f);  // standing on the floor, 1 x 2
  body.SetBoundingSize(1.0f, 2.0f, 0.0f);
  EXPECT_EQ(body.bodyQuad.position, (Vector3{0.0f, 2.0f, 0.0f}));

  body.SetBoundingSize(1.0f, 3.0f, 0.0f);
  EXPECT_FLOAT_EQ(body.bodyQuad.position.y, 2.5f);
  EXPECT_FLOAT_EQ(body.bodyQuad.height, 3.0f);

  // Growing to 4.6 reaches 0.6 into the ceiling: the world pushes the body back down.
  body.SetBoundingSize(1.0f, 4.6f, 0.0f);
  EXPECT_NEAR(body.bodyQuad.position.y + 2.3f, 5.0f, 1e-5f);
}

TEST_F(ActorPhysics, TestResizeLeavesTheBodyAsItWas) {
  AddBoundaryQuad(world, 0.0f, 5.0f, 20.0f, 2.0f);  // ceiling, bottom at y = 4
  body.PlaceAt(0.0f, 2.0f);
  EXPECT_EQ(body.TestResize(body.bodyQuad, 1.0f, 2.0f, 0.0f), Vector3{});
  const Vector3 push = body.TestResize(body.bodyQuad, 1.0f, 3.6f, 0.0f);
  EXPECT_NEAR(push.y, -0.6f, 1e-5f);
  EXPECT_EQ(body.bodyQuad.position, (Vector3{0.0f, 2.0f, 0.0f}));
  EXPECT_EQ(body.bodyQuad.height, 2.0f);
  EXPECT_TRUE(body.bodyQuad.pushingList.empty());
}

TEST_F(ActorPhysics, TheGroundProbeReachesHalfAUnitBelowABodyAtRest) {
  body.PlaceAt(0.0f, 2.3f);  // feet 0.3 above the floor
  body.bodyQuad.velocity = {1.0f, -4.0f, 0.0f};
  body.ProbeGround();
  EXPECT_NEAR(body.bodyQuad.position.y, 2.0f, 1e-5f);
  EXPECT_EQ(body.bodyQuad.velocity, (Vector3{1.0f, 0.0f, 0.0f}));
  EXPECT_EQ(body.groundContact, &floor);

  // Out of reach: back where it was, still falling.
  body.groundContact = nullptr;
  body.PlaceAt(0.0f, 2.8f);
  body.bodyQuad.velocity.y = -4.0f;
  body.ProbeGround();
  EXPECT_EQ(body.bodyQuad.position, (Vector3{0.0f, 2.8f, 0.0f}));
  EXPECT_EQ(body.bodyQuad.velocity.y, -4.0f);
  EXPECT_EQ(body.groundContact, nullptr);

  // A body that moved 1.5 this frame probes that far.
  body.PlaceAt(0.0f, 2.8f);
  body.bodyQuad.previousPosition = {1.5f, 2.8f, 0.0f};
  body.ProbeGround();
  EXPECT_NEAR(body.bodyQuad.position.y, 2.0f, 1e-5f);
}

class CountingState : public InertState {
 public:
  void UpdateHeld(float dt) override { heldTime += dt; }
  float heldTime = 0.0f;
};

TEST_F(ActorPhysics, TheHeldStepOnlyRunsTheTimerDownToZeroAndTheStatesHeldStep) {
  CountingState state;
  body.state = &state;
  body.PlaceAt(0.0f, 6.0f);
  body.bodyQuad.velocity = {3.0f, -2.0f, 0.0f};
  world.gravity = 10.0f;
  body.totalStats[Stat::Mass] = 1.0f;
  state.holdTimer = 0.01f;
  body.UpdateHeld(0.02f);
  EXPECT_EQ(state.holdTimer, 0.0f);
  EXPECT_FLOAT_EQ(state.heldTime, 0.02f);
  EXPECT_EQ(body.bodyQuad.position, (Vector3{0.0f, 6.0f, 0.0f}));
  EXPECT_EQ(body.bodyQuad.velocity, (Vector3{3.0f, -2.0f, 0.0f}));
  body.state = nullptr;
  body.UpdateHeld(0.02f);
}

TEST_F(ActorPhysics, TheMeterStepKeepsBothMetersInRangeAndCountsOnlyTheHealthGained) {
  auto refresh = [&](float dt) {
    body.derived[Derived::MaxHealth] = 100.0f;
    body.derived[Derived::HealthRecovery] = 10.0f;
    body.derived[Derived::StaminaRecovery] = 30.0f;
    body.RefreshMeterLimits(dt);
  };
  const float& recovered = (*body.stats)[Stat::StatHealthRecovered];
  body.healthMeter->value = 95.0f;
  body.staminaMeter->maximum = 50.0f;
  body.staminaMeter->value = 40.0f;
  refresh(1.0f);
  EXPECT_EQ(body.healthMeter->value, 100.0f);
  EXPECT_FLOAT_EQ(recovered, 5.0f);
  EXPECT_EQ(body.staminaMeter->value, 50.0f);
  EXPECT_EQ(body.staminaMeter->maximum, 50.0f);
  refresh(1.0f);
  EXPECT_FLOAT_EQ(recovered, 5.0f);

  // A maximum that drops takes the value with it; a value below 0 comes back to 0 first.
  body.healthMeter->value = 150.0f;
  refresh(0.0f);
  EXPECT_EQ(body.healthMeter->value, 100.0f);
  body.healthMeter->value = -20.0f;
  body.staminaMeter->value = -100.0f;
  refresh(0.5f);
  EXPECT_EQ(body.healthMeter->value, 5.0f);
  EXPECT_FLOAT_EQ(recovered, 10.0f);
  EXPECT_EQ(body.staminaMeter->value, 0.0f);
}

TEST(ActorFrames, TheSourceRectangleComesFromTheFrameCorners) {
  WorldBody body;
  Texture atlas("atlas.png", L"atlas", 64, 64);
  // (right, bottom), (left, bottom), (right, top), (left, top)
  auto frame = CreateAnimationFrame(L"m_frameIdle1", 0.1f, nullptr, &atlas,
                                    {48.9f, 32.5f, 16.0f, 32.5f, 48.9f, 0.7f, 16.0f, 0.7f});
  body.picture.dirty = 0;
  Actor::SetSourceRectFromFrame(body.picture, *frame);
  EXPECT_EQ(body.picture.texture, &atlas);
  EXPECT_EQ(body.picture.sourceRect.left, 16);
  EXPECT_EQ(body.picture.sourceRect.top, 0);
  EXPECT_EQ(body.picture.sourceRect.right, 48);
  EXPECT_EQ(body.picture.sourceRect.bottom, 32);
  EXPECT_TRUE(body.picture.dirty);
}

}  // namespace
