#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinStates.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinStates.h"
#include "enemies/StandingEnemy.h"
#include "enemies/StandingStates.h"
#include "engine/BarMeter.h"
#include "engine/VectorMath.h"
#include "tests/enemies/GainedSheet.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

struct KindSheet {
  int kind;
  const char* name;
  float width, height;
  int32_t group, hitBoxGroup;
  std::vector<Span> gained;
};

// The growth every kind with a fighter's block writes from BaseAttack to GainedGuardSpeedFactor.
std::vector<Span> Fighter(float attack, float health, float healthRecovery) {
  return {{3, 3, attack}, {4, 6, 0},       {7, 7, health},  {8, 8, healthRecovery},
          {9, 10, 1},     {11, 11, 0.66f}, {12, 12, 0.33f}, {13, 13, 0.5f},
          {14, 14, 1},    {15, 22, 0},     {23, 26, 1},     {27, 29, 0},
          {30, 30, 5},    {31, 31, 0.01f}, {32, 32, 0.3f},  {33, 48, 0}};
}

std::vector<Span> Join(std::vector<Span> head, const std::vector<Span>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::vector<Span> Experience(float given) {
  return {{49, 50, 0}, {50, 50, given}, {81, 81, 200}, {82, 82, 1.4f}, {131, 131, 0}};
}

const std::vector<KindSheet>& Kinds() {
  static const std::vector<KindSheet> kinds = {
      {0, "Demo Enemy", 1.4f, 2.2f, -1, -1,
       Join(Experience(10),
            {{0, 0, 0.87f},
             {198, 198, 7.4f},
             {204, 204, 4},
             {206, 206, 40},
             {207, 207, 0.8f},
             {9, 9, 10},
             {13, 13, 0.5f},
             {10, 10, 7},
             {27, 27, 1},
             {30, 30, 20},
             {7, 7, 150},
             {208, 208, 26.5f},
             {209, 209, -3},
             {210, 210, -28},
             {200, 200, 80},
             {202, 202, 0.35f},
             {203, 203, 0.3f},
             {243, 243, 2},
             {244, 244, 1},
             // Written 0, then refilled to their maxima by the idle state it starts in.
             {245, 245, 2},
             {246, 246, 1}})},
      {1, "Passive Nidhogglet", 1.0f, 0.55f, -1, 1,
       Join(Experience(10),
            {{0, 0, 0.87f}, {1, 1, 0.5f}, {2, 2, 0.2f}, {27, 27, 1}, {30, 30, 20}, {7, 7, 150}})},
      {2, "Nidhogglet", 1.4f, 0.7f, -1, 1,
       Join(Join(Experience(4), {{0, 0, 1}, {1, 1, 0.5f}, {2, 2, 0.2f}}), Fighter(1, 10, 0.05f))},
      {3, "Ratatoskr", 1.4f, 0.7f, -1, 1,
       Join(Join(Experience(12), {{0, 0, 0.87f}, {1, 1, 0.5f}, {2, 2, 0.2f}}),
            Fighter(1, 10, 0.05f))},
      {4, "Goblin", 1.1f, 2.0f, -1, 1,
       Join(Experience(12),
            {{0, 0, 1.87f}, {1, 1, 1}, {2, 2, 0.8f}, {27, 27, 1}, {30, 30, 20}, {7, 7, 150}})},
      {5, "DemoGoblin", 1.1f, 2.5f, -1, 1,
       Join(Join(Experience(12), {{0, 0, 1.87f}, {1, 1, 1}, {2, 2, 0.8f}}), Fighter(2, 50, 0.1f))},
      {6, "DemoWall", 3.3f, 4.0f, -8, 1,
       Join(
           Experience(0),
           {{0, 0, 1}, {1, 1, 0.5f}, {2, 2, 0.2f}, {3, 6, 0}, {7, 7, 3}, {8, 10, 0}, {13, 14, 0}})},
  };
  return kinds;
}

using EnemyStatistics = RatatoskrWorld;

// Each kind's body and the gained sheet it starts with, and so its meters at level 0: health
// the base health, stamina the base stamina, the tick at resistance times the first break point.
TEST_F(EnemyStatistics, EachKindStartsWithItsOwnBodyAndGainedSheet) {
  for (const KindSheet& sheet : Kinds()) {
    SCOPED_TRACE(sheet.name);
    std::unique_ptr<Enemy> enemy =
        world.enemyResources->GetPrototype(sheet.kind)->CreateAt(&world, 5.0f, 5.0f, 0.0f, 0);
    ASSERT_NE(enemy, nullptr);
    EXPECT_EQ(enemy->GetName(), sheet.name);
    EXPECT_EQ(enemy->enemyKind, sheet.kind);
    EXPECT_EQ(enemy->drawLayer, sheet.group);
    EXPECT_EQ(enemy->hitBox->groupNumber, sheet.hitBoxGroup);
    EXPECT_EQ(enemy->facing, 1);
    EXPECT_EQ(enemy->body->width, sheet.width);
    EXPECT_EQ(enemy->body->height, sheet.height);
    EXPECT_EQ(enemy->hitBox->width, sheet.width);
    EXPECT_EQ(enemy->hitBox->height, sheet.height);

    std::map<int, float> expected = GainedSheet(sheet.gained);
    const StatBlock& gained = *enemy->stats;
    for (const auto& [index, value] : expected) {
      EXPECT_EQ(gained[index], value) << StatKeys[index];
    }

    EXPECT_EQ(enemy->healthMeter->maximum, expected[Stat::BaseHealth]);
    EXPECT_EQ(enemy->healthMeter->value, expected[Stat::BaseHealth]);
    EXPECT_EQ(enemy->staminaMeter->maximum, expected[Stat::BaseStamina]);
    ASSERT_EQ(enemy->staminaMeter->ticks.size(), 1u);
    EXPECT_FLOAT_EQ(enemy->staminaMeter->ticks[0].value,
                    expected[Stat::BaseResistanceFactor] * expected[Stat::BaseBreakPoint1Factor]);
  }
}

// The state of that index, of whichever class the kind is.
State* StateOf(Enemy& enemy, int index) {
  switch (enemy.enemyKind) {
    case Ratatoskr::Kind:
      return static_cast<Ratatoskr&>(enemy).GetState(index);
    case Goblin::Kind:
      return static_cast<Goblin&>(enemy).GetState(index);
    case DemoGoblin::Kind:
      return static_cast<DemoGoblin&>(enemy).GetState(index);
    default:
      return static_cast<StandingEnemy&>(enemy).GetState(index);
  }
}

// Every strike an enemy's state carries, as drawn up for its kind: size, offset, knock-back
// bias, force, damage, stamina damage and hit-stop. S(n) is n screen pixels at depth 0.
TEST_F(EnemyStatistics, EachKindsStrikesAreDrawnUpAsItsTablesSay) {
  const auto S = [](float pixels) { return ScreenSizeToWorld(pixels, 0.0f); };
  struct Drawn {
    int kind, state;
    float width, height;
    platform::Vector3 offset, bias;
    float force, damage, staminaDamage, freeze;
  };
  const Drawn drawn[] = {
      {2, 0, 1.5f, 0.4f, {0.05f, 0.2f, 0}, {}, 14.3f, 5, 0, 0.06f},
      {3, RatatoskrAttacking, 1.5f, 0.4f, {}, {}, 14.3f, 5, 0, 0.1f},
      {4, GoblinShieldPushing, S(40), S(49), {S(40), S(4), 0}, {12, 0, 0}, 4.3f, 5, 0, 0.06f},
      {4, GoblinAttacking, S(235), S(110), {S(5), S(20), 0}, {18, 0, 0}, 4.3f, 10, 0, 0.2f},
      {4,
       GoblinAttackingWithShield,
       S(235),
       S(110),
       {S(5), S(20), 0},
       {18, 0, 0},
       4.3f,
       10,
       0,
       0.2f},
      {5, DemoGoblinAttacking, 3.14526f, 2.62887f, {1.6f, 0.2f, 0}, {1, 1.5f, 0}, 15, 10, 20, 0.1f},
      {6, 0, 1.5f, 0.4f, {0.05f, 0.2f, 0}, {}, 14.3f, 5, 0, 0.06f},
  };
  for (const Drawn& d : drawn) {
    SCOPED_TRACE(testing::Message() << d.kind << " " << d.state);
    std::unique_ptr<Enemy> enemy =
        world.enemyResources->GetPrototype(d.kind)->CreateAt(&world, 5.0f, 5.0f, 0.0f, 0);
    const State* state = StateOf(*enemy, d.state);
    ASSERT_NE(state, nullptr);
    ASSERT_NE(state->strikeFrames, nullptr);
    const StrikeQuad* strike = nullptr;
    for (const auto& frame : state->strikeFrames->frames) {
      if (!strike) strike = dynamic_cast<const StrikeQuad*>(frame->Strike());
    }
    ASSERT_NE(strike, nullptr);
    EXPECT_EQ(strike->owner, enemy.get());
    EXPECT_FLOAT_EQ(strike->width, d.width);
    EXPECT_FLOAT_EQ(strike->height, d.height);
    EXPECT_EQ(strike->offset, d.offset);
    EXPECT_EQ(strike->direction, d.bias);
    EXPECT_EQ(strike->force, d.force);
    EXPECT_EQ(strike->damage, d.damage);
    EXPECT_EQ(strike->staminaDamage, d.staminaDamage);
    EXPECT_EQ(strike->freezeTime, d.freeze);
  }
}

}  // namespace
