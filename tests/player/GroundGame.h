#pragma once

#include <memory>

#include "collision/Boundary.h"
#include "collision/Strike.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Quad.h"
#include "player/PlayerState.h"
#include "support/PlayingWorld.h"

// The booted game with its floor drawn, for the player's ground states: blocks that stand in
// the way are drawn too, so that saved frames show them.
class GroundGame : public PlayingWorld {
 protected:
  // The height of a standing and of a crouching player.
  static constexpr float StandingHeight = 2.45f;
  static constexpr float LowHeight = 1.1f;

  void SetUp() override {
    Draw(0.0f, FloorTop - 1.0f, 400.0f, 2.0f, Color4{255, 96, 140, 70});
    PlayingWorld::SetUp();
  }

  // A solid block, drawn, whose bottom edge lies at that height.
  BoundingQuad& AddBlock(float x, float bottom, float width, float height) {
    Draw(x, bottom + height / 2, width, height, Color4{255, 120, 110, 100});
    return AddBoundaryQuad(*world, x, bottom + height / 2, width, height);
  }

  // Idle and at rest with the feet at that point, every key up.
  void StandAt(float x, float feet) {
    for (int key : {VirtualKey::A, VirtualKey::D, VirtualKey::S, VirtualKey::I, VirtualKey::O,
                    VirtualKey::P}) {
      game.ReleaseKey(key);
    }
    player->SwitchState(SlotIdling);
    player->body->SetPositionXYZ(x, feet + player->body->height / 2, 0.0f);
    player->body->previousPosition = player->body->position;
    player->body->velocity = {};
    game.StepFrames(3);
  }

  // The strike put into play over the player for one frame, then forgotten.
  void StrikeOnce(StrikeShape& strike) {
    strike.SetPosition(player->body->position);
    world->enemyStrikes = {&strike};
    game.Step();
    world->enemyStrikes.clear();
    world->ForgetStrike(&strike);
  }

  PlayerState* Current() const { return player->CurrentState(); }
  bool In(PlayerStateSlot slot) const { return Current() == player->StateAt(slot); }
  float BodyX() const { return player->body->position.x; }
  float Feet() const { return player->body->position.y - player->body->height / 2; }
  // Steps until the player is in the state; false after five seconds.
  bool StepUntil(PlayerStateSlot slot) {
    for (int frame = 0; frame < 300 && !In(slot); ++frame) game.Step();
    return In(slot);
  }
  void Press(std::initializer_list<int> keys) {
    for (int key : keys) game.PressKey(key);
  }
  void Release(std::initializer_list<int> keys) {
    for (int key : keys) game.ReleaseKey(key);
  }

 private:
  void Draw(float x, float y, float width, float height, Color4 color) {
    auto quad = std::make_unique<Quad>();
    quad->SetPositionXYZ(x, y, 0.0f);
    quad->SetDimensions(width, height, 0.0f);
    quad->SetFillColor(color);
    GameStates->world->shapeLayers.Insert(0, std::move(quad));
  }
};
