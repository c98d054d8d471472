#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/MenuDebug.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoWall.h"
#include "enemies/EnemyResources.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/Ratatoskr.h"
#include "engine/BarMeter.h"
#include "engine/GameStateSet.h"
#include "engine/draw/Sprite.h"
#include "npcs/NPC.h"
#include "npcs/NPCCast.h"
#include "npcs/NPCResources.h"
#include "support/PlayingWorld.h"

namespace {

// A pixel this close to the row's colour far from every enemy is background.
constexpr int BackgroundTolerance = 24;

struct Placed {
  std::string name;
  Actor* actor;
};

// Characters in the running game, standing on the drawn floor beside the player.
class SheetsGame : public PlayingWorld {
 protected:
  void Show(const std::string& name, Actor& actor) { placed.push_back({name, &actor}); }

  static bool Near(uint32_t a, uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
      const int difference =
          static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
      if (std::abs(difference) > BackgroundTolerance) return false;
    }
    return true;
  }

  // The screen row below the lowest pixel of the enemy's picture: the lowest row in its
  // sprite's rectangle that differs from the same row at the left edge of the screen, where
  // only the background and the floor are drawn.
  int BelowPicture(const Actor& actor) const {
    const auto& sprite = dynamic_cast<const Sprite&>(*actor.sprite);
    const platform::Vector3 topLeft = sprite.GetScreenTopLeftUnrotated();
    const platform::Vector3 bottomRight = sprite.GetScreenBottomRightUnrotated();
    const int left = std::max(static_cast<int>(topLeft.x), 0);
    const int right = std::min(static_cast<int>(bottomRight.x), ScreenWidth);
    int below = static_cast<int>(topLeft.y);
    for (int y = static_cast<int>(topLeft.y); y < static_cast<int>(bottomRight.y) + 4; ++y) {
      const uint32_t background = game.Pixel(2, y);
      for (int x = left; x < right; ++x) {
        if (!Near(game.Pixel(x, y), background)) below = y + 1;
      }
    }
    return below;
  }

  // The first screen row of the floor at the left edge.
  int FloorRow() const {
    const uint32_t sky = game.Pixel(2, 0);
    for (int y = 0; y < ScreenHeight; ++y) {
      if (!Near(game.Pixel(2, y), sky)) return y;
    }
    return ScreenHeight;
  }

  // Each picture ends within a pixel or two of the floor.
  void ExpectOnTheFloor(const std::string& when) {
    ASSERT_TRUE(game.KeepFrame(when + ".png"));
    const int floor = FloorRow();
    ASSERT_LT(floor, ScreenHeight);
    for (const Placed& p : placed) {
      EXPECT_NEAR(BelowPicture(*p.actor), floor, 2) << p.name << " " << when;
    }
  }

  std::vector<Placed> placed;
};

// Every enemy kind.
class EnemySheetsGame : public SheetsGame {
 protected:
  void SetUp() override {
    ShowFloor();
    PlayingWorld::SetUp();
    Add("Goblin", Goblin::Kind, -6.8f, Goblin::BodyHeight);
    Add("DemoGoblin", DemoGoblin::Kind, -4.4f, DemoGoblin::StandingSize.y);
    Add("Ratatoskr", Ratatoskr::Kind, -1.9f, Ratatoskr::BodyHeight);
    Add("passive Nidhogglet", NidhoggletPassive::Kind, 3.0f, NidhoggletPassive::BodyHeight);
    Add("aggressive Nidhogglet", NidhoggletAggressive::Kind, 4.8f,
        NidhoggletAggressive::BodyHeight);
    Add("DemoWall", DemoWall::Kind, 8.2f, DemoWall::BodyHeight);
    GameStates->menuDebug->CollectLayers();
    game.StepFrames(10);
  }

  void Add(const std::string& name, int kind, float x, float height) {
    Show(name, world->PlaceEnemy(world->enemyResources->GetPrototype(kind)->CreateAt(
                   world, x, FloorTop + height / 2, 0.0f, 0)));
  }

  Enemy& PlacedEnemy(size_t index) const { return dynamic_cast<Enemy&>(*placed[index].actor); }
};

// All nineteen villagers in a row, each dropped a little above the floor.
class VillagerSheetsGame : public SheetsGame {
 protected:
  static constexpr float Spacing = 0.85f;
  static constexpr float Drop = 0.3f;

  void SetUp() override {
    ShowFloor();
    PlayingWorld::SetUp();
    for (size_t kind = 0; kind < Cast().size(); ++kind) {
      // Centred on the player, who stands at x = 1.
      const float x = 1.0f + (static_cast<float>(kind) - 9.0f) * Spacing;
      Show(Cast()[kind].name, world->PlaceCharacter(world->npcResources->Place(
                                  static_cast<long long>(kind),
                                  {x, FloorTop + Cast()[kind].height / 2 + Drop, 0.0f})));
    }
    GameStates->menuDebug->CollectLayers();
    game.StepFrames(30);
  }
};

TEST_F(EnemySheetsGame, EveryEnemyStandsOnTheFloorAliveAndLiesOnItDead) {
  ExpectOnTheFloor("enemies-standing");

  dynamic_cast<Goblin&>(PlacedEnemy(0)).SwitchState(GoblinBlocking);
  dynamic_cast<NidhoggletPassive&>(PlacedEnemy(3)).SwitchState(NidhoggletPassive::Defending);
  game.StepFrames(2);
  ExpectOnTheFloor("enemies-guarding");

  for (const Placed& p : placed) p.actor->healthMeter->value = 0.0f;
  game.StepFrames(10);
  ExpectOnTheFloor("enemies-dead");
}

TEST_F(VillagerSheetsGame, EveryVillagerStandsOnTheFloor) { ExpectOnTheFloor("villagers"); }

}  // namespace
