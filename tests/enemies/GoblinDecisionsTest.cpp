#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/BarMeter.h"
#include "engine/VectorMath.h"
#include "tests/enemies/GoblinWorld.h"

namespace {

using GoblinDecisions = GoblinWorld;

constexpr float Waiting = 100.0f;
constexpr float Over = 0.0f;

float Past(float reach) { return std::nextafter(reach, 100.0f); }

// A goblin at x = 0 on the floor in a state with that wait (or clock), the player at
// (playerX, its standing height + playerY). Walk is the way the goblin is driven: where a
// goblin's update moved it, where a DemoGoblin's state set its speed.
struct Case {
  const char* what;
  int state, facing;
  float playerX, playerY, wait;
  bool grounded;
  std::vector<RandomDraw> draws;
  int expected, expectedFacing, walk = 0;
  float health = 1.0f;
};

TEST_F(GoblinDecisions, EachGoblinStateDecidesAtItsThresholds) {
  const int I = GoblinIdling, W = GoblinIdleWalking, F = GoblinFrontAlerted;
  const int B = GoblinBackAlerted, G = GoblinGuarding, Fw = GoblinForwardGuardWalking;
  const int Bw = GoblinBackwardGuardWalking, P = GoblinShieldPushing, A = GoblinAttacking;
  const float pushOver = 1.27f, swingOver = 1.41f;
  std::vector<Case> cases = {
      {"idle: player 7.0 in front", I, 1, 7, 0, Waiting, true, {}, F, 1},
      {"idle: player 7.01 in front", I, 1, 7.01f, 0, Waiting, true, {}, I, 1},
      {"idle: player 5.5 behind", I, 1, -5.5f, 0, Waiting, true, {}, B, 1},
      {"idle: player 6.0 behind", I, 1, -6, 0, Waiting, true, {}, I, 1},
      {"idle facing left: same x is in front", I, -1, 0, 6.5f, Waiting, true, {}, F, -1},
      {"idle facing right: same x is behind", I, 1, 0, 6.5f, Waiting, true, {}, I, 1},
      {"idle timeout walks off, even coin left", I, 1, 1, 0, Over, true, {{2, 0}}, W, -1},
      {"idle off the ground falls", I, 1, 1, 0, Waiting, false, {}, GoblinFalling, 1},
      {"idle with no health dies first", I, 1, 1, 0, Over, false, {}, GoblinDead, 1, 0, 0},
      {"walk: player 7.01 away, it walks", W, -1, 7.01f, 0, Waiting, true, {}, W, -1, -1},
      {"walk: player 6 behind, it stops driving", W, -1, 6, 0, Waiting, true, {}, W, -1, 0},
      {"walk: player 5.5 behind", W, -1, 5.5f, 0, Waiting, true, {}, B, -1},
      {"walk timeout", W, 1, 1, 0, Over, true, {}, I, 1},
      {"front alert turns to the player and guards", F, 1, -3, 0, Over, true, {}, G, -1},
      {"back alert waits", B, 1, -3, 0, Waiting, true, {}, B, 1},
      {"guard before its wait turns to the player", G, 1, -3, 0, Waiting, true, {}, G, -1},
      {"front alert under the player faces left", F, 1, 0, 2, Over, true, {}, G, -1},
      {"front alert: player a hair right", F, -1, 0.01f, 0, Over, true, {}, G, 1},
      {"guard before its wait, under the player", G, 1, 0, 2, Waiting, true, {}, G, -1},
      {"guard at 2.8 walks forward", G, 1, 2.8f, 0, Over, true, {}, Fw, 1},
      {"guard at 2.79, one in three backs away", G, 1, 2.79f, 0, Over, true, {{3, 0}}, Bw, 1},
      {"guard at 2.79, two in three push", G, 1, -2.79f, 0, Over, true, {{3, 2}}, P, 1},
      {"guard at 2.79, a draw of 3 backs away", G, 1, 2.79f, 0, Over, true, {{6, 3}}, Bw, 1},
      {"guard at 2.79, a draw of 4 pushes", G, 1, -2.79f, 0, Over, true, {{6, 4}}, P, 1},
      {"forward walk beyond its stop", Fw, 1, 3, 0, 2.79f, true, {}, Fw, 1, 1},
      {"forward walk within its stop", Fw, 1, 2.79f, 0, 2.79f, true, {}, G, 1},
      {"forward walk with the player behind", Fw, 1, -5, 0, 2.79f, true, {}, G, 1},
      {"backward walk backs away", Bw, 1, 2, 0, Waiting, true, {}, Bw, 1, -1},
      {"backward walk timeout", Bw, -1, -2, 0, Over, true, {}, G, -1},
      {"push ends 3.5 away: attack", P, 1, -3.5f, 0, pushOver, true, {}, A, -1},
      {"push ends 3.6 away: guard", P, -1, 3.6f, 0, pushOver, true, {}, G, -1},
      {"push ends over the player: attack right", P, -1, 0, 1, pushOver, true, {}, A, 1},
      {"push goes on", P, 1, 1, 0, 1.2f, true, {}, P, 1},
      {"attack ends", A, 1, 1, 0, swingOver, true, {}, G, 1},
      {"guard break ends even in the air", GoblinGuardBreakUp, 1, 1, 0, Over, false, {}, I, 1},
      {"falling lands", GoblinFalling, 1, 1, 0, Over, true, {}, I, 1},
      {"falling with no health dies", GoblinFalling, 1, 1, 0, Over, true, {}, GoblinDead, 1, 0,
       0},
  };
  // With the player in reach and every wait over, a step off the ground falls and a spent one
  // dies, and nothing more is decided.
  for (int state : {I, W, F, B, G, int{GoblinBlocking}, Fw, Bw, P, A}) {
    cases.push_back(
        {"off the ground falls", state, 1, 2.79f, 0, Over, false, {{3, 2}}, GoblinFalling, 1});
    cases.push_back(
        {"spent dies, player near", state, 1, 2.79f, 0, Over, true, {{3, 2}}, GoblinDead, 1, 0, 0});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.what << " from " << c.state);
    auto goblin = Make<Goblin>(0.0f, GoblinStanding);
    goblin->Update(Frame);
    PlacePlayer(c.playerX, GoblinStanding + c.playerY);
    goblin->SwitchState(c.state);
    goblin->facing = c.facing;
    auto& current = *goblin->GetState(c.state);
    // The striking states end on their clock, the others on their wait.
    const bool striking = c.state == P || c.state == A;
    (striking ? current.stateTime : current.wait) = c.wait;
    goblin->groundContact = c.grounded ? floor : nullptr;
    // Off the floor too, so that the step's own physics finds no ground either.
    if (!c.grounded) goblin->body->position.y += 1.0f;
    goblin->healthMeter->value = c.health;
    ForceDraws(c.draws);
    const float start = goblin->body->position.x;
    goblin->Update(Frame);
    EXPECT_EQ(goblin->state, goblin->GetState(c.expected));
    EXPECT_EQ(goblin->facing, c.expectedFacing);
    const float x = goblin->body->position.x - start;
    EXPECT_EQ(x > 0.01f ? 1 : x < -0.01f ? -1 : 0, c.walk);
  }
}

