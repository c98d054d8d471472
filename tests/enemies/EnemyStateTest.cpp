#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "collision/Strike.h"
#include "enemies/EnemyState.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "support/TestWorld.h"

namespace {

using platform::Vector3;

// An enemy state that only takes hits.
class Watching : public EnemyState {
 public:
  explicit Watching(Actor* newOwner) : EnemyState(newOwner, nullptr) {}
  void Enter() override {}
  void Update(float) override { CheckIncomingHits(); }
  void UpdateHeld(float) override {}
};

class EnemyHits : public ::testing::Test {
 protected:
  EnemyHits()
      : world(nullptr, nullptr), player(*world.GetFirstPlayer()), enemy(&world), watching(&enemy) {
    SetInterfaceColors();
    enemy.state = &watching;
    enemy.PlaceAt(0.0f, 2.0f);
    strike.SetDimensions(1.0f, 1.0f, 0.0f);
    strike.SetPosition({-0.5f, 2.0f, 0.0f});
    strike.owner = &player;
    strike.damage = 10.0f;
    strike.force = 4.0f;
    strike.freezeTime = 0.1f;
    world.playerStrikes = {&strike};
  }
  ~EnemyHits() override { ResetGlobals(); }

  float Gained(Actor& actor, int index) { return (*actor.stats)[index]; }

