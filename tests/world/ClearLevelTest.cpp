#include <gtest/gtest.h>

#include <map>
#include <string>

#include "collision/Strike.h"
#include "engine/DeferredDeleteList.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "player/Player.h"
#include "player/PlayerResources.h"
#include "support/TestWorld.h"
#include "world/ModifierShape.h"
#include "world/World.h"

namespace {

// How often each named object was destroyed.
using Tally = std::map<std::string, int>;

template <typename Base>
class Counted : public Base {
 public:
  template <typename... Args>
  Counted(Tally* tally, std::string label, Args... args)
      : Base(args...), tally_(tally), label_(std::move(label)) {}
  ~Counted() override { ++(*tally_)[label_]; }

 private:
  Tally* tally_;
  std::string label_;
};

class CountedTrigger : public ModifierShape {
 public:
  CountedTrigger(World* world, Tally* tally)
      : ModifierShape(KindHazard, world, std::make_unique<Quad>()), tally_(tally) {}
  ~CountedTrigger() override { ++(*tally_)["trigger"]; }
  void Update(float) override {}
  void Draw() override {}

 private:
  Tally* tally_;
};

class CountedEnemy : public TestEnemy {
 public:
  CountedEnemy(World* world, Tally* tally) : TestEnemy(world), tally_(tally) {}
  ~CountedEnemy() override { ++(*tally_)["enemy"]; }

 private:
  Tally* tally_;
};

// A loaded level: a floor the player stands on, scenery on two layers, a sprite, a trigger, an
// enemy with its picture on the sprite layers, a strike that has hit the player, a texture.
class ClearLevel : public ::testing::Test {
 protected:
  ClearLevel() {
    world = std::make_unique<World>(nullptr, nullptr);
    player = world->GetFirstPlayer();
    auto floor = std::make_unique<Counted<BoundingQuad>>(&tally, "floor");
    floorShape = floor.get();
    world->AddBoundary(std::move(floor));
    player->body->pushingList = {floorShape};
    player->body->passThroughList = {floorShape};
    player->groundContact = floorShape;
    player->onGround = 1;
    world->shapeLayers.Insert(-1, std::make_unique<Counted<Quad>>(&tally, "far scenery"));
    world->shapeLayers.Insert(3, std::make_unique<Counted<Quad>>(&tally, "near scenery"));
    world->spriteLayers.Insert(2, std::make_unique<Counted<Sprite>>(&tally, "sprite", nullptr));
    world->AddModifier(std::make_unique<CountedTrigger>(world.get(), &tally));
    world->PlaceEnemy(std::make_unique<CountedEnemy>(world.get(), &tally));
    strike.hitList = {player->hitBox};
    player->hitBox->hitList = {&strike};
    world->playerStrikes = {&strike};
    world->enemyStrikes = {&strike};
    world->resources.push_back(LoadTexture("Content\\Textures\\Tiles\\grass.png", 64, 64));
  }
  ~ClearLevel() override { DeferredDeletes = nullptr; }

  Tally tally;
  StrikeQuad strike;
  std::unique_ptr<World> world;
  Player* player = nullptr;
  BoundingShape* floorShape = nullptr;
};

TEST_F(ClearLevel, KeepsThePlayersAndDestroysEachMapObjectOnce) {
  DeferredDeleteList deferred;
  DeferredDeletes = &deferred;
  world->ClearLevel();

  EXPECT_EQ(world->actors, (std::vector<Actor*>{player}));
  EXPECT_EQ(world->players, (std::vector<Player*>{player}));
  ASSERT_EQ(world->spriteLayers.size(), 1u) << "only the player's picture is left";
  EXPECT_EQ(world->spriteLayers.begin()->first, Player::PlayerLayer);
  EXPECT_EQ(world->spriteLayers.begin()->second.item, player->sprite);
  EXPECT_TRUE(world->shapeLayers.empty());
  EXPECT_TRUE(world->boundaries.empty());
  EXPECT_TRUE(world->enemies.empty());
  EXPECT_TRUE(world->modifiers.empty());
  EXPECT_TRUE(world->playerStrikes.empty());
  EXPECT_TRUE(world->enemyStrikes.empty());
  EXPECT_EQ(world->resources.size(), 1u) << "textures stay for the next map";
  // Nothing of the player points at what is gone.
  EXPECT_TRUE(player->body->pushingList.empty());
  EXPECT_TRUE(player->body->passThroughList.empty());
  EXPECT_EQ(player->groundContact, nullptr);
  EXPECT_TRUE(player->hitBox->hitList.empty());
  EXPECT_TRUE(strike.hitList.empty());

  EXPECT_EQ(tally, (Tally{{"floor", 1}, {"far scenery", 1}, {"near scenery", 1}, {"sprite", 1}}));
  deferred.Empty();
  EXPECT_EQ(tally["trigger"], 1) << "valid until the frame ends, then gone";
  EXPECT_EQ(tally["enemy"], 1);

  world.reset();
  for (const auto& [label, count] : tally) EXPECT_EQ(count, 1) << label;
}

TEST_F(ClearLevel, WithoutAFrameLoopTheTriggersAndEnemiesGoAtOnce) {
  world->ClearLevel();
  EXPECT_EQ(tally["trigger"], 1);
  EXPECT_EQ(tally["enemy"], 1);
}

TEST_F(ClearLevel, DestroyingTheWorldDestroysEachObjectOnceAndEveryPlayerItMade) {
  Player* second = world->AddPlayer();
  world->RemovePlayer(1);
  EXPECT_EQ(world->players.size(), 1u);
  // A place no player holds removes nobody.
  world->RemovePlayer(1);
  world->RemovePlayer(-1);
  EXPECT_EQ(world->players.size(), 1u);
  EXPECT_EQ(world->playerPool->made.size(), 2u) << "the pool keeps the player it made";
  EXPECT_EQ(world->FindSpriteEntry(second->bodySprite.get()), world->spriteLayers.end());
  world.reset();
  EXPECT_EQ(tally, (Tally{{"enemy", 1}, {"far scenery", 1}, {"floor", 1}, {"near scenery", 1},
                          {"sprite", 1}, {"trigger", 1}}));
}

}  // namespace
