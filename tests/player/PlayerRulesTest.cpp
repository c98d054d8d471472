#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/CircularMeter.h"
#include "engine/FloatingText.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "player/PlayerHudCells.h"
#include "player/PlayerState.h"
#include "support/TestWorld.h"
#include "world/World.h"

namespace {

using platform::Vector3;

// A world without screens: its first player stands idle at (1, 0) with the new-game statistics.
class PlayerRules : public ::testing::Test {
 protected:
  PlayerRules() : world(nullptr, nullptr), player(*world.GetFirstPlayer()) { SetInterfaceColors(); }
  ~PlayerRules() override { ResetGlobals(); }

  PlayerState& Idle() { return *player.StateAt(SlotIdling); }
  float Gained(const Actor& actor, int stat) const { return (*actor.stats)[stat]; }
  // A strike over the player's body.
  void Aim(StrikeQuad& strike) {
    strike.SetDimensions(2.0f, 3.0f, 0.0f);
    strike.SetPosition(player.body->position);
  }

  World world;
  Player& player;
};

TEST_F(PlayerRules, AHitTakesDamageAfterDefenceAndStaminaAfterEnduranceAndCountsBothSides) {
  struct Row {
    float damage, defence, staminaDamage, endurance;
    float netDamage, netStamina;
    const char* text;
  };
  const Row rows[] = {
      {3.0f, 5.0f, 0.0f, 0.0f, 0.0f, 0.0f, "0"},      // defence above the damage: nothing
      {3.0f, -2.0f, 4.0f, -1.0f, 3.0f, 4.0f, "3"},    // never more than the damage itself
      {10.0f, 1.0f, 20.0f, 1.0f, 9.0f, 19.0f, "9"},   // the new-game defence and endurance
      {12.9f, 10.0f, 5.0f, 10.0f, 2.9f, 0.0f, "2"},   // the number shows the whole part
  };
  Player& attacker = *world.AddPlayer();
  for (const Row& row : rows) {
    StrikeQuad strike;
    Aim(strike);
    strike.owner = &attacker;
    strike.damage = row.damage;
    strike.staminaDamage = row.staminaDamage;
    strike.freezeTime = 0.15f;
    player.healthMeter->value = 100.0f;
    player.staminaRing->SetValue(120.0f);
    player.derived[Derived::Defense] = row.defence;
    player.derived[Derived::Endurance] = row.endurance;
    const float received = Gained(player, Stat::StatDamageReceived);
    const float defended = Gained(player, Stat::StatDamageDefended);
    const float staminaReceived = Gained(player, Stat::StatStaminaDamageReceived);
    const float staminaDefended = Gained(player, Stat::StatStaminaDamageDefended);
    const float dealt = Gained(attacker, Stat::StatDamageDealt);
    const float staminaDealt = Gained(attacker, Stat::StatStaminaDamageDealt);

    ASSERT_TRUE(Idle().ApplyIncomingHit(strike)) << row.damage;
    EXPECT_FLOAT_EQ(player.healthMeter->value, 100.0f - row.netDamage) << row.damage;
    EXPECT_FLOAT_EQ(player.staminaRing->value, 120.0f - row.netStamina) << row.damage;
    EXPECT_FLOAT_EQ(Gained(player, Stat::StatDamageReceived) - received, row.netDamage);
    EXPECT_FLOAT_EQ(Gained(player, Stat::StatDamageDefended) - defended,
                    row.damage - row.netDamage);
    EXPECT_FLOAT_EQ(Gained(player, Stat::StatStaminaDamageReceived) - staminaReceived,
                    row.netStamina);
    EXPECT_FLOAT_EQ(Gained(player, Stat::StatStaminaDamageDefended) - staminaDefended,
                    row.staminaDamage - row.netStamina);
    EXPECT_FLOAT_EQ(Gained(attacker, Stat::StatDamageDealt) - dealt, row.netDamage);
    EXPECT_FLOAT_EQ(Gained(attacker, Stat::StatStaminaDamageDealt) - staminaDealt, row.netStamina);
    // Both sides stop for the strike's hit-stop; the number rises from the body, in black.
    EXPECT_EQ(Idle().holdTimer, 0.15f);
    EXPECT_EQ(attacker.CurrentState()->holdTimer, 0.15f);
    const FloatingText& number = *world.floatingTexts->texts.back();
    EXPECT_EQ(number.text, row.text);
    EXPECT_EQ((Vector3{number.x, number.y, number.z}), player.body->position);
    EXPECT_EQ(number.color, ColorBlack);
  }
}

TEST_F(PlayerRules, AStrikeHitsOnceUntilForgottenAndPlayersNeverHitThemselves) {
  StrikeQuad enemyStrike, ownStrike, otherStrike;
  for (StrikeQuad* strike : {&enemyStrike, &ownStrike, &otherStrike}) {
    Aim(*strike);
    strike->damage = 10.0f;
  }
  Player& other = *world.AddPlayer();
  ownStrike.owner = &player;
  otherStrike.owner = &other;
  world.enemyStrikes = {&enemyStrike};
  player.healthMeter->value = 100.0f;
  // Each hit counts damage, which raises the defence; the test keeps it at 0.
  auto check = [this] {
    player.derived[Derived::Defense] = 0.0f;
    return Idle().CheckIncomingHits();
  };

  EXPECT_TRUE(check());
  EXPECT_EQ(player.healthMeter->value, 90.0f);
  // Still overlapping: the test answers yes, but nothing more is taken or shown.
  const size_t shown = world.floatingTexts->texts.size();
  EXPECT_TRUE(check());
  EXPECT_EQ(player.healthMeter->value, 90.0f);
  EXPECT_EQ(world.floatingTexts->texts.size(), shown);
  world.ForgetStrike(&enemyStrike);
  EXPECT_TRUE(check());
  EXPECT_EQ(player.healthMeter->value, 80.0f);

  world.enemyStrikes.clear();
  world.playerStrikes = {&ownStrike};
  EXPECT_FALSE(check()) << "its own strike";
  world.playerStrikes = {&otherStrike};
  world.playersHitPlayers = 0;
  EXPECT_FALSE(check()) << "players do not hit players";
  world.playersHitPlayers = 1;
  EXPECT_TRUE(check());
  EXPECT_EQ(player.healthMeter->value, 70.0f);
  world.playerStrikes.clear();
}

TEST_F(PlayerRules, TheGuardBreakFollowsTheStaminaLeftAndTheVerticalMotion) {
  // Thresholds of these factors: B2 x B1 = 0.25 and B1 x M = 50.
  struct Row {
    float stamina, vy;
    PlayerStateSlot expected;
  };
  const Row rows[] = {
      {0.0f, 0.0f, SlotGuardBreak3Down},   {0.0f, 0.1f, SlotGuardBreak3Up},
      {-5.0f, -1.0f, SlotGuardBreak3Down}, {0.25f, 0.0f, SlotGuardBreak2Down},
      {0.25f, 1.0f, SlotGuardBreak2Up},    {0.26f, 0.0f, SlotGuardBreak1Down},
      {50.0f, 2.0f, SlotGuardBreak1Up},    {50.01f, 0.0f, SlotIdling},
  };
  for (const Row& row : rows) {
    player.SwitchState(SlotIdling);
    player.derived[Derived::BreakPoint1Factor] = 0.5f;
    player.derived[Derived::BreakPoint2Factor] = 0.5f;
    player.derived[Derived::MaxStamina] = 100.0f;
    player.staminaRing->SetValue(row.stamina);
    player.body->velocity.y = row.vy;
    EXPECT_EQ(Idle().ChooseGuardBreakState(), player.StateAt(row.expected))
        << row.stamina << " " << row.vy;
  }
}

TEST_F(PlayerRules, DeathComesWhenHealthIsGoneByTheWorldsMode) {
  player.healthMeter->value = 0.0f;
  world.deathMode = World::DeathModeRespawn;
  EXPECT_EQ(Idle().CheckDeath(), player.StateAt(SlotRespawning));
  player.SwitchState(SlotIdling);
  world.deathMode = World::DeathModeScreen;
  EXPECT_EQ(Idle().CheckDeath(), player.StateAt(SlotDying));
  player.SwitchState(SlotIdling);
  world.deathMode = 7;
  EXPECT_EQ(Idle().CheckDeath(), &Idle()) << "another mode leaves the player where it is";
  player.healthMeter->value = 0.5f;
  world.deathMode = World::DeathModeScreen;
  EXPECT_EQ(Idle().CheckDeath(), &Idle());
}

TEST_F(PlayerRules, MetersRecoverWithinTheirMaximaAndTheHealthRegainedIsCounted) {
  struct Row {
    float maxHealth, health, expectedHealth, ring, expectedRing;
  };
  // Health recovery 5 and stamina recovery 20 a second, over half a second; stamina maximum 120.
  const Row rows[] = {
      {100.0f, 100.0f, 100.0f, 120.0f, 120.0f},  // full: nothing to add, nothing counted
      {100.0f, 50.0f, 52.5f, 100.0f, 110.0f},
      {100.0f, 99.0f, 100.0f, 115.0f, 120.0f},   // up to the maximum only
      {40.0f, 60.0f, 40.0f, 0.0f, 10.0f},        // a lowered maximum clamps before recovery
      {100.0f, -10.0f, 2.5f, -30.0f, 10.0f},     // below 0 counts from 0
  };
  for (const Row& row : rows) {
    player.derived[Derived::MaxHealth] = row.maxHealth;
    player.derived[Derived::HealthRecovery] = 5.0f;
    player.derived[Derived::MaxStamina] = 120.0f;
    player.derived[Derived::StaminaRecovery] = 20.0f;
    player.healthMeter->value = row.health;
    player.staminaRing->SetValue(row.ring);
    player.staminaMeter->value = 50.0f;
    const float counted = Gained(player, Stat::StatHealthRecovered);
    player.UpdateMeters(0.5f);
    EXPECT_FLOAT_EQ(player.healthMeter->value, row.expectedHealth) << row.health;
    EXPECT_FLOAT_EQ(player.healthMeter->maximum, row.maxHealth);
    EXPECT_FLOAT_EQ(Gained(player, Stat::StatHealthRecovered) - counted,
                    row.expectedHealth - std::max(0.0f, std::min(row.health, row.maxHealth)));
    EXPECT_FLOAT_EQ(player.staminaRing->value, row.expectedRing) << row.ring;
    EXPECT_FLOAT_EQ(player.staminaMeter->value, 60.0f);
  }
}

TEST_F(PlayerRules, TheLevelBarShowsTheExperienceOfTheLevelAgainstWhatTheNextNeeds) {
  struct Row {
    float init, rate, points;
    float level, barMaximum, barValue;
  };
  const Row rows[] = {
      {100.0f, 2.0f, 625.0f, 2.5f, 500.0f, 225.0f},     // need(3) - need(2) = 900 - 400
      {100.0f, 2.0f, 50.0f, 0.70710677f, 100.0f, 50.0f},  // level 0: need(1) = the init
      {200.0f, 1.4f, 0.0f, 0.0f, 200.0f, 0.0f},
      {200.0f, 1.4f, 200.0f, 1.0f, 327.8032f, 0.0f},     // 200 x 2^1.4 - 200
  };
  for (const Row& row : rows) {
    player.SetGainedStat81(row.init);
    player.SetGainedStat82(row.rate);
    player.SetGainedStat131(row.points);
    player.UpdateExperienceMeter();
    EXPECT_NEAR(player.levels[Level::Experience], row.level, 1e-5f) << row.points;
    EXPECT_NEAR(player.experienceBar->maximum, row.barMaximum, 1e-3f) << row.points;
    EXPECT_NEAR(player.experienceBar->value, row.barValue, 1e-3f) << row.points;
  }
  // Experience gained goes into the points by the gain factor.
  player.SetGainedStat131(50.0f);
  player.AddGainedStat49(25.0f);
  player.UpdateExperienceMeter();
  EXPECT_NEAR(player.experienceBar->value, 75.0f, 1e-4f);
}

TEST_F(PlayerRules, GroundedStatesRefillTheAirMovesAirborneOnesOnlyLowerThem) {
  struct Row {
    float maxJumps, jumps, maxDashes, dashes;
    float lowerJumps, lowerDashes;
  };
  const Row rows[] = {
      {2.0f, 1.0f, 2.0f, 2.0f, 1.0f, 2.0f},
      {2.0f, 3.0f, 2.0f, 5.0f, 2.0f, 2.0f},
      {1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f},
  };
  for (const Row& row : rows) {
    player.SetGainedStat244(row.maxJumps);
    player.SetGainedStat246(row.jumps);
    player.SetGainedStat243(row.maxDashes);
    player.SetGainedStat245(row.dashes);
    Idle().ApplyStatLimits();
    EXPECT_EQ(player.totalStats[Stat::AirJumpCount], row.lowerJumps);
    EXPECT_EQ(player.totalStats[Stat::AirDashCount], row.lowerDashes);
    Idle().SetMovementLimits();
    EXPECT_EQ(player.totalStats[Stat::AirJumpCount], row.maxJumps);
    EXPECT_EQ(player.totalStats[Stat::AirDashCount], row.maxDashes);
    // The falling entry lowers; it never refills.
    player.SetGainedStat246(0.0f);
    player.StateAt(SlotFalling)->SetMovementLimits();
    EXPECT_EQ(player.totalStats[Stat::AirJumpCount], 0.0f);
  }
}

// A block overlaps the body by 0.1 on one side; the push out of it stops only the motion into it.
TEST_F(PlayerRules, APushOutStopsTheMotionIntoTheBlockAndStandsOnlyAFallOnGround) {
  struct Row {
    const char* name;
    Vector3 velocity;
    Vector3 blockOffset;  // from the body's centre
    Vector3 blockSize;
    Vector3 expected;
    bool ground, wall;
  };
  const float h = player.body->height / 2 + 0.5f - 0.1f;
  const float w = player.body->width / 2 + 0.5f - 0.1f;
  const Row rows[] = {
      {"a rise into a ceiling", {0, 5, 0}, {0, h, 0}, {10, 1, 0}, {0, 0, 0}, false, false},
      {"a fall under a ceiling", {0, -3, 0}, {0, h, 0}, {10, 1, 0}, {0, -3, 0}, false, false},
      {"a fall onto a floor", {0, -3, 0}, {0, -h, 0}, {10, 1, 0}, {0, 0, 0}, true, false},
      {"a rise out of a floor", {0, 3, 0}, {0, -h, 0}, {10, 1, 0}, {0, 3, 0}, false, false},
      {"a run into a wall", {4, 2, 0}, {w, 0, 0}, {1, 10, 0}, {0, 2, 0}, false, true},
  };
  float x = 0.0f;
  for (const Row& row : rows) {
    x += 20.0f;
    const Vector3 centre{x, 5.0f, 0.0f};
    AddBoundaryQuad(world, centre.x + row.blockOffset.x, centre.y + row.blockOffset.y,
                    row.blockSize.x, row.blockSize.y);
    player.body->SetPosition(centre);
    player.body->previousPosition = centre - row.velocity * 0.02f;
    player.body->velocity = row.velocity;
    player.groundContact = nullptr;
    player.StepPhysics(0.0f);
    EXPECT_EQ(player.body->velocity, row.expected) << row.name;
    EXPECT_EQ(player.groundContact != nullptr, row.ground) << row.name;
    EXPECT_EQ(player.wallContact != nullptr, row.wall) << row.name;
  }
}

// The feet hang 0.3 over a floor, within the probe's reach: only a body that stood on ground
// last step and is not rising is put back on it.
TEST_F(PlayerRules, ABodyThatLeftTheGroundWithoutRisingIsProbedBackOntoIt) {
  struct Row {
    bool stood;
    float vy;
    bool probed;
  };
  const Row rows[] = {{true, 0.0f, true}, {true, -2.0f, true}, {true, 0.1f, false},
                      {false, 0.0f, false}};
  BoundingQuad& floor = AddBoundaryQuad(world, 0.0f, -1.0f, 400.0f, 2.0f);
  const float hanging = player.body->height / 2 + 0.3f;
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "stood " << row.stood << " vy " << row.vy);
    player.body->SetPositionXYZ(1.0f, hanging, 0.0f);
    player.body->previousPosition = player.body->position;
    player.body->velocity = {0.0f, row.vy, 0.0f};
    player.groundContact = row.stood ? &floor : nullptr;
    player.StepPhysics(0.0f);
    EXPECT_EQ(player.groundContact == &floor, row.probed);
    EXPECT_NEAR(player.body->position.y, row.probed ? hanging - 0.3f : hanging, 1e-5f);
  }
}

