#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "collision/Collide.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/EnemyResources.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrStates.h"
#include "engine/BarMeter.h"
#include "engine/Sound.h"
#include "engine/StringConversion.h"
#include "player/EvasionStates.h"
#include "tests/player/GroundGame.h"

namespace {

using namespace VirtualKey;

class EvasionGame : public GroundGame {
 protected:
  // A Ratatoskr on the floor at x, in play and drawn.
  Ratatoskr& AddRatatoskr(float x) {
    std::unique_ptr<Enemy> made = world->enemyResources->GetPrototype(Ratatoskr::Kind)
                                      ->CreateAt(world, x, FloorTop + Ratatoskr::BodyHeight / 2,
                                                 0.0f, 0);
    auto& rat = static_cast<Ratatoskr&>(world->PlaceEnemy(std::move(made)));
    GameStates->menuDebug->CollectLayers();
    return rat;
  }
  bool HitBoxHasNoExtent() const {
    const HitQuad& box = *player->hitBox;
    return box.width == 0.0f && box.height == 0.0f;
  }
};

TEST_F(EvasionGame, RollsThroughARatatoskrsBiteUnhurtButIsBittenCrouching) {
  Ratatoskr& rat = AddRatatoskr(20.0f);
  Press({S});
  ASSERT_TRUE(StepUntil(SlotCrouching));
  Press({D});
  ASSERT_TRUE(StepUntil(SlotCrouchWalking));

  // The bite is in play, just ahead, when the roll starts.
  rat.body->SetPositionXYZ(BodyX() + 2.2f, rat.body->position.y, 0.0f);
  rat.body->velocity = {};
  rat.facing = -1;
  rat.SwitchState(RatatoskrAttacking);
  StrikeShape* bite = static_cast<RatatoskrStateAttacking&>(*rat.state).Bite();
  const float biteX = rat.body->position.x;
  Press({O});
  game.Step();
  ASSERT_TRUE(In(SlotRolling));
  EXPECT_NEAR(player->body->velocity.x, 28.0f - 85.0f * GameTimeStep, 1e-4f)
      << "the roll strength, less a frame's ground drag";
  EXPECT_TRUE(player->sounds[Player::SoundRoll]->IsPlaying());
  bool passedThrough = false;
  bool kept = false;
  while (In(SlotRolling)) {
    ASSERT_TRUE(HitBoxHasNoExtent());
    ASSERT_TRUE(bite->hitList.empty()) << "the bite never lands";
    passedThrough = passedThrough || Collide(player->body, bite);
    // Drawn once with the bodies and the bite, mid-way through.
    const bool show = !kept && Collide(player->body, bite) && BodyX() > biteX - 0.5f;
    SetSwitch(TogglePlayerDebugInfo, show);
    game.Step();
    if (show) kept = game.KeepFrame("rolling-through-bite.png");
  }
  SetSwitch(TogglePlayerDebugInfo, false);
  EXPECT_TRUE(passedThrough);
  EXPECT_GT(BodyX(), biteX + 1.5f) << "through and out the other side";
  // The roll always ends crouched, its hit box back to the body.
  EXPECT_TRUE(In(SlotCrouching)) << WStringToString(Current()->GetName());
  EXPECT_EQ(player->hitBox->height, player->body->height);
  EXPECT_TRUE(bite->hitList.empty());

  // Crouched in the next bite, the player is bitten: 5 less the defence of 1.
  Release({D});
  game.Step();
  ASSERT_TRUE(In(SlotCrouching));
  const float health = player->healthMeter->value;
  rat.body->SetPositionXYZ(BodyX(), rat.body->position.y, 0.0f);
  rat.SwitchState(RatatoskrAttacking);
  game.StepFrames(2);
  EXPECT_NEAR(player->healthMeter->value, health - 4.0f, 0.05f);
}

TEST_F(EvasionGame, TheRollAddsItsStrengthTheWayThePlayerFacesAndCapsTheSpeed) {
  struct Row {
    int facing;
    float vx, expected;
  };
  // Roll strength 28.
  const Row rows[] = {
      {1, 0.0f, 28.0f},   {-1, 0.0f, -28.0f}, {1, 40.0f, 28.0f},
      {1, -10.0f, 18.0f}, {-1, 20.0f, -8.0f}, {-1, -40.0f, -28.0f},
  };
  for (const Row& row : rows) {
    StandAt(10.0f, FloorTop);
    player->facing = row.facing;
    player->body->velocity.x = row.vx;
    player->SwitchState(SlotRolling);
    EXPECT_EQ(player->body->velocity.x, row.expected) << row.facing << " " << row.vx;
    EXPECT_TRUE(HitBoxHasNoExtent());
    EXPECT_NEAR(player->body->height, LowHeight, 1e-5f);
  }
}

TEST_F(EvasionGame, RollRecoveryLosesNinetyASecondToRestAndSlidesTheWayThePlayerFaces) {
  StandAt(10.0f, FloorTop);
  player->facing = -1;
  auto& recovering = static_cast<StateRollRecovering&>(*player->SwitchState(SlotRollRecovering));
  recovering.recoverySpeed = 10.0f;
  for (float expected : {5.5f, 1.0f, 0.0f, 0.0f}) {
    recovering.Update(0.05f);
    EXPECT_FLOAT_EQ(recovering.recoverySpeed, expected);
    recovering.HandleInput(0.05f);
    EXPECT_FLOAT_EQ(player->body->velocity.x, -expected);
  }
}

// Each timed low state at its end boundary: the roll, its recovery and the dodge last while the
// timer is not above their time, ducking and standing up end once the timer reaches it.
TEST_F(EvasionGame, EachTimedLowStateEndsAtItsBoundary) {
  constexpr float DodgeTime = 0.25f;
  struct Row {
    PlayerStateSlot slot;
    float length;
    bool down;
    PlayerStateSlot atLength, pastLength;
  };
  const Row rows[] = {
      {SlotRolling, 27.0f / 60, false, SlotRolling, SlotCrouching},
      {SlotRollRecovering, 11.0f / 60, false, SlotRollRecovering, SlotStanding},
      {SlotRollRecovering, 11.0f / 60, true, SlotRollRecovering, SlotCrouching},
      {SlotDodging, DodgeTime, false, SlotDodging, SlotStanding},
      {SlotDucking, 0.1f, true, SlotCrouching, SlotCrouching},
      {SlotStanding, 0.1f, false, SlotIdling, SlotIdling},
  };
  player->SetGainedStat207(DodgeTime);
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.slot << " down " << row.down);
    StandAt(10.0f, FloorTop);
    if (row.down) Press({S});
    game.Step();
    PlayerState& state = *player->SwitchState(row.slot);
    const float length = row.slot == SlotDodging ? DodgeTime : state.animationLength;
    ASSERT_NEAR(length, row.length, 1e-6f);
    for (const auto& [time, expected] :
         {std::pair{std::nextafter(length, 0.0f), row.slot},
          std::pair{length, row.atLength},
          std::pair{std::nextafter(length, 1.0f), row.pastLength}}) {
      player->SwitchState(row.slot);
      state.stateTime = time;
      state.HandleInput(0.0f);
      EXPECT_TRUE(In(expected)) << time << ": " << WStringToString(Current()->GetName());
    }
  }
}

