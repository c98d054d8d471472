#pragma once

#include <memory>
#include <string>

#include "actors/Actor.h"
#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "engine/BarMeter.h"
#include "engine/draw/Sprite.h"
#include "world/World.h"

// A state that does nothing but lend its statistics sheet.
class InertState : public State {
 public:
  void Enter() override {}
  void Exit() override {}
  void Update(float) override {}
  void UpdateHeld(float) override {}
};

// A concrete actor for tests of the actor machinery: a 1 x 2 body, a hit box of the same size,
// an empty sprite and a health and a stamina bar of 100. Its update runs the current state,
// gravity and the boundary pass, and stands it on what stops its fall.
class WorldBody : public Actor {
 public:
  static constexpr float MeterMaximum = 100.0f;

  explicit WorldBody(World* owner = nullptr, std::string bodyName = "Test Body")
      : Actor(std::move(bodyName)), picture(nullptr) {
    Initialize(owner);
    body = &bodyQuad;
    hitBox = &hitQuad;
    sprite = &picture;
    bodyQuad.SetDimensions(1.0f, 2.0f, 0.0f);
    hitQuad.SetDimensions(1.0f, 2.0f, 0.0f);
    healthMeter = std::make_unique<BarMeter>(MeterMaximum, 0.0f, 0.0f, 0.0f, 3.0f, 0.5f, 0.0f,
                                             Color4{200, 128, 0, 0});
    staminaMeter = std::make_unique<BarMeter>(MeterMaximum, 0.0f, 0.0f, 0.0f, 3.0f, 0.5f, 0.0f,
                                              Color4{200, 0, 128, 0});
  }

  // Puts the body at rest at that place, its hit box with it.
  void PlaceAt(float x, float y) {
    bodyQuad.SetPositionXYZ(x, y, 0.0f);
    bodyQuad.previousPosition = bodyQuad.position;
    hitQuad.SetPositionXYZ(x, y, 0.0f);
  }

  void Update(float dt) override {
    if (state) state->Update(dt);
    ApplyGravity(dt);
    bodyQuad.Move(dt);
    if (world) {
      const platform::Vector3 push = world->CollideWithBoundaries(&bodyQuad);
      bodyQuad.SetPosition(bodyQuad.position + push);
      if (push.y > 0.0f) bodyQuad.velocity.y = 0.0f;
      onGround = push.y > 0.0f;
    }
    hitQuad.SetPosition(bodyQuad.position);
  }
  void DrawDebugInfo() override {}

  BoundingQuad bodyQuad;
  HitQuad hitQuad;
  Sprite picture;
};

// A boundary quad at rest.
inline void PlaceBoundary(BoundingQuad& quad, float x, float y, float width, float height) {
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.previousPosition = quad.position;
  quad.SetDimensions(width, height, 0.0f);
}