// Only the ground attacks refill the air moves: an air attack gives back none already spent.
TEST_F(PlayerRules, OnlyAGroundAttackGivesBackTheAirMoves) {
  const std::pair<PlayerStateSlot, bool> rows[] = {
      {SlotGroundAttacking1, true},     {SlotUpAttacking, true},
      {SlotDownAttacking, true},        {SlotGroundDashAttacking, true},
      {SlotNeutralAirAttacking, false}, {SlotForwardAirAttacking, false},
      {SlotUpAirAttacking, false},      {SlotDownAirAttacking, false},
  };
  for (const auto& [slot, refills] : rows) {
    player.SetGainedStat245(0.0f);
    player.SetGainedStat246(0.0f);
    player.SwitchState(slot);
    EXPECT_EQ(player.totalStats[Stat::AirDashCount], refills ? 2.0f : 0.0f) << slot;
    EXPECT_EQ(player.totalStats[Stat::AirJumpCount], refills ? 1.0f : 0.0f) << slot;
    player.CurrentState()->SetMovementLimits();
    EXPECT_EQ(player.totalStats[Stat::AirDashCount], refills ? 2.0f : 0.0f) << slot;
    player.SwitchState(SlotIdling);
  }
}

TEST_F(PlayerRules, EachPlayerIndexPutsTheInterfaceInItsCorner) {
  // A world without screens lends no interface atlas: the panel takes its cell by hand.
  const platform::PixelRect& cell = HudPanelCell;
  player.hudFirstSprite->SetRect(cell.left, cell.top, cell.right, cell.bottom);
  const std::pair<int, Vector3> rows[] = {
      {0, {155.0f, 45.0f, 0.0f}},  {1, {645.0f, 45.0f, 0.0f}},   {2, {155.0f, 555.0f, 0.0f}},
      {3, {645.0f, 555.0f, 0.0f}}, {4, {0.0f, 0.0f, 0.0f}},
  };
  for (const auto& [index, anchor] : rows) {
    player.playerIndex = index;
    EXPECT_EQ(player.ComputeHudAnchor(), anchor) << index;
  }
  // A panel centred at (155, 45) puts the ring at (45, 45) and the bars at its bottom right.
  player.PlaceHud({155.0f, 45.0f, 0.0f});
  EXPECT_EQ(player.staminaRing->arc->altPosition, (Vector3{45.0f, 45.0f, 0.0f}));
  EXPECT_EQ(player.hudSecondSprite->altPosition, (Vector3{44.0f, 41.0f, 0.0f}));
  EXPECT_EQ(player.healthMeter->background->altPosition, (Vector3{190.5f, 58.0f, 0.0f}));
  EXPECT_EQ(player.experienceBar->background->altPosition, (Vector3{190.5f, 44.0f, 0.0f}));
}

