#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "enemies/Ratatoskr.h"
#include "engine/DeferredDeleteList.h"
#include "tests/enemies/GoblinWorld.h"

namespace {

// Levels one after another: a floor, and enemies as the map reader makes them: two goblins, a
// DemoGoblin and a Ratatoskr.
class GoblinLevel : public GoblinWorld {
 protected:
  ~GoblinLevel() override { DeferredDeletes = nullptr; }

  void Load() {
    if (world.boundaries.empty()) floor = &AddBoundaryQuad(world, 0.0f, -0.5f, 200.0f, 1.0f);
    const struct {
      int kind;
      const char* line;
    } lines[] = {{Goblin::Kind, "1 0 4 1 l\n"},
                 {Goblin::Kind, "2 0 12 1 r\n"},
                 {DemoGoblin::Kind, "3 1 8 1.25 r\n"},
                 {Ratatoskr::Kind, "4 0 -6 0.35 -6 0.35 2 r\n"}};
    for (const auto& entry : lines) {
      std::istringstream in(entry.line);
      Place<Enemy>(ReadLine(entry.kind, in));
    }
  }

  bool Names(const std::vector<BoundingShape*>& list, const BoundingShape* shape) const {
    return std::find(list.begin(), list.end(), shape) != list.end();
  }

  DeferredDeleteList deferred;
};

TEST_F(GoblinLevel, ClearingTwiceTakesBackTheShieldsAndDestroysEachEnemyOnce) {
  DeferredDeletes = &deferred;
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    Load();
    ASSERT_EQ(world.lentBoundaries.size(), 2u);
    auto* guard = static_cast<Goblin*>(world.enemies.front().get());
    // The first goblin guards against the player, who leans on its shield, swings at it and
    // is struck.
    for (int frame = 0; frame < 30; ++frame) Step();
    guard->SwitchState(GoblinGuarding);
    guard->PlaceShield();
    PlacePlayer(guard->ShieldQuad().position.x - 0.5f, GoblinStanding);
    player.body->previousPosition.x += 0.2f;
    world.CollideWithBoundaries(player.body);
    ASSERT_TRUE(Names(player.body->touchingList, &guard->ShieldQuad()));
    Swing(guard->HitShield().position.x, guard->HitShield().position.y, 5.0f);
    guard->SwitchState(GoblinAttacking);
    for (int frame = 0; frame < 30; ++frame) Step();

    world.ClearLevel();
    EXPECT_TRUE(world.lentBoundaries.empty());
    EXPECT_TRUE(world.enemies.empty());
    EXPECT_TRUE(world.enemyStrikes.empty());
    EXPECT_FALSE(Names(player.body->touchingList, &guard->ShieldQuad()));
    EXPECT_EQ(deferred.Size(), 4u) << "valid until the frame ends";
    deferred.Empty();
    EndSwing();
  }
  // The third level goes with the world.
  Load();
}

TEST_F(GoblinLevel, AGoblinDestroyedInPlayTakesItsShieldBack) {
  auto goblin = Make<Goblin>(0.0f, GoblinStanding);
  ASSERT_EQ(world.lentBoundaries, std::vector<BoundingShape*>{&goblin->ShieldQuad()});
  player.body->touchingList = {&goblin->ShieldQuad()};
  goblin.reset();
  EXPECT_TRUE(world.lentBoundaries.empty());
  EXPECT_TRUE(player.body->touchingList.empty());
}

}  // namespace