using GoblinClocks = GoblinWorld;

TEST_F(GoblinClocks, EachTimedGoblinStateEndsAtItsBoundary) {
  const int I = GoblinIdling, W = GoblinIdleWalking, G = GoblinGuarding;
  const int Fw = GoblinForwardGuardWalking;
  CheckEachEndsAtItsBoundary<Goblin>(
      {
          {I, DrawnLimit, W, W},
          {GoblinIdlingWithShield, DrawnLimit, W, W},
          {W, DrawnLimit, I, I},
          {GoblinIdleWalkingWithShield, DrawnLimit, I, I},
          {GoblinFrontAlerted, DrawnLimit, G, G},
          {GoblinBackAlerted, DrawnLimit, G, G},
          {GoblinFrontAlertedWithShield, DrawnLimit, G, G},
          {GoblinBackAlertedWithShield, DrawnLimit, G, G},
          {G, DrawnLimit, Fw, Fw},
          {GoblinBlocking, DrawnLimit, Fw, Fw},
          {GoblinBackwardGuardWalking, DrawnLimit, G, G},
          {GoblinGuardBreakUp, DrawnLimit, I, I},
          {GoblinGuardBreakDown, DrawnLimit, I, I},
          {GoblinGuardBreakUpWithShield, DrawnLimit, I, I},
          {GoblinGuardBreakDownWithShield, DrawnLimit, I, I},
          {GoblinShieldPushing, 1.2666668f, GoblinShieldPushing, G, true},
          {GoblinAttacking, 1.4f, GoblinAttacking, G, true},
          {GoblinAttackingWithShield, 2.0666668f, GoblinAttackingWithShield, G, true},
      },
      GoblinStanding);
}

