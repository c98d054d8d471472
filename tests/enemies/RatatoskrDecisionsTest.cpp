#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

using Decisions = RatatoskrWorld;

constexpr float Any = NAN;

// A Ratatoskr standing at x with its range from -2 to 2, in a state whose timer has or has not
// run out, and the player at (playerX, playerY + its standing height); a spent one has no health.
struct Case {
  const char* what;
  int state, facing;
  float x, playerX, playerY;
  bool timedOut, grounded;
  std::vector<int> coins;
  int expected, expectedFacing;
  float expectedVx = Any, expectedVy = Any;
  bool spent = false;
};

TEST_F(Decisions, EachStateDecidesAtItsThresholdsAndTimers) {
  const int I = RatatoskrIdling, C = RatatoskrCautious, R = RatatoskrRunning;
  const int B = RatatoskrBackAlerted, F = RatatoskrFrontAlerted, L = RatatoskrLuring;
  const int P = RatatoskrAttackPrepping, J = RatatoskrJumpAttacking;
  const int G = RatatoskrGroundAttacking, S = RatatoskrSkidding, A = RatatoskrAttacking;
  const Case cases[] = {
      {"idle timeout left of range runs home", I, -1, -2.5f, 40, 0, true, true, {}, R, 1},
      {"idle timeout on a bound takes the coin", I, 1, -2, 40, 0, true, true, {0, 0}, C, -1},
      {"idle timeout in range, second coin", I, -1, 0, 40, 0, true, true, {1, 1}, R, 1},
      {"idle timeout ignores a close player", I, 1, -2.5f, 1, 0, true, true, {}, R, 1},
      {"idle: player 3.0 in front", I, 1, 0, 3, 0, false, true, {}, F, 1},
      {"idle: player 3.01 in front", I, 1, 0, 3.01f, 0, false, true, {}, I, 1},
      {"idle: player 2.5 behind", I, 1, 0, -2.5f, 0, false, true, {}, B, 1},
      {"idle: player 2.51 behind", I, 1, 0, -2.51f, 0, false, true, {}, I, 1},
      {"idle: same x counts as in front", I, -1, 0, 0, 1, false, true, {}, F, -1},
      {"cautious: player 3.2 behind", C, 1, 0, -3.2f, 0, false, true, {}, B, 1},
      {"cautious: player 3.21 behind", C, 1, 0, -3.21f, 0, false, true, {}, C, 1},
      {"cautious: player 4.0 in front", C, -1, 0, -4, 0, false, true, {}, F, -1},
      {"cautious: player 4.01 in front", C, -1, 0, -4.01f, 0, false, true, {}, C, -1},
      {"cautious timeout, first coin idles", C, -1, 0, 40, 0, true, true, {0, 1}, I, 1},
      {"running timeout, first coin", R, 1, 0, 40, 0, true, true, {0}, I, 1},
      {"running timeout, second coin", R, 1, 0, 40, 0, true, true, {1}, C, 1},
      {"running left past the left bound", R, -1, -2.1f, 40, 0, false, true, {}, I, -1},
      {"running left on the bound keeps on", R, -1, -2, 40, 0, false, true, {}, R, -1, -5.5f},
      {"running right inside", R, 1, 0, 40, 0, false, true, {}, R, 1, 5.5f},
      {"back alert turns away", B, 1, 0, -1, 0, true, true, {}, L, 1},
      {"front alert turns away", F, 1, 0, 1, 0, true, true, {}, L, -1},
      {"alert under the player turns away right", F, -1, 0, 0, 1, true, true, {}, L, 1},
      {"alert: player a hair right", B, 1, 0, 0.01f, 0, true, true, {}, L, -1},
      {"luring runs", L, -1, 0, 40, 0, false, true, {}, L, -1, -9},
      {"prepping leaps at 7.0", P, -1, 0, 7, 0, true, true, {0}, J, 1, 20, 15},
      {"prepping dashes at 7.0", P, 1, 0, -7, 0, true, true, {1}, G, -1, -20, 0},
      {"prepping gives up at 7.01", P, -1, 0, 7.01f, 0, true, true, {0, 1}, C, 1},
      {"prepping under the player leaps left", P, 1, 0, 0, 1, true, true, {0}, J, -1, -20, 15},
      {"prepping: player a hair right", P, -1, 0, 0.01f, 0, true, true, {0}, J, 1, 20, 15},
      {"leap bites at 3.0", J, 1, 0, 3, 0, false, false, {}, A, 1},
      {"leap flies on at 3.01", J, 1, 0, 3.01f, 0, true, false, {}, J, 1},
      {"leap lands without biting", J, 1, 0, 3.01f, 0, false, true, {}, S, 1},
      {"dash bites at 3.0", G, 1, 0, 3, 0, false, true, {}, A, 1},
      {"dash times out", G, 1, 0, 1, 0, true, true, {}, S, 1},
      {"skid timeout", S, 1, 0, 40, 0, true, true, {1, 0}, I, -1},
      {"hurt timeout", RatatoskrHurt, 1, 0, 40, 0, true, false, {1, 1}, R, 1},
      {"falling lands", RatatoskrFalling, 1, 0, 40, 0, false, true, {}, S, 1},
      {"idle airborne falls, player near", I, 1, 0, 1, 0, false, false, {}, RatatoskrFalling, 1},
      {"spent dies, player near", I, 1, 0, 1, 0, false, true, {}, RatatoskrDead, 1, Any, Any, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto rat = MakeRatatoskr(c.x);
    rat->SetHome({0.0f, Standing, 0.0f}, 2.0f);
    PlacePlayer(c.playerX, Standing + c.playerY);
    rat->SwitchState(c.state);
    rat->facing = c.facing;
    auto& current = static_cast<RatatoskrState&>(*rat->state);
    current.timeLimit = c.timedOut ? 0.0f : 1.0f;
    rat->groundContact = c.grounded ? floor : nullptr;
    if (c.spent) rat->healthMeter->value = 0.0f;
    ForceCoins(c.coins);
    rat->state->Update(0.0f);
    EXPECT_EQ(rat->state, rat->GetState(c.expected));
    EXPECT_EQ(rat->facing, c.expectedFacing);
    if (!std::isnan(c.expectedVx)) {
      EXPECT_EQ(rat->body->velocity.x, c.expectedVx);
    }
    if (!std::isnan(c.expectedVy)) {
      EXPECT_EQ(rat->body->velocity.y, c.expectedVy);
    }
  }
}

// A first coin of 0 picks the first of two states.
TEST_F(Decisions, EachTimedStateEndsAtItsBoundary) {
  const int I = RatatoskrIdling, C = RatatoskrCautious, L = RatatoskrLuring;
  const int P = RatatoskrAttackPrepping, S = RatatoskrSkidding;
  CheckEachEndsAtItsBoundary<Ratatoskr>(
      {
          {I, DrawnLimit, C, C},
          {C, DrawnLimit, I, I},
          {RatatoskrRunning, DrawnLimit, I, I},
          {RatatoskrBackAlerted, DrawnLimit, L, L},
          {RatatoskrFrontAlerted, DrawnLimit, L, L},
          {L, DrawnLimit, P, P},
          {P, DrawnLimit, C, C},
          {RatatoskrGroundAttacking, DrawnLimit, S, S},
          {S, DrawnLimit, C, C},
          {RatatoskrHurt, DrawnLimit, C, C},
          {RatatoskrAttacking, 0.50000006f, S, S, true},
      },
      Standing);
}

TEST_F(Decisions, TimeLimitsAreDrawnInHundredthsAtEntry) {
  auto rat = MakeRatatoskr(0.0f);
  // State, then the shortest and the longest limit in hundredths.
  const int draws[][3] = {{RatatoskrRunning, 10, 39}, {RatatoskrIdling, 100, 199},
                          {RatatoskrHurt, 100, 199},  {RatatoskrJumpAttacking, 20, 49},
                          {RatatoskrLuring, 50, 79},  {RatatoskrSkidding, 60, 89}};
  for (const auto& draw : draws) {
    for (int entry = 0; entry < 50; ++entry) {
      rat->SwitchState(draw[0]);
      const float hundredths = static_cast<RatatoskrState&>(*rat->state).timeLimit * 100.0f;
      EXPECT_NEAR(hundredths, std::round(hundredths), 1e-3f);
      EXPECT_GE(std::round(hundredths), draw[1]);
      EXPECT_LE(std::round(hundredths), draw[2]);
    }
  }
}

TEST_F(Decisions, TheBiteIsInPlayForItsLengthAndWithdrawnOnEveryWayOut) {
  auto rat = MakeRatatoskr(0.0f);
  rat->groundContact = floor;
  rat->SwitchState(RatatoskrAttacking);
  auto& bite = static_cast<RatatoskrStateAttacking&>(*rat->state);
  StrikeQuad* strike = bite.Bite();
  EXPECT_EQ(world.enemyStrikes, std::vector<StrikeShape*>{strike});
  EXPECT_EQ(strike->damage, 5.0f);
  player.hitBox->hitList = {strike};
  strike->hitList = {player.hitBox};
  bite.stateTime = 0.5f;
  bite.Update(0.0f);
  EXPECT_EQ(rat->state, &bite);
  bite.Update(0.00000006f);
  EXPECT_EQ(rat->state, rat->GetState(RatatoskrSkidding));
  EXPECT_TRUE(world.enemyStrikes.empty());
  EXPECT_TRUE(player.hitBox->hitList.empty());

  // Killed in the bite: the strike goes before the Ratatoskr lies dead.
  rat->SwitchState(RatatoskrAttacking);
  rat->healthMeter->value = 0.0f;
  rat->state->Update(0.0f);
  EXPECT_EQ(rat->state, rat->GetState(RatatoskrDead));
  EXPECT_TRUE(world.enemyStrikes.empty());
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 12.0f);
}

TEST_F(Decisions, WithoutAPlayerItDecidesNothingAndPaysNothing) {
  world.players.clear();
  auto rat = MakeRatatoskr(-3.0f);
  rat->groundContact = floor;
  static_cast<RatatoskrState&>(*rat->state).timeLimit = 0.0f;
  rat->state->Update(0.0f);
  EXPECT_EQ(rat->state, rat->GetState(RatatoskrIdling));
  rat->healthMeter->value = 0.0f;
  rat->state->Update(0.0f);
  EXPECT_EQ(rat->state, rat->GetState(RatatoskrDead));
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 0.0f);
}

}  // namespace
