#include <gtest/gtest.h>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/FloatingText.h"
#include "engine/draw/Quad.h"
#include "player/Player.h"
#include "support/TestWorld.h"
#include "world/World.h"

namespace {

using platform::Vector3;

void Place(BoundingQuad& quad, float x, float y, float width, float height) {
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.previousPosition = quad.position;
  quad.SetDimensions(width, height, 0.0f);
}

void ExpectNear(const Vector3& actual, float x, float y) {
  EXPECT_NEAR(actual.x, x, 1e-5f) << "y " << actual.y;
  EXPECT_NEAR(actual.y, y, 1e-5f) << "x " << actual.x;
}

class BoundaryPass : public ::testing::Test {
 protected:
  BoundaryPass() : world(nullptr, nullptr) {
    // A body that moved down and right into the corner of floor and wall.
    Place(body, 3.05f, 1.4f, 2.0f, 1.0f);
    body.previousPosition = {3.0f, 1.5f, 0.0f};
  }

  World world;
  BoundingQuad& floor = AddBoundaryQuad(world, 0.0f, 0.0f, 20.0f, 2.0f);
  BoundingQuad& wall = AddBoundaryQuad(world, 5.0f, 3.0f, 2.0f, 4.0f);
  BoundingQuad& far = AddBoundaryQuad(world, 100.0f, 0.0f, 2.0f, 2.0f);
  BoundingQuad body;
};

TEST_F(BoundaryPass, SumsThePushesInListOrderAndLeavesTheMoverWhereItWas) {
  BoundingShape* touched = nullptr;
  const Vector3 start = body.position;
  const Vector3 push = world.CollideWithBoundaries(&body, &touched);
  ExpectNear(push, -0.05f, 0.1f);
  EXPECT_EQ(body.position, start);
  EXPECT_EQ(touched, &wall);
  EXPECT_EQ(body.pushingList, (std::vector<BoundingShape*>{&floor, &wall}));
  EXPECT_TRUE(body.passThroughList.empty());

  // Applied, the body rests: nothing pushes it, and the lists empty again.
  body.SetPosition(body.position + push);
  const Vector3 rest = world.CollideWithBoundaries(&body, &touched);
  ExpectNear(rest, 0.0f, 0.0f);
  EXPECT_EQ(touched, nullptr);
  EXPECT_TRUE(body.pushingList.empty());
}

TEST_F(BoundaryPass, FarOrRestingPairsAreSkippedAndLeaveBothLists) {
  body.passThroughList = {&far, &floor};
  body.pushingList = {&far};
  world.CollideWithBoundaries(&body);
  EXPECT_TRUE(body.passThroughList.empty());
  EXPECT_EQ(body.pushingList, (std::vector<BoundingShape*>{&floor, &wall}));

  // Neither the body nor the boundaries moved: nothing is pushed, even though they overlap.
  body.previousPosition = body.position;
  BoundingShape* touched = &far;
  EXPECT_EQ(world.CollideWithBoundaries(&body, &touched), Vector3{});
  EXPECT_EQ(touched, nullptr);
  EXPECT_TRUE(body.pushingList.empty());

  // A moving boundary still pushes a body at rest.
  wall.previousPosition = {5.5f, 3.0f, 0.0f};
  ExpectNear(world.CollideWithBoundaries(&body, &touched), -0.05f, 0.0f);
  EXPECT_EQ(touched, &wall);
}

TEST_F(BoundaryPass, ABoundaryIgnoringTheMoverIsSkippedWithoutTouchingTheLists) {
  wall.ignoreList = {&body};
  body.pushingList = {&wall};
  const Vector3 push = world.CollideWithBoundaries(&body);
  ExpectNear(push, 0.0f, 0.1f);
  EXPECT_EQ(body.pushingList, (std::vector<BoundingShape*>{&wall, &floor}));
}

TEST_F(BoundaryPass, HoldPutsTheBoundaryOnTheHeldListUntilThePairSeparates) {
  world.boundaries.clear();
  BoundingQuad& platform = AddBoundaryQuad(world, 0.0f, 10.0f, 10.0f, 1.0f);
  platform.SetEdgeFlag3(0);
  BoundingQuad jumper;
  Place(jumper, 0.0f, 9.0f, 1.0f, 2.0f);
  jumper.previousPosition = {0.0f, 8.8f, 0.0f};
  EXPECT_EQ(world.CollideWithBoundaries(&jumper), Vector3{});
  EXPECT_EQ(jumper.passThroughList, std::vector<BoundingShape*>{&platform});
  EXPECT_TRUE(jumper.pushingList.empty());
  // Clear of it again, the hold ends.
  Place(jumper, 0.0f, 12.0f, 1.0f, 2.0f);
  jumper.previousPosition = {0.0f, 11.8f, 0.0f};
  EXPECT_EQ(world.CollideWithBoundaries(&jumper), Vector3{});
  EXPECT_TRUE(jumper.passThroughList.empty());
}

TEST(WorldStrikes, ForgetStrikeMakesEachPlayerHitBoxForgetTheStrikeOnce) {
  World world(nullptr, nullptr);
  HitQuad& first = *world.GetFirstPlayer()->hitQuad;
  HitQuad& second = *world.AddPlayer()->hitQuad;
  HitQuad notAPlayer;
  StrikeQuad strike, other;
  first.hitList = {&strike, &other, &strike};
  second.hitList = {&other};
  strike.hitList = {&first, &notAPlayer};
  world.ForgetStrike(&strike);
  EXPECT_EQ(first.hitList, (std::vector<StrikeShape*>{&other, &strike}));
  EXPECT_EQ(second.hitList, std::vector<StrikeShape*>{&other});
  EXPECT_EQ(strike.hitList, std::vector<HitShape*>{&notAPlayer});
  world.ForgetStrike(nullptr);
}

TEST(WorldFade, TheFadeQuadCoversTheClientAreaInOpaqueBlack) {
  World world(nullptr, nullptr);
  ASSERT_NE(world.fadeQuad, nullptr);
  EXPECT_EQ(world.fadeQuad->altPosition, (Vector3{400.0f, 300.0f, 0.0f}));
  EXPECT_EQ(world.fadeQuad->width, 810.0f);
  EXPECT_EQ(world.fadeQuad->height, 610.0f);
  EXPECT_EQ(world.fadeQuad->GetColor(), (Color4{255, 0, 0, 0}));
  EXPECT_EQ(world.gravity, 0.0f);
  ASSERT_NE(world.floatingTexts, nullptr);
  EXPECT_TRUE(world.floatingTexts->texts.empty());
}

}  // namespace
