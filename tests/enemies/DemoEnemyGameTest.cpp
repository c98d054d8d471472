#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAttackStates.h"
#include "enemies/DemoEnemyStates.h"
#include "enemies/EnemyResources.h"
#include "engine/BarMeter.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Sprite.h"
#include "tests/player/GroundGame.h"

namespace {

using platform::Vector3;

// A DemoEnemy made from its map line and put into play as the map reader does.
DemoEnemy* PlaceDemoEnemy(World& world, const std::string& line) {
  std::istringstream in(line);
  std::unique_ptr<Enemy> made = world.enemyResources->GetPrototype(DemoEnemy::Kind)
                                    ->ReadRecord(in, &world, Enemy::PoolFromCatalogue(&world, 0));
  if (!made) return nullptr;
  auto* enemy = static_cast<DemoEnemy*>(&world.PlaceEnemy(std::move(made)));
  // As a map load ends: the debug menu shows every layer the world now has.
  GameStates->menuDebug->CollectLayers();
  return enemy;
}

// The height of a standing DemoEnemy's centre above the floor.
constexpr float EnemyStanding = DemoEnemy::BodySize.y / 2;

// A versus arena in the running game: the floor between two walls, the player at its middle and
// a DemoEnemy come from its map line at the far side, facing the player.
class DemoEnemyGame : public GroundGame {
 protected:
  void SetUp() override {
    GroundGame::SetUp();
    for (float x : {-14.0f, 16.0f}) AddBlock(x, FloorTop - 2.0f, 2.0f, 16.0f);
    enemy = PlaceDemoEnemy(*world, "1 0 11 " + std::to_string(FloorTop + EnemyStanding) + " l\n");
    ASSERT_NE(enemy, nullptr);
  }

  bool EnemyIn(int index) const { return enemy->state == enemy->GetState(index); }
  float Dx() const { return player->body->position.x - enemy->body->position.x; }
  float Count(int stat) const { return enemy->totalStats[stat]; }

  // The player, at rest, at that offset from the enemy's centre: ahead along its facing and up.
  void Hold(float ahead, float above) {
    const Vector3 at = enemy->body->position;
    player->body->SetPositionXYZ(at.x + ahead * static_cast<float>(enemy->facing), at.y + above,
                                 0.0f);
    player->body->previousPosition = player->body->position;
    player->body->velocity = {};
    player->healthMeter->value = player->healthMeter->maximum;
  }

  // Holds the player at the first offset until the enemy starts the attack, then at the second
  // through the swing, keeping its first picture with the strike live. The times the swing hit
  // the player; -1 when the attack never started.
  int Provoke(int attack, Vector3 trigger, Vector3 strikeAt, const std::string& frame) {
    for (int step = 0; step < 240 && !EnemyIn(attack); ++step) {
      Hold(trigger.x, trigger.y);
      game.Step();
    }
    if (!EnemyIn(attack)) return -1;
    const auto& swing = static_cast<const DemoEnemyAttackState&>(*enemy->state);
    int hits = 0;
    bool kept = false;
    while (EnemyIn(attack)) {
      Hold(strikeAt.x, strikeAt.y);
      const float health = player->healthMeter->value;
      game.Step();
      hits += player->healthMeter->value < health ? 1 : 0;
      const auto& live = world->enemyStrikes;
      if (!kept && std::find(live.begin(), live.end(), swing.LiveStrike()) != live.end()) {
        kept = game.KeepFrame("demoenemy-" + frame + ".png");
      }
    }
    EXPECT_TRUE(kept) << frame;
    return hits;
  }

  // The player high above it: it jumps at once.
  void Launch() {
    for (int step = 0; step < 120 && !EnemyIn(DemoEnemyJumping); ++step) {
      Hold(0.5f, 6.0f);
      game.Step();
    }
    ASSERT_TRUE(EnemyIn(DemoEnemyJumping));
  }

  // The player idle on the floor at that distance in front of the enemy, facing it.
  void FaceOnTheFloor(float ahead) {
    player->SwitchState(SlotIdling);
    Hold(ahead, 0.0f);
    player->body->SetPositionXYZ(player->body->position.x, FloorTop + player->body->height / 2,
                                 0.0f);
    player->body->previousPosition = player->body->position;
    player->facing = enemy->facing == 1 ? -1 : 1;
  }