TEST_F(GoblinClocks, EachTimedDemoGoblinStateEndsAtItsBoundary) {
  const int I = DemoGoblinIdling, W = DemoGoblinIdleWalking, AI = DemoGoblinAlertIdling;
  const int AW = DemoGoblinAlertWalking;
  CheckEachEndsAtItsBoundary<DemoGoblin>(
      {
          {I, DrawnLimit, W, W},
          {AI, DrawnLimit, W, W},
          {W, DrawnLimit, I, I},
          {DemoGoblinFrontAlerted, DrawnLimit, AW, AW},
          {DemoGoblinBackAlerted, DrawnLimit, AW, AW},
          {AW, DrawnLimit, AI, AI},
          {DemoGoblinGuardBreakUp, DrawnLimit, I, I},
          {DemoGoblinGuardBreakDown, DrawnLimit, I, I},
          {DemoGoblinAttacking, 1.4f, DemoGoblinAttacking, AI, true},
      },
      DemoGoblinStanding);
}

TEST_F(GoblinDecisions, WaitsAreDrawnInHundredthsAndTheShieldIsUpOnlyInGuard) {
  auto goblin = Make<Goblin>(0.0f, GoblinStanding);
  // State, the shortest and the longest wait in hundredths, and whether the shield is up.
  const int draws[][4] = {
      {GoblinIdling, 100, 199, 0},         {GoblinIdleWalking, 200, 299, 0},
      {GoblinFrontAlerted, 35, 54, 0},     {GoblinGuarding, 100, 199, 1},
      {GoblinBlocking, 100, 149, 1},       {GoblinForwardGuardWalking, 180, 279, 1},
      {GoblinBackwardGuardWalking, 100, 199, 1}, {GoblinGuardBreakDown, 100, 199, 0},
  };
  for (const auto& draw : draws) {
    for (int entry = 0; entry < 40; ++entry) {
      goblin->SwitchState(draw[0]);
      const float hundredths = goblin->GetState(draw[0])->wait * 100.0f;
      EXPECT_NEAR(hundredths, std::round(hundredths), 1e-3f);
      EXPECT_GE(std::round(hundredths), draw[1]);
      EXPECT_LE(std::round(hundredths), draw[2]);
      EXPECT_EQ(goblin->HitShield().width > 0.0f, draw[3] == 1) << draw[0];
      EXPECT_EQ(goblin->ShieldQuad().width, goblin->HitShield().width);
    }
  }
  for (int index : {GoblinShieldPushing, GoblinAttacking, GoblinDead, GoblinFalling}) {
    goblin->SwitchState(index);
    EXPECT_EQ(goblin->HitShield().width > 0.0f, index == GoblinShieldPushing) << index;
  }
}

TEST_F(GoblinDecisions, WithoutAPlayerItDecidesNothingThatNeedsOneAndPaysNothing) {
  world.players.clear();
  auto goblin = Make<Goblin>(0.0f, GoblinStanding);
  goblin->Update(Frame);
  goblin->SwitchState(GoblinGuarding);
  goblin->GetState(GoblinGuarding)->wait = 0.0f;
  goblin->Update(Frame);
  EXPECT_EQ(goblin->state, goblin->GetState(GoblinGuarding));
  goblin->SwitchState(GoblinShieldPushing);
  goblin->GetState(GoblinShieldPushing)->stateTime = 2.0f;
  goblin->Update(Frame);
  EXPECT_EQ(goblin->state, goblin->GetState(GoblinGuarding));
  goblin->healthMeter->value = 0.0f;
  goblin->Update(Frame);
  EXPECT_EQ(goblin->state, goblin->GetState(GoblinDead));
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 0.0f);
}

using DemoGoblinDecisions = GoblinWorld;