  World world;
  FloatingTextList& texts = *world.floatingTexts;
  Player& player;
  // The player's own first state, which the hits hold as they hold the enemy's.
  State& playerState = *player.state;
  TestEnemy enemy;
  Watching watching;
  StrikeQuad strike;
};

TEST_F(EnemyHits, AStrikeHitsOnceWithHitStopKnockBackDamageAndARisingNumber) {
  enemy.derived[Derived::Defense] = 3.0f;
  enemy.bodyQuad.velocity = {0.0f, -9.0f, 0.0f};
  for (int frame = 0; frame < 5; ++frame) watching.CheckIncomingHits();

  EXPECT_EQ(watching.holdTimer, 0.1f);
  EXPECT_EQ(playerState.holdTimer, 0.1f);
  // Knock-back from the strike's place towards the body, replacing the fall.
  EXPECT_NEAR(enemy.bodyQuad.velocity.x, 4.0f, 1e-5f);
  EXPECT_EQ(enemy.bodyQuad.velocity.y, 0.0f);
  EXPECT_EQ(enemy.healthMeter->value, 93.0f);
  EXPECT_EQ(enemy.staminaMeter->value, 93.0f);
  EXPECT_EQ(enemy.hitQuad.hitList, std::vector<StrikeShape*>{&strike});
  EXPECT_EQ(strike.hitList, std::vector<HitShape*>{&enemy.hitQuad});
  EXPECT_FLOAT_EQ(Gained(enemy, Stat::StatDamageReceived), 7.0f);
  EXPECT_FLOAT_EQ(Gained(enemy, Stat::StatDamageDefended), 3.0f);
  EXPECT_FLOAT_EQ(Gained(player, Stat::StatDamageDealt), 7.0f);
  ASSERT_EQ(texts.texts.size(), 1u);
  EXPECT_EQ(texts.texts[0]->text, "7");
  EXPECT_EQ(texts.texts[0]->y, 3.0f);
  EXPECT_EQ(texts.texts[0]->x, 0.0f);
  EXPECT_EQ(texts.texts[0]->color, (Color4{255, 0, 0, 0}));

  // Once the attacker's state has let go of its strike, the same strike hits again.
  enemy.hitQuad.Forget(&strike);
  strike.hitList.clear();
  // The statistic adders recomputed the derived values from the sheet.
  enemy.derived[Derived::Defense] = 3.0f;
  watching.CheckIncomingHits();
  EXPECT_EQ(enemy.healthMeter->value, 86.0f);
  EXPECT_EQ(texts.texts.size(), 2u);
}

TEST_F(EnemyHits, DamageAfterDefenceStaysBetweenZeroAndTheStrikesDamage) {
  enemy.derived[Derived::Defense] = 25.0f;
  watching.CheckIncomingHits();
  EXPECT_EQ(enemy.healthMeter->value, 100.0f);
  EXPECT_FLOAT_EQ(Gained(enemy, Stat::StatDamageDefended), 10.0f);
  EXPECT_EQ(Gained(enemy, Stat::StatDamageReceived), 0.0f);
  EXPECT_EQ(texts.texts.back()->text, "0");

  enemy.hitQuad.Forget(&strike);
  strike.hitList.clear();
  enemy.derived[Derived::Defense] = -5.0f;
  watching.CheckIncomingHits();
  EXPECT_EQ(enemy.healthMeter->value, 90.0f);
  EXPECT_FLOAT_EQ(Gained(enemy, Stat::StatDamageDefended), 10.0f);

  // A net of 2.9 shows as "2".
  enemy.hitQuad.Forget(&strike);
  strike.hitList.clear();
  enemy.derived[Derived::Defense] = 7.1f;
  watching.CheckIncomingHits();
  EXPECT_EQ(texts.texts.back()->text, "2");
}

TEST_F(EnemyHits, AStrikeWithoutAnOwnerHurtsButCreditsNoAttacker) {
  strike.owner = nullptr;
  watching.CheckIncomingHits();
  EXPECT_EQ(enemy.healthMeter->value, 90.0f);
  EXPECT_EQ(watching.holdTimer, 0.1f);
  EXPECT_EQ(playerState.holdTimer, 0.0f);
  EXPECT_EQ(Gained(player, Stat::StatDamageDealt), 0.0f);
}

TEST_F(EnemyHits, AStrikeThatMissesOrAWorldWithoutTextsIsHarmless) {
  strike.SetPositionXYZ(5.0f, 2.0f, 0.0f);
  watching.CheckIncomingHits();
  EXPECT_EQ(enemy.healthMeter->value, 100.0f);
  EXPECT_TRUE(enemy.hitQuad.hitList.empty());
  strike.SetPositionXYZ(0.0f, 2.0f, 0.0f);
  world.floatingTexts.reset();
  world.players.clear();
  watching.CheckIncomingHits();
  EXPECT_EQ(enemy.healthMeter->value, 90.0f);
  Watching homeless(nullptr);
  homeless.CheckIncomingHits();
  homeless.Exit();
}

TEST_F(EnemyHits, LeavingTheStateTakesItsStrikesBackSoTheyCanHitThePlayersAgain) {
  StrikeQuad swing, thrust, stray;
  auto second = MakeFrameEntry(L"thrust", 0.1f, &thrust, nullptr);
  auto first = MakeFrameEntry(L"swing", 0.1f, &swing, second.get());
  FrameSequence sequence;
  sequence.frames = {first.get(), second.get()};
  watching.strikeFrames = &sequence;
  world.enemyStrikes = {&stray, &swing, &thrust, &swing};
  Player& other = *world.AddPlayer();
  HitQuad& playerHitBox = *player.hitQuad;
  HitQuad& otherHitBox = *other.hitQuad;
  playerHitBox.hitList = {&swing, &stray, &thrust};
  otherHitBox.hitList = {&thrust};
  swing.hitList = {&playerHitBox};
  thrust.hitList = {&playerHitBox, &otherHitBox};
  stray.hitList = {&playerHitBox};

  watching.Exit();
  EXPECT_EQ(world.enemyStrikes, (std::vector<StrikeShape*>{&stray, &swing}));
  EXPECT_EQ(playerHitBox.hitList, std::vector<StrikeShape*>{&stray});
  EXPECT_TRUE(otherHitBox.hitList.empty());
  EXPECT_TRUE(swing.hitList.empty());
  EXPECT_TRUE(thrust.hitList.empty());
}

TEST_F(EnemyHits, ExperienceGoesToTheFirstPlayerWhoseLevelBarShowsItAndNowhereWithoutOne) {
  enemy.totalStats[Stat::StatGivenExperience] = 12.5f;
  Player& second = *world.AddPlayer();
  EXPECT_TRUE(enemy.GiveExperience());
  EXPECT_FLOAT_EQ(Gained(player, Stat::StatExperience), 12.5f);
  EXPECT_EQ(Gained(second, Stat::StatExperience), 0.0f);
  EXPECT_FLOAT_EQ(player.experienceBar->value, 12.5f);
  EXPECT_FLOAT_EQ(player.experienceBar->maximum, 200.0f);
  // Past the first level's 200 points the bar counts from there toward 200 x 2^1.4.
  enemy.totalStats[Stat::StatGivenExperience] = 237.5f;
  EXPECT_TRUE(enemy.GiveExperience());
  EXPECT_FLOAT_EQ(player.experienceBar->value, 50.0f);
  EXPECT_NEAR(player.experienceBar->maximum, 200.0f * std::pow(2.0f, 1.4f) - 200.0f, 0.01f);
  world.players.clear();
  EXPECT_FALSE(enemy.GiveExperience());
  EXPECT_FLOAT_EQ(Gained(player, Stat::StatExperience), 250.0f);
}

// An enemy state that runs or backs away on demand.
class Running : public EnemyState {
 public:
  explicit Running(Actor* newOwner) : EnemyState(newOwner, nullptr) {}
  void Enter() override {}
  void Update(float) override {}
  void UpdateHeld(float) override {}
  using EnemyState::BackAwayAt;
  using EnemyState::RunAt;
};

TEST(EnemyRunning, BelowTheTopSpeedOneStepReachesItOrGainsFiveTimesTheStepAndAFasterRunIsKept) {
  World world(nullptr, nullptr);
  TestEnemy enemy(&world);
  Running running(&enemy);
  constexpr float Top = 2.5f;
  constexpr float Dt = 1.0f / 60.0f;
  // Near the top speed one step of 1/60 s adds 5/60.
  constexpr float Near = 2.45f;
  constexpr float Past = 2.45f + 5.0f / 60.0f;
  struct Row {
    int facing;
    bool backAway;
    float before;
    float after;
  };
  const Row rows[] = {
      {1, false, 0.0f, Top},     {-1, false, 0.0f, -Top},    {1, true, 0.0f, -Top},
      {-1, true, 0.0f, Top},     {1, false, Near, Past},     {-1, false, -Near, -Past},
      {1, true, -Near, -Past},   {-1, true, Near, Past},     {1, false, 3.0f, 3.0f},
      {-1, true, 3.0f, 3.0f},    {1, false, -1.0f, Top},     {-1, true, -1.0f, Top},
  };
  for (const Row& row : rows) {
    enemy.facing = row.facing;
    enemy.bodyQuad.velocity = {row.before, -1.0f, 0.0f};
    if (row.backAway) {
      running.BackAwayAt(Top, Dt);
    } else {
      running.RunAt(Top, Dt);
    }
    EXPECT_NEAR(enemy.bodyQuad.velocity.x, row.after, 1e-5f)
        << row.facing << (row.backAway ? " away " : " run ") << row.before;
    EXPECT_EQ(enemy.bodyQuad.velocity.y, -1.0f);
  }
}

}  // namespace
