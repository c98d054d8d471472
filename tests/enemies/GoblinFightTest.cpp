#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>

#include "engine/BarMeter.h"
#include "tests/enemies/GoblinWorld.h"

namespace {

class GoblinFight : public GoblinWorld {
 protected:
  GoblinFight() {
    std::srand(11);
    std::istringstream line("1 0 10 1 r\n");
    goblin = PutInPlay<Goblin>(ReadLine(line, Goblin::Kind));
  }

  bool In(int index) const { return goblin->state == goblin->GetState(index); }
  bool StepUntil(std::initializer_list<int> states) {
    return RatatoskrWorld::StepUntil(*goblin, states);
  }
  float X() const { return goblin->body->position.x; }
  float Health() const { return goblin->healthMeter->value; }
  float Side() const { return static_cast<float>(goblin->facing); }
  // The player three steps before the goblin, which turns to guard against it. The goblin
  // has not touched the floor before its first frame, so it falls first.
  void Confront() {
    Step();
    ASSERT_TRUE(In(GoblinFalling));
    ASSERT_TRUE(StepUntil({GoblinIdling, GoblinIdleWalking}));
    PlacePlayer(X() + 3.0f * Side(), GoblinStanding);
    Step();
    ASSERT_TRUE(In(GoblinFrontAlerted));
    ASSERT_TRUE(StepUntil({GoblinGuarding}));
    ASSERT_GT(goblin->HitShield().width, 0.0f);
    // Long enough to stand and take what comes.
    goblin->GetState(GoblinGuarding)->wait = 100.0f;
  }

  Goblin* goblin = nullptr;  // the world's
};

// Pushed up out of the floor, a goblin lands only when not rising: at rest or falling it takes
// the floor as its ground and stops; rising, it goes on through.
TEST_F(GoblinFight, APushUpOutOfTheFloorLandsItOnlyWhenNotRising) {
  const std::pair<float, bool> rows[] = {{-2.0f, true}, {0.0f, true}, {2.0f, false}};
  for (const auto& [vy, lands] : rows) {
    goblin->body->SetPositionXYZ(X(), GoblinStanding - 0.1f, 0.0f);
    goblin->body->velocity = {0.0f, vy, 0.0f};
    goblin->groundContact = nullptr;
    goblin->StepPhysics(0.0f);
    EXPECT_EQ(goblin->groundContact != nullptr, lands) << vy;
    EXPECT_EQ(goblin->body->velocity.y, lands ? 0.0f : vy) << vy;
    EXPECT_NEAR(goblin->body->position.y, GoblinStanding, 1e-5f) << vy;
  }
}

TEST_F(GoblinFight, ItBlocksAStrikeOnItsShieldAndIsBeatenFromBehind) {
  Confront();
  const float full = Health();
  const float x = X();
  Swing(goblin->HitShield().position.x, goblin->HitShield().position.y, 30.0f);
  Step();
  EXPECT_TRUE(In(GoblinBlocking));
  EXPECT_EQ(Health(), full);
  EXPECT_EQ(goblin->state->holdTimer, swing.freezeTime) << "the block holds the goblin";
  EXPECT_TRUE(goblin->HitShield().Contains(&swing));
  EXPECT_LT(goblin->body->velocity.x * Side(), 0.0f) << "knocked back from the strike";
  for (int frame = 0; frame < 5; ++frame) Step();
  EXPECT_EQ(X(), x) << "held through the hit-stop";
  for (int frame = 0; frame < 30; ++frame) Step();
  EXPECT_EQ(Health(), full) << "a strike is blocked once and does nothing more";
  EXPECT_LT((X() - x) * Side(), 0.0f);
  EndSwing();

  // Behind its back the same swing lands on the body, once per swing, until it dies.
  const float levelBefore = player.levels[Level::Experience];
  int swings = 0;
  while (!In(GoblinDead) && swings < 20) {
    ++swings;
    const float health = Health();
    Swing(X() - 1.0f * Side(), goblin->body->position.y, 30.0f);
    for (int frame = 0; frame < 10; ++frame) Step();
    EXPECT_LT(Health(), health);
    EndSwing();
  }
  EXPECT_TRUE(In(GoblinDead));
  EXPECT_GT(swings, 1);
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 12.0f);
  EXPECT_GT(player.levels[Level::Experience], levelBefore);
  for (int frame = 0; frame < 120; ++frame) Step();
  EXPECT_TRUE(In(GoblinDead));
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 12.0f) << "paid once";
}

TEST_F(GoblinFight, AStrikeThatSpendsItsStaminaBreaksTheGuardAndTheNextOneLands) {
  Confront();
  const float full = Health();
  const float maxStamina = goblin->staminaMeter->maximum;
  Swing(goblin->HitShield().position.x, goblin->HitShield().position.y, 30.0f, maxStamina);
  Step();
  ASSERT_TRUE(In(GoblinGuardBreakDown));
  EXPECT_EQ(Health(), full);
  EXPECT_EQ(goblin->HitShield().width, 0.0f) << "the broken guard holds no shield";
  for (int frame = 0; frame < 10; ++frame) Step();
  EndSwing();
  Swing(goblin->body->position.x + 0.5f * Side(), goblin->body->position.y, 30.0f);
  for (int frame = 0; frame < 10; ++frame) Step();
  EXPECT_LT(Health(), full);
  EXPECT_TRUE(In(GoblinGuardBreakDown));
  EXPECT_TRUE(StepUntil({GoblinIdling, GoblinFalling}));
}

