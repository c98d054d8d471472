#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <string>

#include "enemies/EnemyResources.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/GoblinStates.h"
#include "engine/draw/Sprite.h"
#include "tests/player/GroundGame.h"

namespace {

using platform::Vector3;
using PushDirections = std::array<Vector3, 4>;

constexpr Vector3 EveryWay{1.0f, 1.0f, 1.0f};

class GoblinShieldGame : public GroundGame {
 protected:
  // A goblin from its map line on the floor at x, facing as the letter says and the player
  // who stands on that side, guarding for good.
  Goblin* PlaceGuardingGoblin(float x, char facingLetter, int facing) {
    StandAt(x + 4.0f * static_cast<float>(facing), FloorTop);
    std::istringstream line("1 0 " + std::to_string(x) + ' ' +
                            std::to_string(FloorTop + Goblin::BodyHeight / 2) + ' ' + facingLetter +
                            '\n');
    std::unique_ptr<Enemy> made =
        world->enemyResources->GetPrototype(Goblin::Kind)
            ->ReadRecord(line, world, Enemy::PoolFromCatalogue(world, Goblin::Kind));
    auto* goblin = static_cast<Goblin*>(made.get());
    EXPECT_EQ(goblin->ShieldQuad().sideVectors,
              (PushDirections{EveryWay, EveryWay, EveryWay, EveryWay}))
        << "until its first placement";
    world->PlaceEnemy(std::move(made));
    GameStates->menuDebug->CollectLayers();
    game.StepFrames(10);
    goblin->SwitchState(GoblinGuarding);
    goblin->GetState(GoblinGuarding)->wait = 100.0f;
    game.Step();
    return goblin;
  }
};

TEST_F(GoblinShieldGame, APlayerDroppedOnTheShieldStandsOnItWhicheverWayTheGoblinFaces) {
  // Each goblin far from the other's notice; push directions +x, +y, -x, -y.
  struct Case {
    float x;
    char letter;
    int facing;
    PushDirections pushes;
  };
  const Case cases[] = {
      {6.0f, 'r', 1, {EveryWay, Vector3{}, EveryWay, Vector3{1.0f, 0.0f, 0.0f}}},
      {-20.0f, 'l', -1, {EveryWay, Vector3{-1.0f, 0.0f, 0.0f}, EveryWay, Vector3{}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.letter);
    Goblin* goblin = PlaceGuardingGoblin(c.x, c.letter, c.facing);
    ASSERT_EQ(goblin->facing, c.facing);
    const BoundingQuad& shield = goblin->ShieldQuad();
    ASSERT_GT(shield.width, 0.0f);
    EXPECT_EQ(shield.sideVectors, c.pushes);

    // Dropped from above onto its middle, the player comes to rest on its top, not beside it.
    const float top = shield.GetTopmostPoint().y;
    player->SwitchState(SlotFalling);
    player->body->SetPositionXYZ(shield.position.x, top + 2.0f + player->body->height / 2, 0.0f);
    player->body->previousPosition = player->body->position;
    player->body->velocity = {};
    game.StepFrames(60);
    ASSERT_TRUE(game.KeepFrame(std::string("goblin-shield-stood-on-") + c.letter + ".png"));
    EXPECT_EQ(player->groundContact, &shield);
    EXPECT_NEAR(Feet(), top, 0.01f);
    EXPECT_NEAR(BodyX(), shield.position.x, 0.01f);
  }
}

}  // namespace
