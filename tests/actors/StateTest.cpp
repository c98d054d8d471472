#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "actors/State.h"
#include "collision/Strike.h"
#include "support/TestWorld.h"

namespace {

using platform::Vector3;

class PlacingState : public InertState {
 public:
  explicit PlacingState(Actor* newOwner) : InertState() { owner = newOwner; }
};

TEST(StatePlacement, TheHitBoxFollowsTheBodyMirroredWithTheSprite) {
  WorldBody body;
  body.PlaceAt(3.0f, 4.0f);
  PlacingState state(&body);
  state.hitBoxOffset = {0.5f, 0.25f, 0.0f};
  body.hitQuad.dirty = 0;
  state.PlaceHitBox();
  EXPECT_EQ(body.hitQuad.position, (Vector3{3.5f, 4.25f, 0.0f}));
  EXPECT_FALSE(body.hitQuad.flipHorizontal);

  body.picture.flipHorizontal = 1;
  state.PlaceHitBox();
  EXPECT_EQ(body.hitQuad.position, (Vector3{2.5f, 4.25f, 0.0f}));
  EXPECT_TRUE(body.hitQuad.flipHorizontal);
  EXPECT_TRUE(body.hitQuad.dirty);

  // Without a hit box, or an owner, there is nothing to place.
  body.hitBox = nullptr;
  state.PlaceHitBox();
  PlacingState ownerless(nullptr);
  ownerless.PlaceHitBox();
  ownerless.PlaceStrikeShape();
}

TEST(StatePlacement, TheCurrentStrikeTakesItsOwnOffset) {
  WorldBody body;
  body.PlaceAt(1.0f, 1.0f);
  body.picture.flipHorizontal = 1;
  StrikeQuad strike;
  strike.offset = {2.0f, -0.5f, 0.0f};
  auto entry = MakeFrameEntry(L"swing", 0.1f, &strike, nullptr);
  FrameSequence sequence;
  sequence.frames = {entry.get()};
  PlacingState state(&body);
  state.strikeFrames = &sequence;
  // Before the first step there is no current entry to place.
  state.PlaceStrikeShape();
  EXPECT_EQ(strike.position, Vector3{});
  state.UpdateShapeFrames(0.0f);
  state.PlaceStrikeShape();
  EXPECT_EQ(strike.position, (Vector3{-1.0f, 0.5f, 0.0f}));
  EXPECT_TRUE(strike.flipHorizontal);
}

TEST(StrikeVector, TheDirectionIsMirroredWithTheStrikeBeforeNormalising) {
  StrikeQuad strike;
  Quad target;
  strike.SetPositionXYZ(0.0f, 0.0f, 0.0f);
  target.SetPositionXYZ(0.0f, 1.0f, 0.0f);
  strike.direction = {1.0f, 0.0f, 0.0f};
  strike.force = 10.0f;
  const float k = 10.0f / std::sqrt(2.0f);
  Vector3 push = ComputeStrikeVector(strike, target);
  EXPECT_NEAR(push.x, k, 1e-4f);
  EXPECT_NEAR(push.y, k, 1e-4f);
  strike.flipHorizontal = 1;
  push = ComputeStrikeVector(strike, target);
  EXPECT_NEAR(push.x, -k, 1e-4f);
  EXPECT_NEAR(push.y, k, 1e-4f);
}

TEST(StrikeVector, NormalisedOnXAndYOnlyAndZeroWhenThereIsNoWay) {
  StrikeQuad strike;
  Quad target;
  target.SetPositionXYZ(3.0f, 4.0f, 0.0f);
  strike.direction = {0.0f, 0.0f, 5.0f};
  strike.force = 2.0f;
  Vector3 push = ComputeStrikeVector(strike, target);
  EXPECT_NEAR(push.x, 1.2f, 1e-5f);
  EXPECT_NEAR(push.y, 1.6f, 1e-5f);
  EXPECT_NEAR(push.z, 2.0f, 1e-5f);
  // The hot spot sits on the target: no way to push, no NaN.
  strike.direction = {};
  strike.hotSpot = {3.0f, 4.0f, 0.0f};
  EXPECT_EQ(ComputeStrikeVector(strike, target), Vector3{});
}

}  // namespace
