#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "collision/ModifierShape.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "support/GameHarness.h"
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

// The booted game's world with one player on the ground at the origin, reading its own copy
// of the game's controls.
class TriggerWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    controls = std::make_unique<Controls>(*GameControls);
    controls->keyboardEnabled = 1;
    player = std::make_unique<Walker>(world, 0.0f, 0.0f);
    world->players.push_back(player.get());
    world->actors.push_back(player.get());
    world->playerControls.push_back(controls.get());
  }

  void TearDown() override {
    if (!world) return;
    world->modifiers.clear();
    world->players.clear();
    world->actors.clear();
    world->playerControls.clear();
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

  void RemovePlayers() {
    world->players.clear();
    world->playerControls.clear();
  }

  GameHarness game;
  World* world = nullptr;
  std::unique_ptr<Controls> controls;
  std::unique_ptr<Walker> player;
};