TEST_F(PlayerRules, ANewPlayerStandsIdleWithFullHealthAndTheNewGameStatistics) {
  EXPECT_EQ(player.body->position, (Vector3{1.0f, 0.0f, 0.0f}));
  EXPECT_EQ(player.CurrentState(), &Idle());
  EXPECT_EQ(player.facing, 1);
  EXPECT_EQ(player.healthMeter->value, player.healthMeter->maximum);
  EXPECT_EQ(player.healthMeter->maximum, 100.0f);
  EXPECT_EQ(player.staminaRing->maximum, 120.0f);
  EXPECT_EQ(player.totalStats[Stat::WalkAccel], 100.0f);
  EXPECT_EQ(player.totalStats[Stat::AirJumpCount], 1.0f);
  EXPECT_EQ(player.GetMapName(), "Content\\Maps\\DefaultMap.gmf");
  EXPECT_EQ(player.bodySprite->layer, Player::PlayerLayer);
  EXPECT_NE(world.FindSpriteAt(Player::PlayerLayer, player.bodySprite.get()),
            world.spriteLayers.end());
  EXPECT_EQ(player.StateAt(SlotDucking)->GetName(), L"Ducking");
  EXPECT_EQ(player.StateAt(SlotGroundAttacking1)->hitBoxOffset, (Vector3{0.5f, 0.0f, 0.0f}));
  EXPECT_EQ(Idle().GetName(), L"Idle");
}

}  // namespace
