#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "world/ModifierShape.h"
#include "world/World.h"

// A 6 by 8 body (extent 5) at the point.
inline std::unique_ptr<BoundingQuad> MakeBody(float x, float y) {
  auto quad = std::make_unique<BoundingQuad>();
  quad->SetDimensions(6.0f, 8.0f, 0.0f);
  quad->SetPositionXYZ(x, y, 0.0f);
  return quad;
}

// An actor on the ground with a body and nothing else: enough for the triggers.
class Walker : public Actor {
 public:
  static constexpr float Extent = 5.0f;

  Walker(World* home, float x, float y) : Actor("Walker"), quad(MakeBody(x, y)) {
    Initialize(home);
    body = quad.get();
    onGround = 1;
  }
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugInfo() override {}

  std::unique_ptr<BoundingQuad> quad;
};

// The booted game's world with its first player on the ground at the origin, its body 6 by 8
// (extent 5) like a walker's.
class TriggerWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    player = world->GetFirstPlayer();
    ASSERT_NE(player, nullptr);
    controls = player->controls;
    player->body->SetDimensions(6.0f, 8.0f, 0.0f);
    player->body->SetPositionXYZ(0.0f, 0.0f, 0.0f);
    player->onGround = 1;
  }

  // The actors a test added lived on its stack: the world forgets them before it goes.
  void TearDown() override {
    if (!world) return;
    world->modifiers.clear();
    world->actors = {player};
  }

  template <typename Modifier>
  Modifier* Add(std::unique_ptr<Modifier> modifier) {
    Modifier* added = modifier.get();
    world->modifiers.push_back(std::move(modifier));
    return added;
  }

  // The first player's action 1 key goes down in this frame, or is released.
  void PressAction(bool down = true) {
    const auto key = static_cast<uint8_t>(controls->bindings[BindAction1Key]);
    controls->keyboard->previous[key] = 0;
    controls->keyboard->current[key] = down ? 0x80 : 0;
  }

  void RemovePlayers() { world->players.clear(); }

  GameHarness game;
  World* world = nullptr;
  Controls* controls = nullptr;
  Player* player = nullptr;
};
