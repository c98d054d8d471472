#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/KeyboardLayer.h"
#include "engine/Sound.h"
#include "engine/draw/Quad.h"
#include "tests/player/PlayerGame.h"

namespace {

constexpr float Frame = GameHarness::FrameSeconds;
constexpr float JumpStrength = 20.0f;
constexpr float DashSpeed = 12.0f;

class JumpingGame : public PlayerGame {
 protected:
  float Feet() const { return player->body->position.y - player->body->height / 2; }
  float Vy() const { return player->body->velocity.y; }
  PlayerState* State(PlayerStateSlot slot) const { return player->StateAt(slot); }
};

TEST_F(JumpingGame, AJumpRisesAsHighAsItsStrengthGivesAndLandsOnAPlatform) {
  // A platform three units up whose edge is three units ahead, drawn where it stands.
  const float x = player->body->position.x;
  constexpr float PlatformTop = FloorTop + 3.0f;
  BoundingQuad& platform = AddBoundaryQuad(*world, x + 8.0f, PlatformTop - 0.25f, 10.0f, 0.5f);
  auto drawn = std::make_unique<Quad>();
  drawn->SetPositionXYZ(x + 8.0f, PlatformTop - 0.25f, 0.0f);
  drawn->SetDimensions(10.0f, 0.5f, 0.0f);
  drawn->SetFillColorRGBA(255, 150, 110, 60);
  world->shapeLayers.Insert(0, std::move(drawn));
  const float jumps = (*player->stats)[Stat::StatJumps];

  game.PressKey(VirtualKey::I);
  game.PressKey(VirtualKey::D);
  game.Step();
  ASSERT_EQ(Current(), State(SlotGroundJumping));
  EXPECT_EQ((*player->stats)[Stat::StatJumps], jumps + 1.0f);
  EXPECT_TRUE(player->sounds[Player::SoundJump]->IsPlaying());

  // Each update takes gravity off the upward speed before the body moves.
  const float pull = Gravity * Frame;
  float height = 0.0f;
  for (float v = JumpStrength - pull; v > 0.0f; v -= pull) height += v * Frame;
  float apex = Feet();
  while (Current() == State(SlotGroundJumping)) {
    game.Step();
    apex = std::max(apex, Feet());
    ASSERT_LE(player->body->velocity.x, DashSpeed) << "steered up to the dash speed";
  }
  ASSERT_TRUE(game.KeepFrame("jump-apex.png"));
  EXPECT_EQ(Current(), State(SlotFalling)) << "once it no longer rises";
  EXPECT_NEAR(apex - FloorTop, height, 1e-3f);
  EXPECT_NEAR(apex - FloorTop, JumpStrength * JumpStrength / (2.0f * Gravity),
              JumpStrength * Frame);

  game.Platform().ReleaseAllKeys();
  ASSERT_TRUE(StepUntilIdle());
  EXPECT_EQ(player->groundContact, &platform);
  EXPECT_NEAR(Feet(), PlatformTop, 1e-4f);
  ASSERT_TRUE(game.KeepFrame("jump-landed.png"));

  // A tap pushes up; the released key hands over to falling, whose entry cuts the rise.
  game.PressKey(VirtualKey::I);
  game.Step();
  EXPECT_NEAR(Vy(), JumpStrength - pull, 1e-4f);
  game.ReleaseKey(VirtualKey::I);
  game.Step();
  EXPECT_EQ(Current(), State(SlotFalling));
  EXPECT_NEAR(Vy(), -pull, 1e-4f);

  // Letting go of the jump during an air attack stops the rise at once.
  ASSERT_TRUE(StepUntilIdle());
  game.PressKey(VirtualKey::I);
  game.StepFrames(2);
  game.PressKey(VirtualKey::J);
  game.Step();
  ASSERT_EQ(Current(), State(SlotNeutralAirAttacking));
  game.Platform().ReleaseAllKeys();
  game.Step();
  EXPECT_NEAR(Vy(), -pull, 1e-4f);
}

}  // namespace
