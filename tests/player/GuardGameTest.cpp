#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/CircularMeter.h"
#include "engine/StringConversion.h"
#include "tests/player/GroundGame.h"

namespace {

using namespace VirtualKey;

class GuardGame : public GroundGame {
 protected:
  void SetUp() override {
    GroundGame::SetUp();
    strike.SetDimensions(3.0f, 3.0f, 0.0f);
  }

  float Gained(int stat) const { return (*player->stats)[stat]; }
  Color4 StaminaBar() const { return player->staminaMeter->fill->GetColor(); }

  StrikeQuad strike;
};

TEST_F(GuardGame, AGuardedStrikeMeetsTheGuardDefenceAndEndurance) {
  Press({P});
  game.Step();
  ASSERT_TRUE(In(SlotGuarding)) << WStringToString(Current()->GetName());
  Press({A});
  game.Step();
  EXPECT_EQ(player->facing, -1) << "turned, still guarding";
  ASSERT_TRUE(In(SlotGuarding));
  Release({A});

  strike.damage = 30.0f;
  strike.staminaDamage = 30.0f;
  // The new game's defence 1 and guard defence 10, endurance 1 and guard endurance 10, at level 0.
  const float defence = 11.0f;
  const float endurance = 11.0f;
  const float health = player->healthMeter->value;
  const float stamina = player->staminaRing->value;
  const float defended = Gained(Stat::StatDamageDefended);
  const float guardDefended = Gained(Stat::StatDamageGuardDefended);
  StrikeOnce(strike);
  // The meters recover a frame's worth after the hit.
  EXPECT_NEAR(player->healthMeter->value, health - (30.0f - defence), 0.01f);
  EXPECT_NEAR(player->staminaRing->value, stamina - (30.0f - endurance), 0.5f);
  EXPECT_FLOAT_EQ(Gained(Stat::StatDamageDefended) - defended, defence);
  EXPECT_EQ(Gained(Stat::StatDamageGuardDefended), guardDefended);
  EXPECT_TRUE(In(SlotGuarding)) << "stamina to spare";
  game.KeepFrame("guarding.png");

  Release({P});
  game.Step();
  EXPECT_TRUE(In(SlotIdling));
}

TEST_F(GuardGame, AGuardBreaksAtItsThresholdAndRecoversAfterItsStun) {
  struct Row {
    float stamina;   // left when the strike lands
    float rise;      // vertical speed then
    float recovery;  // stamina per second
    PlayerStateSlot broken;
    int counter;
    PlayerStateSlot after;
    int stunned;  // updates
  };
  // The new game's first break point: 0.66 of the stamina maximum 120.
  const float level1 = 0.66f * 120.0f;
  const Row rows[] = {
      {std::nextafter(level1, 1000.0f), 0.0f, 20.0f, SlotGuarding, 0, SlotGuarding, 0},
      // On the ground the first level ends at the next input step, unstunned.
      {level1, 0.0f, 20.0f, SlotGuardBreak1Down, Stat::StatTimesBreakPoint1Broken, SlotIdling, 0},
      // The others last until the stamina is back at 0.33 x 0.66 and at 0.5 x 0.66.
      {0.2f, 0.0f, 0.5f, SlotGuardBreak2Down, Stat::StatTimesBreakPoint2Broken, SlotIdling, 3},
      {0.0f, 0.0f, 0.5f, SlotGuardBreak3Down, Stat::StatTimesBreakPoint3Broken, SlotIdling, 40},
      // Below 0 the ring refills from 0; in the air the end of the break rises on.
      {-20.0f, 8.0f, 20.0f, SlotGuardBreak3Up, Stat::StatTimesBreakPoint3Broken, SlotAscending,
       1},
  };
  for (const Row& row : rows) {
    StandAt(10.0f, FloorTop);
    player->SetGainedStat10(row.recovery);
    Press({P});
    ASSERT_TRUE(StepUntil(SlotGuarding));
    const float broken = row.counter ? Gained(row.counter) : 0.0f;
    const float stun = Gained(Stat::StatStunTime);
    player->staminaRing->SetValue(row.stamina);
    player->body->velocity.y = row.rise;
    StrikeOnce(strike);
    ASSERT_TRUE(In(row.broken)) << row.stamina << ": " << WStringToString(Current()->GetName());
    if (row.broken == SlotGuarding) continue;
    EXPECT_EQ(Gained(row.counter) - broken, 1.0f) << row.stamina;
    EXPECT_EQ(StaminaBar(), (Color4{200, 128, 0, 0})) << "dark red";
    if (row.broken == SlotGuardBreak3Down) game.KeepFrame("guard-broken.png");
    int updates = 0;
    while (Current() == player->StateAt(row.broken) && updates < 120) {
      game.Step();
      ++updates;
    }
    EXPECT_TRUE(In(row.after)) << row.stamina << ": " << WStringToString(Current()->GetName());
    if (row.broken == SlotGuardBreak1Down) --updates;
    EXPECT_NEAR(updates, row.stunned, 1) << row.stamina;
    EXPECT_NEAR(Gained(Stat::StatStunTime) - stun, static_cast<float>(updates) * GameTimeStep,
                1e-3f)
        << row.stamina;
    if (row.after == SlotIdling) {
      EXPECT_EQ(StaminaBar(), (Color4{200, 0, 128, 0})) << "green again";
    }
  }
}


// Each level's own input: on the ground a first-level break ends at once and the second level
// guards again when the guard is pressed; in the air a held side steers by the level's share of
// the walking acceleration (all of 100 at levels 1 and 3, half at level 2), less the air drag
// of 40, over one step.
TEST_F(GuardGame, EachGuardBreakLevelTakesItsOwnInput) {
  struct Row {
    PlayerStateSlot level;
    bool grounded;
    int key;
    PlayerStateSlot after;
    float vx;
  };
  const Row rows[] = {
      {SlotGuardBreak1Down, true, P, SlotIdling, 0.0f},
      {SlotGuardBreak2Down, true, P, SlotGuarding, 0.0f},
      {SlotGuardBreak2Up, true, P, SlotGuarding, 0.0f},
      {SlotGuardBreak3Down, true, P, SlotGuardBreak3Down, 0.0f},
      {SlotGuardBreak1Down, false, D, SlotGuardBreak1Down, (100.0f - 40.0f) / 60.0f},
      {SlotGuardBreak2Down, false, D, SlotGuardBreak2Down, (50.0f - 40.0f) / 60.0f},
      {SlotGuardBreak3Down, false, D, SlotGuardBreak3Down, (100.0f - 40.0f) / 60.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.level);
    StandAt(10.0f, row.grounded ? FloorTop : FloorTop + 20.0f);
    player->SetGainedStat10(0.0f);
    player->SwitchState(row.level);
    player->staminaRing->SetValue(0.0f);
    Press({row.key});
    game.Step();
    EXPECT_TRUE(In(row.after)) << WStringToString(Current()->GetName());
    EXPECT_NEAR(player->body->velocity.x, row.vx, 1e-3f);
    Release({row.key});
  }
}

// A break ends once the stamina is back at its level's threshold, not a hair below it: the new
// game's 0.66 of the maximum 120, then 0.33 x 0.66 and 0.5 x 0.66.
TEST_F(GuardGame, ABreakEndsWithTheStaminaAtItsLevelsThreshold) {
  const std::pair<PlayerStateSlot, float> levels[] = {{SlotGuardBreak1Down, 0.66f * 120.0f},
                                                      {SlotGuardBreak2Up, 0.33f * 0.66f},
                                                      {SlotGuardBreak3Down, 0.5f * 0.66f}};
  for (const auto& [level, threshold] : levels) {
    for (const float stamina : {threshold, std::nextafter(threshold, 0.0f)}) {
      StandAt(10.0f, FloorTop);
      player->SwitchState(level);
      player->staminaRing->SetValue(stamina);
      Current()->Update(0.0f);
      EXPECT_EQ(In(level), stamina < threshold) << level << ", " << stamina;
    }
  }
}

// A broken guard meets a strike with the defence and endurance alone, here 1 each; the deepest
// break takes no stamina at all.
TEST_F(GuardGame, ABrokenGuardTakesStrikesWithoutTheGuardAndTheDeepestBreakSparesTheStamina) {
  const std::pair<PlayerStateSlot, float> rows[] = {{SlotGuardBreak1Down, 29.0f},
                                                    {SlotGuardBreak2Down, 29.0f},
                                                    {SlotGuardBreak3Down, 0.0f},
                                                    {SlotGuardBreak3Up, 0.0f}};
  strike.damage = 30.0f;
  strike.staminaDamage = 30.0f;
  for (const auto& [slot, staminaLost] : rows) {
    SCOPED_TRACE(slot);
    StandAt(10.0f, FloorTop);
    player->SwitchState(slot);
    player->healthMeter->value = 100.0f;
    player->staminaRing->SetValue(60.0f);
    // Counted damage raises them; the test holds them.
    player->derived[Derived::Defense] = 1.0f;
    player->derived[Derived::Endurance] = 1.0f;
    strike.SetPosition(player->body->position);
    world->enemyStrikes = {&strike};
    Current()->Update(0.0f);
    world->enemyStrikes.clear();
    world->ForgetStrike(&strike);
    EXPECT_FLOAT_EQ(player->healthMeter->value, 100.0f - 29.0f);
    EXPECT_FLOAT_EQ(player->staminaRing->value, 60.0f - staminaLost);
  }
}

// Every state that weighs strikes in its own update breaks the guard when struck with the stamina
// at the first break point, 0.66 of the new game's maximum 120, and goes on when not struck.
TEST_F(GuardGame, EachStateThatTakesStrikesBreaksTheGuardOnlyWhenStruck) {
  const PlayerStateSlot slots[] = {
      SlotIdling,        SlotWalking,          SlotDucking,          SlotCrouching,
      SlotCrouchWalking, SlotRollRecovering,   SlotStanding,         SlotGuarding,
      SlotGroundJumping, SlotAirJumping,       SlotFalling,          SlotLanding,
      SlotWallSliding,   SlotWallJumping,      SlotGroundDashing,    SlotAirDashing,
      SlotAscending,     SlotGroundAttacking1, SlotUpAttacking,      SlotDownAttacking,
      SlotGroundDashAttacking, SlotNeutralAirAttacking, SlotForwardAirAttacking,
      SlotUpAirAttacking, SlotDownAirAttacking};
  for (const PlayerStateSlot slot : slots) {
    for (const bool struck : {true, false}) {
      SCOPED_TRACE(testing::Message() << slot << (struck ? " struck" : " not struck"));
      StandAt(10.0f, FloorTop);
      player->SwitchState(slot);
      player->staminaRing->SetValue(0.66f * 120.0f);
      strike.SetPosition(player->body->position);
      if (struck) world->enemyStrikes = {&strike};
      Current()->Update(0.0f);
      world->enemyStrikes.clear();
      world->ForgetStrike(&strike);
      EXPECT_EQ(In(SlotGuardBreak1Up) || In(SlotGuardBreak1Down), struck)
          << WStringToString(Current()->GetName());
      if (!struck) {
        EXPECT_TRUE(In(slot)) << WStringToString(Current()->GetName());
      }
    }
  }
}

// In a hit-stop an idling player whose stamina is spent breaks to the deepest level; any stamina
// left, however little, keeps it standing.
TEST_F(GuardGame, AnIdlingPlayerInAHitStopBreaksOnlyWithTheStaminaSpent) {
  for (const float stamina : {0.0f, 0.5f, 1.0f}) {
    SCOPED_TRACE(stamina);
    StandAt(10.0f, FloorTop);
    player->SwitchState(SlotIdling);
    player->staminaRing->SetValue(stamina);
    Current()->UpdateHeld(0.0f);
    EXPECT_EQ(In(SlotGuardBreak3Up) || In(SlotGuardBreak3Down), stamina == 0.0f)
        << WStringToString(Current()->GetName());
    EXPECT_EQ(In(SlotIdling), stamina > 0.0f);
  }
}

// In the air every level's break ends rising on a vertical speed of 0 or more and falling below
// it; an update of no time leaves the speed as set and finds the stamina full.
TEST_F(GuardGame, ABreakEndingInTheAirRisesOnFromAVerticalSpeedOfZero) {
  struct Row {
    PlayerStateSlot level;
    float vy;
    PlayerStateSlot after;
  };
  const float justBelow = std::nextafter(0.0f, -1.0f);
  const Row rows[] = {
      {SlotGuardBreak3Up, 0.0f, SlotAscending},      {SlotGuardBreak3Up, justBelow, SlotFalling},
      {SlotGuardBreak3Down, 1.0f, SlotAscending},    {SlotGuardBreak1Down, 0.0f, SlotAscending},
      {SlotGuardBreak1Up, justBelow, SlotFalling},   {SlotGuardBreak2Up, 0.0f, SlotAscending},
      {SlotGuardBreak2Down, justBelow, SlotFalling},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.level);
    StandAt(10.0f, FloorTop + 20.0f);
    player->SwitchState(row.level);
    player->staminaRing->SetValue(120.0f);
    player->body->velocity.y = row.vy;
    Current()->Update(0.0f);
    EXPECT_TRUE(In(row.after)) << row.vy << ": " << WStringToString(Current()->GetName());
  }
}

}  // namespace
