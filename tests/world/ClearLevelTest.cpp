#include <gtest/gtest.h>

#include "actors/TestActor.h"
#include "collision/Boundary.h"
#include "collision/ModifierShape.h"
#include "collision/Strike.h"
#include "engine/DeferredDeleteList.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"
#include "world/World.h"

namespace {

// A trigger that tells when it is destroyed.
class Probe : public ModifierShape {
 public:
  Probe(World* world, bool* gone)
      : ModifierShape(KindHazard, world, std::make_unique<Quad>()), gone_(gone) {}
  ~Probe() override { *gone_ = true; }
  void Update(float) override {}
  void Draw() override {}

 private:
  bool* gone_;
};

class ClearLevelTest : public ::testing::Test {
 protected:
  ClearLevelTest() : world(nullptr, nullptr) {
    world.players = {&player};
    world.actors = {&enemy, &player};
    world.boundaries = {&floor};
    world.playerStrikes = {&strike};
    world.enemyStrikes = {&strike};
    world.modifiers.push_back(std::make_unique<Probe>(&world, &gone));
  }
  ~ClearLevelTest() override { DeferredDeletes = nullptr; }

  World world;
  TestActor player;
  TestActor enemy;
  BoundingQuad floor;
  StrikeQuad strike;
  bool gone = false;
};

TEST_F(ClearLevelTest, KeepsThePlayersAndDefersTheTriggersToTheFramesEnd) {
  DeferredDeleteList deferred;
  DeferredDeletes = &deferred;
  world.ClearLevel();
  EXPECT_EQ(world.actors, (std::vector<Actor*>{&player}));
  EXPECT_EQ(world.players, (std::vector<Actor*>{&player}));
  EXPECT_TRUE(world.boundaries.empty());
  EXPECT_TRUE(world.playerStrikes.empty());
  EXPECT_TRUE(world.enemyStrikes.empty());
  EXPECT_TRUE(world.modifiers.empty());
  EXPECT_FALSE(gone) << "valid until the frame ends";
  deferred.Empty();
  EXPECT_TRUE(gone);
}

TEST_F(ClearLevelTest, WithoutAFrameLoopTheTriggersGoAtOnce) {
  world.ClearLevel();
  EXPECT_TRUE(gone);
  EXPECT_TRUE(world.modifiers.empty());
}

}  // namespace