TEST_F(GoblinFight, AStruckShieldEndsTheStepInTheBlockOrBreakWhateverTheStateWouldChoose) {
  Confront();
  const float maxStamina = goblin->staminaMeter->maximum;
  // Each wait makes the state's own move a switch to another state, which the blow must skip.
  struct Row {
    int state;
    float wait, staminaDamage;
    int expected;
  };
  const Row rows[] = {
      {GoblinGuarding, 0.0f, 0.0f, GoblinBlocking},
      {GoblinGuarding, 0.0f, maxStamina, GoblinGuardBreakDown},
      {GoblinBlocking, 0.0f, maxStamina, GoblinGuardBreakDown},
      {GoblinForwardGuardWalking, 100.0f, 0.0f, GoblinBlocking},
      {GoblinBackwardGuardWalking, 0.0f, 0.0f, GoblinBlocking},
  };
  for (const Row& row : rows) {
    goblin->staminaMeter->value = maxStamina;
    goblin->SwitchState(row.state);
    goblin->GetState(row.state)->wait = row.wait;
    Swing(goblin->HitShield().position.x, goblin->HitShield().position.y, 30.0f,
          row.staminaDamage);
    Step();
    EXPECT_TRUE(In(row.expected)) << row.state << " " << row.staminaDamage;
    EndSwing();
    while (goblin->state->holdTimer > 0.0f) Step();
  }
}

TEST_F(GoblinFight, ItsShieldPushesThePlayerButNeverItselfAndItsSwingsReachThePlayer) {
  Confront();
  // A player pressed into the shield is pushed out towards its own side; the goblin, walking
  // into its own shield, is not.
  goblin->PlaceShield();
  const float shieldX = goblin->ShieldQuad().position.x;
  PlacePlayer(shieldX + 0.5f * Side(), GoblinStanding);
  player.body->previousPosition.x -= 0.2f * Side();
  EXPECT_GT(world.CollideWithBoundaries(player.body).x * Side(), 0.0f);
  EXPECT_EQ(world.CollideWithBoundaries(goblin->body).x, 0.0f);

  // Against the shield, the guard ends in a shove, which turns into a swing.
  PlacePlayer(X() + 1.5f * Side(), GoblinStanding);
  goblin->GetState(GoblinGuarding)->wait = 0.0f;
  ForceDraws({{3, 1}});
  ASSERT_TRUE(StepUntil({GoblinShieldPushing}));
  auto* shove = static_cast<GoblinStateStriking*>(goblin->state);
  EXPECT_TRUE(StrikeReachesPlayer(*goblin, shove, shove->Strike()));
  ASSERT_TRUE(In(GoblinAttacking));
  auto* attack = static_cast<GoblinStateStriking*>(goblin->state);
  EXPECT_TRUE(StrikeReachesPlayer(*goblin, attack, attack->Strike()));
  EXPECT_TRUE(In(GoblinGuarding));
  EXPECT_TRUE(world.enemyStrikes.empty());
}

class DemoGoblinFight : public GoblinWorld {
 protected:
  DemoGoblinFight() {
    std::srand(5);
    std::istringstream line("1 0 10 1.25 l\n");
    goblin = PutInPlay<DemoGoblin>(ReadLine(line, DemoGoblin::Kind));
  }
  bool In(int index) const { return goblin->state == goblin->GetState(index); }
  bool StepUntil(int index) { return RatatoskrWorld::StepUntil(*goblin, {index}); }

  DemoGoblin* goblin = nullptr;  // the world's
};

TEST_F(DemoGoblinFight, ItNoticesWalksUpSwingsAndIsBeatenPayingOnce) {
  Step();
  ASSERT_TRUE(StepUntil(DemoGoblinIdling));
  const float x = goblin->body->position.x;
  PlacePlayer(x + 4.5f * static_cast<float>(goblin->facing), DemoGoblinStanding);
  Step();
  ASSERT_TRUE(In(DemoGoblinFrontAlerted));
  ASSERT_TRUE(StepUntil(DemoGoblinAlertWalking));
  ASSERT_TRUE(StepUntil(DemoGoblinAttacking));
  auto* attack = static_cast<DemoGoblinStateAttacking*>(goblin->state);
  EXPECT_TRUE(StrikeReachesPlayer(*goblin, attack, attack->Strike()));
  EXPECT_TRUE(In(DemoGoblinAlertIdling));

  int swings = 0;
  while (!In(DemoGoblinDead) && swings < 20) {
    ++swings;
    Swing(goblin->body->position.x, goblin->body->position.y, 15.0f);
    for (int frame = 0; frame < 10; ++frame) Step();
    EndSwing();
  }
  EXPECT_TRUE(In(DemoGoblinDead));
  EXPECT_EQ(goblin->body->height, 0.5f);
  for (int frame = 0; frame < 60; ++frame) Step();
  EXPECT_NEAR(goblin->body->position.y, 0.25f, 0.05f) << "lies on the floor";
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 12.0f);
}

}  // namespace
