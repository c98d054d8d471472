#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "actors/EnemyResources.h"
#include "editor/MenuDebug.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoWall.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/Ratatoskr.h"
#include "engine/BarMeter.h"
#include "engine/GameStateSet.h"
#include "engine/draw/Sprite.h"
#include "support/PlayingWorld.h"

namespace {

// A pixel this close to the row's colour far from every enemy is background.
constexpr int BackgroundTolerance = 24;

struct Placed {
  std::string name;
  Enemy* enemy;
};

// Every enemy kind in the running game, standing on the drawn floor beside the player.
class EnemySheetsGame : public PlayingWorld {
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
    std::unique_ptr<Enemy> made = world->enemyResources->GetPrototype(kind)->CreateAt(
        world, x, FloorTop + height / 2, 0.0f, 0);
    Enemy* enemy = made.get();
    world->enemies.push_back(std::move(made));
    world->AddActor(enemy);
    world->spriteLayers.InsertBorrowed(enemy->drawLayer, dynamic_cast<Sprite*>(enemy->sprite));
    placed.push_back({name, enemy});
  }

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
  int BelowPicture(const Enemy& enemy) const {
    const auto& sprite = dynamic_cast<const Sprite&>(*enemy.sprite);
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

  // Each enemy's picture ends within a pixel or two of the floor. The DemoGoblin is left out:
  // its body is taller than the goblin's, whose cells it shows.
  void ExpectOnTheFloor(const std::string& when) {
    ASSERT_TRUE(game.KeepFrame("enemies-" + when + ".png"));
    const int floor = FloorRow();
    ASSERT_LT(floor, ScreenHeight);
    for (const Placed& p : placed) {
      if (p.enemy->enemyKind == DemoGoblin::Kind) continue;
      EXPECT_NEAR(BelowPicture(*p.enemy), floor, 2) << p.name << " " << when;
    }
  }

  std::vector<Placed> placed;
};

TEST_F(EnemySheetsGame, EveryEnemyStandsOnTheFloorAliveAndLiesOnItDead) {
  ExpectOnTheFloor("standing");

  static_cast<Goblin*>(placed[0].enemy)->SwitchState(GoblinBlocking);
  static_cast<NidhoggletPassive*>(placed[3].enemy)->SwitchState(NidhoggletPassive::Defending);
  game.StepFrames(2);
  ExpectOnTheFloor("guarding");

  for (const Placed& p : placed) p.enemy->healthMeter->value = 0.0f;
  game.StepFrames(10);
  ExpectOnTheFloor("dead");
}

}  // namespace