TEST_F(DemoGoblinDecisions, EachDemoGoblinStateDecidesAtItsThresholds) {
  const int I = DemoGoblinIdling, W = DemoGoblinIdleWalking, F = DemoGoblinFrontAlerted;
  const int B = DemoGoblinBackAlerted, AW = DemoGoblinAlertWalking, A = DemoGoblinAttacking;
  std::vector<Case> cases = {
      {"idle: player 5.0 in front", I, 1, 5, 0, Waiting, true, {}, F, 1},
      {"idle: player 5.0 behind", I, 1, -5, 0, Waiting, true, {}, I, 1},
      {"idle: player 3.5 behind", I, 1, -3.5f, 0, Waiting, true, {}, B, 1},
      {"idle: player just past 5 in front", I, 1, Past(5), 0, Waiting, true, {}, I, 1},
      {"idle: player just past 3.5 behind", I, 1, -Past(3.5f), 0, Waiting, true, {}, I, 1},
      {"idle facing left: same x is in front", I, -1, 0, 4, Waiting, true, {}, F, -1},
      {"idle facing right: same x is behind", I, 1, 0, 3.5f, Waiting, true, {}, B, 1},
      {"idle timeout walks off, odd coin right", I, -1, 1, 0, Over, true, {{2, 1}}, W, 1},
      {"alert idle timeout walks off", DemoGoblinAlertIdling, -1, 1, 0, Over, true, {{2, 0}}, W,
       -1},
      {"walk: player 6 behind, it stops driving", W, 1, -6, 0, Waiting, true, {}, W, 1, 0},
      {"walk: player 7.01 away, it walks", W, 1, -7.01f, 0, Waiting, true, {}, W, 1, 1},
      {"walk: player 7.0 in front", W, 1, 7, 0, Waiting, true, {}, F, 1},
      {"walk: player just past 7 in front", W, 1, Past(7), 0, Waiting, true, {}, W, 1, 1},
      {"walk: player 5.5 behind", W, 1, -5.5f, 0, Waiting, true, {}, B, 1},
      {"walk: player just past 5.5 behind", W, 1, -Past(5.5f), 0, Waiting, true, {}, W, 1, 0},
      {"walk off the ground falls", W, 1, 9, 0, Waiting, false, {}, DemoGoblinFalling, 1},
      {"back alert turns to the player", B, 1, -2, 0, Over, true, {}, AW, -1},
      {"back alert under the player faces left", B, 1, 0, 2, Over, true, {}, AW, -1},
      {"back alert: player a hair right", B, -1, 0.01f, 0, Over, true, {}, AW, 1},
      {"alert walk: 3.5 along x, however high", AW, 1, -3.5f, 3, Waiting, true, {}, A, -1},
      {"alert walk: 3.51 along x walks on", AW, 1, 3.51f, 0, Waiting, true, {}, AW, 1, 1},
      {"alert walk: over the player faces right", AW, -1, 0, 2, Waiting, true, {}, A, 1},
      {"alert walk: player a hair left", AW, 1, -0.01f, 0, Waiting, true, {}, A, -1},
      {"alert walk timeout", AW, 1, 9, 0, Over, true, {}, DemoGoblinAlertIdling, 1},
      {"guard break ends even in the air", DemoGoblinGuardBreakDown, 1, 1, 0, Over, false, {}, I,
       1},
      {"no health in the air dies", DemoGoblinFalling, 1, 1, 0, Waiting, false, {},
       DemoGoblinDead, 1, 0, 0},
      {"no health at an idle timeout dies", I, 1, 1, 0, Over, true, {{2, 1}}, DemoGoblinDead, 1, 0,
       0},
      {"no health in striking reach dies", AW, 1, 2, 0, Waiting, true, {}, DemoGoblinDead, 1, 0, 0},
  };
  // In reach, every wait over: off the ground it falls, spent it dies, and decides no more.
  for (int state : {I, int{DemoGoblinAlertIdling}, W, F, B, AW, A}) {
    cases.push_back(
        {"off the ground falls", state, 1, 2, 0, Over, false, {{2, 1}}, DemoGoblinFalling, 1});
    cases.push_back(
        {"spent dies, player near", state, 1, 2, 0, Over, true, {{2, 1}}, DemoGoblinDead, 1, 0, 0});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.what << " from " << c.state);
    auto goblin = Make<DemoGoblin>(0.0f, DemoGoblinStanding);
    PlacePlayer(c.playerX, DemoGoblinStanding + c.playerY);
    goblin->SwitchState(c.state);
    goblin->facing = c.facing;
    goblin->GetState(c.state)->wait = c.wait;
    goblin->groundContact = c.grounded ? floor : nullptr;
    goblin->healthMeter->value = c.health;
    ForceDraws(c.draws);
    goblin->state->Update(0.0f);
    EXPECT_EQ(goblin->state, goblin->GetState(c.expected));
    EXPECT_EQ(goblin->facing, c.expectedFacing);
    const float vx = goblin->body->velocity.x;
    EXPECT_EQ(vx > 0.0f ? 1 : vx < 0.0f ? -1 : 0, c.walk);
    if (c.expected == DemoGoblinDead) {
      EXPECT_EQ(goblin->body->width, 2.5f);
      EXPECT_EQ(goblin->hitBox->height, 0.5f);
      // Lying down and standing up again keep the feet on the floor.
      EXPECT_FLOAT_EQ(goblin->body->position.y, 0.25f);
      goblin->SwitchState(I);
      EXPECT_FLOAT_EQ(goblin->body->position.y, DemoGoblinStanding);
    }
  }
}

