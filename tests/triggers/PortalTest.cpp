#include <gtest/gtest.h>

#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "TriggerWorld.h"
#include "collision/Strike.h"
#include "engine/Camera.h"
#include "engine/DeferredDeleteList.h"
#include "engine/draw/Quad.h"
#include "platform/Renderer.h"
#include "player/PlayerState.h"

namespace {

using platform::Vector3;

constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr const char* CaveMap = "Content\\Maps\\DemoCaveMap.gmf";
// Four steps make the portal's half second exactly.
constexpr float Step = 0.125f;
const Vector3 Arrival{-8.0f, 2.0f, 0.0f};

std::unique_ptr<Shape> Square(float x, float y) {
  auto square = std::make_unique<Quad>();
  square->SetDimensions(4.0f, 4.0f, 0.0f);
  square->SetPositionXYZ(x, y, 0.0f);
  return square;
}

// A portal round the player on the hub map.
class PortalTest : public TriggerWorld {
 protected:
  void SetUp() override {
    TriggerWorld::SetUp();
    world->LoadMap(HubMap);
    MainCamera->fading = 0;
    player->body->SetVelocity(1.0f, 2.0f, 0.0f);
  }

  Portal* AddPortal(const char* target) {
    return Add(std::make_unique<Portal>(world, Square(0.0f, 0.0f), target, Arrival));
  }

  // Arrived players stand idle at the target, in a standing body whose feet are where those
  // of the body that arrived were, with their interface in its corner.
  void ExpectArrivedIdle(float arrivingHeight) {
    const BoundingQuad& body = *player->body;
    EXPECT_EQ(body.position.x, Arrival.x);
    EXPECT_NEAR(body.position.y - body.height / 2, Arrival.y - arrivingHeight / 2, 1e-5f);
    EXPECT_EQ(body.height, player->standingSize.y);
    EXPECT_EQ(player->CurrentState(), player->StateAt(SlotIdling));
    EXPECT_EQ(player->hudFirstSprite->altPosition, player->ComputeHudAnchor());
  }

