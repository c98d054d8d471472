#include <gtest/gtest.h>

#include <sstream>

#include "collision/Strike.h"
#include "enemies/DemoWall.h"
#include "enemies/Goblin.h"
#include "enemies/StandingStates.h"
#include "engine/DeferredDeleteList.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

using LevelOfEnemies = RatatoskrWorld;

// A level's enemy section after its header: one line of each kind that is built. The goblins
// stand far behind the player's back, so that their guard is down when the strike comes.
constexpr const char* EnemyLines =
    "1 1 0 -5 0.275 r\n"
    "2 2 0 0 0.35 l\n"
    "3 3 0 5 0.35 5 0.35 2 r\n"
    "4 4 0 -15 1 l\n"
    "5 5 0 -11 1.25 l\n"
    "6 6 0 10 2 r\n";

TEST_F(LevelOfEnemies, LoadingPlayingAndClearingTwiceDestroysEachEnemyOnceAndLeavesNothingBehind) {
  DeferredDeleteList deferred;
  DeferredDeletes = &deferred;
  // One strike that sweeps the whole level for 200.
  StrikeQuad sweep;
  sweep.SetDimensions(40.0f, 4.0f, 0.0f);
  sweep.SetPositionXYZ(2.0f, 1.0f, 0.0f);
  sweep.owner = &player;
  sweep.damage = 200.0f;
  sweep.freezeTime = 0.05f;

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    if (round > 0) AddBoundaryQuad(world, 0.0f, -0.5f, 200.0f, 1.0f);
    std::istringstream section(EnemyLines);
    int kind = 0;
    while (section >> kind) PutInPlay<Enemy>(ReadLine(section, kind));
    ASSERT_EQ(world.enemies.size(), 6u);
    auto* goblin = static_cast<Goblin*>(world.enemies[3].get());
    auto* wall = static_cast<DemoWall*>(world.enemies.back().get());
    ASSERT_EQ(world.actorBoundaries,
              (std::vector<BoundingShape*>{&goblin->ShieldQuad(), wall->Block()}));

    // The player leans on the wall's block, then everything in reach is struck down.
    PlacePlayer(wall->body->position.x - 2.0f, 1.0f);
    player.body->SetPositionXYZ(wall->body->position.x - 2.1f, 1.0f, 0.0f);
    world.CollideWithBoundaries(player.body);
    EXPECT_TRUE(player.body->pushingList.Contains(wall->Block()));
    player.wallContact = wall->Block();
    for (int frame = 0; frame < 30; ++frame) Step();
    const float experience = (*player.stats)[Stat::StatExperience];
    world.playerStrikes = {&sweep};
    for (int frame = 0; frame < 60; ++frame) Step();
    EXPECT_EQ(wall->state, wall->GetState(DemoWall::Dead));
    EXPECT_EQ(sweep.hitList.size(), 5u) << "the passive Nidhogglet is not hit";
    // The aggressive Nidhogglet pays 4, the Ratatoskr and both goblins 12, the wall nothing;
    // each once.
    EXPECT_EQ((*player.stats)[Stat::StatExperience] - experience, 40.0f);

    world.ClearLevel();
    EXPECT_TRUE(world.enemies.empty());
    EXPECT_TRUE(world.actorBoundaries.empty());
    EXPECT_EQ(world.actors, std::vector<Actor*>{&player});
    EXPECT_EQ(world.spriteLayers.size(), 1u);
    EXPECT_FALSE(player.body->pushingList.Contains(wall->Block()));
    EXPECT_EQ(player.wallContact, nullptr);
    EXPECT_TRUE(world.enemyStrikes.empty());
    // The enemies stay until the frame ends; their hit boxes then leave the strike's record.
    deferred.Empty();
    EXPECT_TRUE(sweep.hitList.empty());
    // The player stands where it is put again.
    std::erase(world.actors, static_cast<Actor*>(&player));
  }
}

}  // namespace