TEST_F(DemoGoblinDecisions, TheSwingIsLiveForOneFrameAndEndsJustAfterItsLength) {
  auto goblin = Make<DemoGoblin>(0.0f, DemoGoblinStanding);
  goblin->groundContact = floor;
  goblin->SwitchState(DemoGoblinAttacking);
  auto& attack = static_cast<DemoGoblinStateAttacking&>(*goblin->state);
  EXPECT_EQ(world.enemyStrikes.size(), 1u);
  EXPECT_NE(world.enemyStrikes.front(), attack.Strike()) << "the wind-up strikes nothing";
  // Each step and whether the swing is in play after it: the wind-up of 0.33333334 s, then
  // 1/30 s live; what a step carries past the end of a frame counts in the next.
  const std::pair<float, bool> steps[] = {
      {0.3333f, false}, {0.0000334f, true}, {0.0333f, true}, {0.0001f, false}, {0.5f, false}};
  for (const auto& [step, live] : steps) {
    attack.Update(step);
    EXPECT_EQ(!world.enemyStrikes.empty() && world.enemyStrikes.front() == attack.Strike(), live)
        << attack.stateTime;
  }
  attack.stateTime = 1.4f;
  attack.Update(0.0f);
  EXPECT_EQ(goblin->state, &attack) << "1.4 is not yet over";
  attack.Update(0.01f);
  EXPECT_EQ(goblin->state, goblin->GetState(DemoGoblinAlertIdling));
  EXPECT_TRUE(world.enemyStrikes.empty());
}

// The raised shield stands 30 screen pixels ahead of the body on the side faced and 4 above,
// leaning 4 degrees back towards the goblin; only its edge on the foe's side is solid, and the
// hit shield lies on it.
TEST_F(GoblinDecisions, TheShieldStandsAheadOnTheSideFacedLeaningBack) {
  auto goblin = Make<Goblin>(3.0f, GoblinStanding);
  goblin->RaiseShield(true);
  const float ahead = ScreenSizeToWorld(30.0f, 0.0f);
  const float above = ScreenSizeToWorld(4.0f, 0.0f);
  struct Row {
    int facing;
    float rotation;
    std::array<uint8_t, 4> edges;
  };
  for (const Row& row : {Row{1, 4.0f, {0, 1, 0, 0}}, Row{-1, 356.0f, {1, 0, 0, 0}}}) {
    SCOPED_TRACE(row.facing);
    goblin->facing = row.facing;
    goblin->PlaceShield();
    const BoundingQuad& shield = goblin->ShieldQuad();
    EXPECT_EQ(shield.position,
              (platform::Vector3{row.facing == 1 ? 3.0f + ahead : 3.0f - ahead,
                                 GoblinStanding + above, 0.0f}));
    EXPECT_EQ(shield.rotation, row.rotation);
    EXPECT_EQ(shield.edgeFlags, row.edges);
    EXPECT_EQ(shield.width, 0.5868015f);
    EXPECT_EQ(shield.height, 1.6430459f);
    const HitQuad& hit = goblin->HitShield();
    EXPECT_EQ(hit.position, shield.position);
    EXPECT_EQ(hit.rotation, row.rotation);
    EXPECT_EQ(hit.width, shield.width);
    EXPECT_EQ(hit.height, shield.height);
  }
}

}  // namespace