  BoundingQuad ground;
};

TEST_F(PortalTest, ToTheLoadedMapItMovesThePlayersAtOnce) {
  Player* second = world->AddPlayer();
  second->body->SetPositionXYZ(50.0f, 0.0f, 0.0f);
  Portal* portal = AddPortal(HubMap);
  EXPECT_EQ(portal->kind, ModifierShape::KindPortal);
  portal->Update(Step);
  EXPECT_EQ(player->body->position, Arrival);
  EXPECT_EQ(second->body->position, Arrival) << "every player goes";
  EXPECT_EQ(player->body->velocity, (Vector3{1.0f, 2.0f, 0.0f}));
  EXPECT_EQ(portal->triggered, 0);
  EXPECT_EQ(MainCamera->fading, 0) << "no fade";
  EXPECT_EQ(portal->mapChanged, 0);
  world->RemovePlayer(1);
}

TEST_F(PortalTest, WithoutTheInstantSwitchItFadesOutMovesAndFadesBackIn) {
  Portal* portal = AddPortal(HubMap);
  portal->instantWhenSameMap = 0;
  player->body->passThroughList = {&ground};
  player->body->pushingList = {&ground};

  portal->Update(Step);
  EXPECT_EQ(portal->triggered, 1);
  EXPECT_EQ(portal->timer, 0.0f);
  EXPECT_EQ(MainCamera->fading, 1);
  EXPECT_EQ(MainCamera->fadeTarget, ColorBlack);
  for (int i = 0; i < 3; ++i) portal->Update(Step);
  EXPECT_EQ(player->body->position, (Vector3{})) << "still fading out";

  player->SwitchState(SlotFalling);
  player->hudFirstSprite->SetAltPositionXYZ(0.0f, 0.0f, 0.0f);
  portal->Update(Step);
  ExpectArrivedIdle(player->standingSize.y);
  EXPECT_EQ(player->body->velocity, (Vector3{}));
  EXPECT_TRUE(player->body->passThroughList.empty());
  EXPECT_TRUE(player->body->pushingList.empty());
  EXPECT_EQ(MainCamera->fadeTarget, (Color4{0, 0, 0, 0}));
  EXPECT_EQ(portal->triggered, 0);
  EXPECT_EQ(portal->timer, 0.0f);
  EXPECT_EQ(portal->mapChanged, 0);
  EXPECT_EQ(world->GetMapName(), HubMap);
}

TEST_F(PortalTest, ToAnotherMapItClearsTheLevelAndLoadsAfterTheFade) {
  Walker enemy(world, 100.0f, 0.0f);
  enemy.kind = 1;
  world->actors.push_back(&enemy);
  world->AddBoundary(std::make_unique<BoundingQuad>());
  StrikeQuad strike;
  world->playerStrikes.push_back(&strike);
  world->enemyStrikes.push_back(&strike);
  Portal* portal = AddPortal(CaveMap);
  Add(std::make_unique<PushShape>(world, Square(100.0f, 0.0f), Vector3{1.0f, 0.0f, 0.0f}));
  ShowLoadInfo = 1;
  const size_t deferred =
      DeferredDeletes->Size() + world->modifiers.size() + world->npcs.size();

  for (int i = 0; i < 4; ++i) portal->Update(Step);
  EXPECT_EQ(world->GetMapName(), HubMap) << "waits for the fade";
  portal->Update(Step);
  EXPECT_EQ(world->GetMapName(), CaveMap);
  // The cave map does not exist: the default map loads, its six progress lines 10 apart.
  EXPECT_EQ(ProgressTextPosition, (Vector3{60.0f, 90.0f, 0.0f}));
  // The level's triggers and characters wait on the deferred list, the portal among them,
  // still readable.
  EXPECT_TRUE(world->modifiers.empty());
  EXPECT_TRUE(world->npcs.empty());
  EXPECT_EQ(DeferredDeletes->Size(), deferred);
  EXPECT_EQ(portal->mapChanged, 1);
  EXPECT_EQ(portal->triggered, 0);
  EXPECT_EQ(world->actors, (std::vector<Actor*>{player}));
  ASSERT_EQ(world->boundaries.size(), 1u) << "the default map's floor alone";
  EXPECT_EQ(world->boundaries.front()->id, 221764120);
  EXPECT_TRUE(world->playerStrikes.empty());
  EXPECT_TRUE(world->enemyStrikes.empty());
  ExpectArrivedIdle(8.0f);
  EXPECT_EQ(player->body->velocity, (Vector3{}));
  // The loading lines went out on black.
  EXPECT_EQ(game.Pixel(400, 300), 0xFF000000u);
  bool lettered = false;
  for (int y = 20; y < 45 && !lettered; ++y) {
    for (int x = 20; x < 120 && !lettered; ++x) lettered = game.Pixel(x, y) != 0xFF000000u;
  }
  EXPECT_TRUE(lettered);

  game.Step();
  EXPECT_EQ(DeferredDeletes->Size(), 0u) << "destroyed at the end of the frame";
}

TEST_F(PortalTest, NothingHappensOutsideOrWithoutPlayers) {
  Portal* portal = AddPortal(CaveMap);
  player->body->SetPositionXYZ(20.0f, 0.0f, 0.0f);
  portal->Update(Step);
  EXPECT_EQ(portal->triggered, 0);

  player->body->SetPositionXYZ(0.0f, 0.0f, 0.0f);
  RemovePlayers();
  for (int i = 0; i < 8; ++i) portal->Update(Step);
  EXPECT_EQ(portal->triggered, 0);
  EXPECT_EQ(world->GetMapName(), HubMap);
  EXPECT_EQ(MainCamera->fading, 0);
}

}  // namespace