TEST_F(EvasionGame, ADodgeLastsItsDodgeTimeUnhurtAndEndsLowOrStanding) {
  struct Row {
    float dodgeTime;
    bool down;
    int side;        // -1 A, +1 D, 0 neither
    float ceiling;   // above the feet; 0: none
    int inputSteps;  // after the one that dodges
    PlayerStateSlot expected;
  };
  const Row rows[] = {
      {0.0f, true, 0, 0.0f, 1, SlotCrouching},
      {0.11f, true, 0, 0.0f, 7, SlotCrouching},
      {0.11f, true, 1, 0.0f, 7, SlotCrouchWalking},
      {0.11f, true, -1, 0.0f, 7, SlotCrouchWalking},
      {0.11f, false, 0, 0.0f, 7, SlotStanding},
      {0.11f, false, 0, 1.5f, 7, SlotCrouching},
      {0.26f, false, 0, 0.0f, 16, SlotStanding},
  };
  StrikeQuad strike;
  strike.SetDimensions(3.0f, 3.0f, 0.0f);
  strike.damage = 10.0f;
  for (const Row& row : rows) {
    StandAt(10.0f, FloorTop);
    Press({S});
    ASSERT_TRUE(StepUntil(SlotCrouching));
    player->SetGainedStat207(row.dodgeTime);
    BoundingShape* ceiling =
        row.ceiling > 0.0f ? &AddBoundaryQuad(*world, 10.0f, FloorTop + row.ceiling + 1.0f, 8.0f, 2.0f)
                           : nullptr;
    Press({O});
    game.Step();
    ASSERT_TRUE(In(SlotDodging));
    Release({O});
    if (!row.down) Release({S});
    if (row.side != 0) Press({row.side < 0 ? A : D});
    strike.SetPosition(player->body->position);
    world->enemyStrikes = {&strike};
    int steps = 0;
    while (In(SlotDodging) && steps < 60) {
      game.Step();
      ++steps;
      if (In(SlotDodging)) {
        ASSERT_TRUE(strike.hitList.empty()) << "no strike lands";
      }
    }
    EXPECT_EQ(steps, row.inputSteps) << row.dodgeTime;
    EXPECT_TRUE(In(row.expected)) << row.dodgeTime << ": " << WStringToString(Current()->GetName());
    if (row.side != 0) {
      EXPECT_EQ(player->facing, row.side);
    }
    world->enemyStrikes.clear();
    world->ForgetStrike(&strike);
    if (ceiling) world->RemoveBoundary(ceiling);
  }
}

}  // namespace