  // Steps until the enemy is in the state; false after five seconds.
  bool EnemyReaches(int index) {
    for (int step = 0; step < 300 && !EnemyIn(index); ++step) game.Step();
    return EnemyIn(index);
  }

  DemoEnemy* enemy = nullptr;  // the world's
};

TEST_F(DemoEnemyGame, ItApproachesStrikesWithEachAttackStringsAirAttacksAndIsBrokenAndDowned) {
  // It creeps along the ground to the player and thrusts from just within four units.
  game.Step();
  ASSERT_TRUE(EnemyReaches(DemoEnemyDashing));
  for (int step = 0; step < 600 && std::fabs(Dx()) > 5.0f; ++step) game.Step();
  EXPECT_TRUE(EnemyIn(DemoEnemyDashing));
  ASSERT_TRUE(game.KeepFrame("demoenemy-approach.png"));
  ASSERT_TRUE(EnemyReaches(DemoEnemyForwardAttacking));
  EXPECT_LT(std::fabs(Dx()), 4.0f);
  EXPECT_GT(std::fabs(Dx()), 3.9f);
  EXPECT_EQ(enemy->facing, -1);

  // Each swing strikes a player in its way once; a hit that launches or meets a player in the air
  // strings the next attack on, spending the air counts.
  struct Step {
    const char* name;
    int attack;
    Vector3 trigger, strikeAt;
  };
  const Step steps[] = {
      {"forward", DemoEnemyForwardAttacking, {3.8f, 0.1f, 0}, {3.8f, 0.1f, 0}},
      {"down", DemoEnemyDownAttacking, {2.5f, 0.1f, 0}, {2.5f, 0.1f, 0}},
      {"up", DemoEnemyUpAttacking, {1.0f, 0.1f, 0}, {0.3f, 2.0f, 0}},
      // Launched by a player high above, it meets one within four with the spin.
      {"neutral-air", DemoEnemyNeutralAirAttacking, {2.0f, 1.0f, 0}, {2.0f, 1.0f, 0}},
      // The spin hit a player beside and above within the overhead span: up it goes.
      {"up-air", DemoEnemyUpAirAttacking, {2.0f, 1.0f, 0}, {0.3f, 2.5f, 0}},
      // That hit leads into an air jump; a player level and beyond four meets the forward thrust.
      {"forward-air", DemoEnemyForwardAirAttacking, {4.5f, 0.5f, 0}, {2.5f, 0.3f, 0}},
      // Which dashes on after it; then a player below gets the downward stab.
      {"down-air", DemoEnemyDownAirAttacking, {1.0f, -4.5f, 0}, {0.3f, -2.5f, 0}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.attack == DemoEnemyNeutralAirAttacking) {
      ASSERT_NO_FATAL_FAILURE(Launch());
    }
    const int hits = Provoke(step.attack, step.trigger, step.strikeAt, step.name);
    EXPECT_EQ(hits, 1);
    if (step.attack == DemoEnemyNeutralAirAttacking) {
      EXPECT_TRUE(EnemyIn(DemoEnemyUpAirAttacking))
          << "the spin's hit strings the rising strike on";
    }
    if (step.attack == DemoEnemyUpAirAttacking) {
      EXPECT_TRUE(EnemyIn(DemoEnemyJumping))
          << "the rising strike's hit is followed by an air jump";
      EXPECT_EQ(Count(Stat::AirJumpCount), 0.0f);
    }
    if (step.attack == DemoEnemyForwardAirAttacking) {
      EXPECT_TRUE(EnemyIn(DemoEnemyAirDashing)) << "the thrust's hit is followed by an air dash";
      EXPECT_EQ(Count(Stat::AirDashCount), 1.0f);
      ASSERT_TRUE(game.KeepFrame("demoenemy-air-dash.png"));
    }
  }
  // Landing gives the air moves back.
  game.Step();
  player->SwitchState(SlotIdling);
  player->body->SetPositionXYZ(1.0f, FloorTop + player->body->height / 2, 0.0f);
  ASSERT_TRUE(EnemyReaches(DemoEnemyIdling));
  EXPECT_EQ(Count(Stat::AirJumpCount), 1.0f);
  EXPECT_EQ(Count(Stat::AirDashCount), 2.0f);

  // Guarding (no move of its own leads there), it takes the player's cuts until its stamina is
  // spent and its guard breaks; it recovers once the stamina is back.
  // Its cuts push the enemy back, so the guard is taken up in the middle of the arena.
  enemy->body->SetPositionXYZ(-4.0f, FloorTop + EnemyStanding, 0.0f);
  enemy->body->previousPosition = enemy->body->position;
  enemy->SwitchState(DemoEnemyGuarding);
  FaceOnTheFloor(1.6f);
  game.Step();
  ASSERT_TRUE(game.KeepFrame("demoenemy-guarding.png"));
  const float health = enemy->healthMeter->value;
  for (int cut = 0; cut < 10 && EnemyIn(DemoEnemyGuarding); ++cut) {
    FaceOnTheFloor(1.6f);
    game.TapKey(VirtualKey::DownArrow);
    for (int frame = 0; frame < 30 && EnemyIn(DemoEnemyGuarding); ++frame) game.Step();
  }
  ASSERT_TRUE(EnemyIn(DemoEnemyGuardBreakDown) || EnemyIn(DemoEnemyGuardBreakUp));
  EXPECT_LT(enemy->healthMeter->value, health);
  ASSERT_TRUE(game.KeepFrame("demoenemy-guard-broken.png"));
  ASSERT_TRUE(EnemyReaches(DemoEnemyIdling));
  EXPECT_GE(enemy->staminaMeter->value, enemy->derived[Derived::ResistanceFactor]);

  // Nearly beaten, a last cut empties its health: it breaks and, after half a second on the
  // ground, lies downed, where no strike reaches it.
  enemy->healthMeter->value = 1.0f;
  for (int cut = 0; cut < 10 && enemy->healthMeter->value > 0.0f; ++cut) {
    FaceOnTheFloor(1.6f);
    enemy->healthMeter->value = std::min(enemy->healthMeter->value, 1.0f);
    game.TapKey(VirtualKey::J);
    for (int frame = 0; frame < 20 && enemy->healthMeter->value > 0.0f; ++frame) game.Step();
  }
  ASSERT_TRUE(EnemyReaches(DemoEnemyDowned));
  EXPECT_EQ(enemy->hitBox->width, 0.0f);
  EXPECT_EQ(enemy->healthMeter->value, 0.0f) << "a spent health does not refill";
  for (int frame = 0; frame < 20; ++frame) game.Step();
  ASSERT_TRUE(game.KeepFrame("demoenemy-downed.png"));
  const size_t struck = enemy->hitBox->hitList.size();
  game.TapKey(VirtualKey::J);
  for (int frame = 0; frame < 100; ++frame) game.Step();
  EXPECT_TRUE(EnemyIn(DemoEnemyDowned));
  EXPECT_EQ(enemy->hitBox->hitList.size(), struck);
}

// In the versus arena the game ships, it comes at the player from across the floor and cuts it.
TEST(DemoEnemyInTheVersusArena, ItComesAtThePlayerAndStrikesIt) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  World& world = *GameStates->world;
  world.ClearLevel();
  world.LoadMap("Content\\Maps\\DemoVersusMap.gmf");
  Player& player = *world.GetFirstPlayer();
  player.body->SetPositionXYZ(-3.0f, 1.3f, 0.0f);
  GameStates->SwitchTo(&world);
  DemoEnemy* enemy = PlaceDemoEnemy(world, "1 0 12 1.1 l\n");
  ASSERT_NE(enemy, nullptr);
  const float health = player.healthMeter->value;
  for (int frame = 0; frame < 900 && player.healthMeter->value >= health; ++frame) game.Step();
  EXPECT_LT(player.healthMeter->value, health);
  EXPECT_LT(enemy->body->position.x, 3.0f) << "it crossed the floor";
  ASSERT_TRUE(game.KeepFrame("demoenemy-versus-arena.png"));
}

}  // namespace
