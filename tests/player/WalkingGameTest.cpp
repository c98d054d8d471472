#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <variant>

#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/Camera.h"
#include "engine/CircularMeter.h"
#include "engine/FloatingText.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/Sound.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"
#include "player/PlayerState.h"
#include "player/StateWalking.h"
#include "tests/player/PlayerGame.h"

namespace {

using platform::Vector3;

// The speed after each step of a walk from rest, frames of 1/60 s after the step that starts
// it, with the new-game values: each input step adds 100 x dt (up to 8), each update takes the
// ground drag 85 x dt, so the speed grows by 0.25 a frame until the cap, then holds at 8 - 85/60.
struct Speed {
  int frame;
  float speed;
};
constexpr Speed WalkSpeeds[] = {{0, 0.25f}, {1, 0.5f},  {9, 2.5f},         {24, 6.25f},
                                {25, 6.5f}, {26, 6.5833335f}, {59, 6.5833335f}};

bool AnyFootstepPlaying(const Player& player) {
  for (int i = 0; i < Player::FootstepCount; ++i) {
    if (player.sounds[i]->IsPlaying()) return true;
  }
  return false;
}

class WalkingGame : public PlayerGame {
 protected:
  float BodyX() const { return player->body->position.x; }
  float Vx() const { return player->body->velocity.x; }
  // The speed of the walk's frame from the table, if the table lists it.
  static const Speed* TableSpeed(int frame) {
    for (const Speed& row : WalkSpeeds) {
      if (row.frame == frame) return &row;
    }
    return nullptr;
  }
};

TEST_F(WalkingGame, HeldDWalksRightTurnsStopsAndTheCameraFollows) {
  ASSERT_EQ(Current(), player->StateAt(SlotIdling)) << Current()->GetName();
  ASSERT_NE(player->groundContact, nullptr);
  EXPECT_NEAR(player->body->position.y - player->body->height / 2, FloorTop, 1e-4f);
  // The interface sits in the top-left corner, 10 pixels in.
  EXPECT_EQ(player->hudFirstSprite->altPosition, (Vector3{155.0f, 45.0f, 0.0f}));
  EXPECT_EQ(player->staminaRing->arc->altPosition, (Vector3{45.0f, 45.0f, 0.0f}));
  EXPECT_EQ(player->healthMeter->background->altPosition, (Vector3{190.5f, 58.0f, 0.0f}));
  ASSERT_TRUE(game.KeepFrame("world-standing.png"));
  // Beside the portrait, which is drawn over the ring's middle.
  const uint32_t ring = game.Pixel(15, 45);
  EXPECT_GT(ring & 0xFF, (ring >> 16) & 0xFF) << "the full stamina ring is blue";

  game.PressKey(VirtualKey::D);
  game.Step();
  auto* walking = static_cast<StateWalking*>(player->StateAt(SlotWalking));
  ASSERT_EQ(Current(), walking);
  EXPECT_EQ(player->facing, 1);

  // The speed follows the table step by step; the camera and the footsteps follow the walk.
  bool footstepBefore = false;
  int footfalls = 0;
  for (int frame = 0; frame < 60; ++frame) {
    game.Step();
    if (const Speed* row = TableSpeed(frame)) {
      EXPECT_NEAR(Vx(), row->speed, 1e-3f) << frame;
    }
    // The camera frames the player, raised by the world's offset.
    ASSERT_EQ(MainCamera->targetEye.x, BodyX());
    ASSERT_FLOAT_EQ(MainCamera->targetEye.y, player->body->position.y + 2.0f);
    // Footsteps sound on the two footfall entries of each half second, and only there.
    const FrameEntry* entry = walking->footsteps->current;
    const bool footfall = std::holds_alternative<Sound*>(entry->payload);
    if (footfall) {
      ++footfalls;
      EXPECT_TRUE(AnyFootstepPlaying(*player)) << "frame " << frame;
    } else if (footfalls == 0) {
      footstepBefore = footstepBefore || AnyFootstepPlaying(*player);
    }
  }
  EXPECT_FALSE(footstepBefore);
  EXPECT_GE(footfalls, 3);
  EXPECT_GT(player->totalStats[Stat::StatGroundDist], 5.0f);

  for (DebugToggle shown : {TogglePlayerDebugInfo, ToggleStateInfo}) SetSwitch(shown, true);
  game.Step();
  ASSERT_TRUE(game.KeepFrame("world-walking.png"));
  for (DebugToggle shown : {TogglePlayerDebugInfo, ToggleStateInfo}) SetSwitch(shown, false);

  // A limit on the right holds the view's right edge there.
  const float halfWidth = ScreenSizeToWorld(static_cast<float>(ScreenWidth), 0.0f) / 2;
  world->cameraLimits.right = BodyX() + 3.0f;
  game.Step();
  EXPECT_NEAR(MainCamera->targetEye.x + halfWidth, world->cameraLimits.right, 1e-3f);
  world->cameraLimits = CameraLimits{};

  // Turning: the facing flips at once and the speed falls towards the left.
  game.ReleaseKey(VirtualKey::D);
  game.PressKey(VirtualKey::A);
  const float before = Vx();
  game.Step();
  EXPECT_EQ(player->facing, -1);
  EXPECT_EQ(player->bodySprite->flipHorizontal, 1);
  EXPECT_LT(Vx(), before);

  // Letting go: idling, and the ground drag brings the player to rest.
  game.ReleaseKey(VirtualKey::A);
  game.Step();
  EXPECT_EQ(Current(), player->StateAt(SlotIdling));
  game.StepFrames(20);
  EXPECT_EQ(Vx(), 0.0f);
  const float restX = BodyX();
  game.Step();
  EXPECT_EQ(BodyX(), restX);

  // Walking left takes the same steps as walking right.
  game.PressKey(VirtualKey::A);
  game.Step();
  for (int frame = 0; frame < 60; ++frame) {
    game.Step();
    if (const Speed* row = TableSpeed(frame)) {
      EXPECT_NEAR(Vx(), -row->speed, 1e-3f) << frame;
    }
  }
  game.ReleaseKey(VirtualKey::A);
}

TEST_F(WalkingGame, AHitFreezesThePlayerForItsHitStopAndHitsOnce) {
  game.PressKey(VirtualKey::D);
  game.StepFrames(20);
  StrikeQuad strike;
  strike.SetDimensions(2.0f, 3.0f, 0.0f);
  strike.SetPosition(player->body->position + Vector3{1.0f, 0.0f, 0.0f});
  strike.damage = 10.0f;
  strike.freezeTime = 0.1f;
  world->enemyStrikes.push_back(&strike);
  const float health = player->healthMeter->value;

  game.Step();
  PlayerState* walking = Current();
  ASSERT_EQ(walking, player->StateAt(SlotWalking));
  EXPECT_EQ(walking->holdTimer, 0.1f);
  // Defence 1 of the new-game statistics leaves 9.
  EXPECT_NEAR(health - player->healthMeter->value, 9.0f, 0.01f);
  ASSERT_FALSE(world->floatingTexts->texts.empty());
  EXPECT_EQ(world->floatingTexts->texts.back()->text, "9");

  // Frozen whole while the hold timer runs: the number of held steps the timer allows.
  int expectedHeld = 0;
  for (float timer = 0.1f; timer > 0.0f; ++expectedHeld) {
    timer = std::max(timer - GameTimeStep, 0.0f);
  }
  const Vector3 frozenAt = player->body->position;
  int held = 0;
  while (walking->holdTimer > 0.0f && held < 60) {
    game.Step();
    ++held;
    ASSERT_EQ(player->body->position, frozenAt);
  }
  EXPECT_EQ(held, expectedHeld);
  const float afterHit = player->healthMeter->value;
  game.Step();
  EXPECT_GT(BodyX(), frozenAt.x) << "walks on once the stop is over";
  EXPECT_GE(player->healthMeter->value, afterHit) << "the strike still overlaps, but hits once";
  world->enemyStrikes.clear();
}

}  // namespace
