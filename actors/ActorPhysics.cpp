#include <algorithm>
#include <cmath>

#include "actors/Actor.h"
#include "actors/Animation.h"
#include "actors/Playfield.h"
#include "actors/State.h"
#include "collision/Boundary.h"
#include "engine/BarMeter.h"
#include "engine/VectorMath.h"

using platform::Vector3;

namespace {

constexpr float AirDragScale = 40.0f;
constexpr float GroundDragScale = 85.0f;
// The ground probe reaches at least this far below a body that has not moved.
constexpr float MinimumProbeReach = 0.5f;

// Moves x towards 0 by d, never past it.
float SlowTowardsZero(float x, float d) {
  if (x > 0.0f) return std::max(x - d, 0.0f);
  return std::min(x + d, 0.0f);
}

// Within [0, maximum]; a maximum below 0, or a value that is not a number, gives 0.
float ClampToMeter(float value, float maximum) { return std::max(0.0f, std::min(value, maximum)); }

Vector3 SizeOf(const BoundingQuad& quad) { return {quad.width, quad.height, quad.depth}; }

// Resizes the quad with its feet kept in place.
void ResizeKeepingFeet(BoundingQuad& quad, float width, float height, float depth) {
  const Vector3 oldSize = SizeOf(quad);
  quad.SetDimensions(width, height, depth);
  Actor::KeepFeetOnResize(quad, oldSize, SizeOf(quad));
}

}  // namespace

void Actor::UpdateHeld(float dt) {
  if (!state) return;
  state->holdTimer = std::max(state->holdTimer - dt, 0.0f);
  state->UpdateHeld(dt);
}

void Actor::Draw() {
  if (sprite) sprite->Draw();
}

void Actor::DrawDebugShapes() {
  if (body) {
    body->Draw();
    body->DrawDebugInfo();
  }
  if (auto* ground = dynamic_cast<Shape*>(groundContact)) ground->Draw();
}

void Actor::ApplyGravity(float dt) {
  if (!body || !world) return;
  const float g = world->gravity * dt;
  float vy = body->velocity.y - g * totalStats[Stat::Mass];
  if (vy < totalStats[Stat::MaxFallSpeed]) vy = totalStats[Stat::MaxFallSpeed];
  body->velocity.y = vy;
}

void Actor::ApplyAirDrag(float dt) {
  if (!body || body->velocity.x == 0.0f) return;
  body->velocity.x =
      SlowTowardsZero(body->velocity.x, totalStats[Stat::AirDragFactor] * (dt * AirDragScale));
}

void Actor::ApplyDrag(float dt) {
  if (!body || body->velocity.x == 0.0f) return;
  body->velocity.x =
      SlowTowardsZero(body->velocity.x, totalStats[Stat::DragFactor] * (dt * GroundDragScale));
}

void Actor::KeepFeetOnResize(BoundingQuad& quad, const Vector3& oldSize, const Vector3& newSize) {
  quad.SetPosition(quad.position + Vector3{0.0f, 0.5f * newSize.y - 0.5f * oldSize.y, 0.0f});
}

void Actor::SetBoundingSize(float width, float height, float depth) {
  if (!body) return;
  if (body->width == width && body->height == height && body->depth == depth) return;
  ResizeKeepingFeet(*body, width, height, depth);
  if (!world) return;
  const Vector3 push = world->CollideWithBoundaries(body);
  body->SetPosition(body->position + push);
}

Vector3 Actor::TestResize(const BoundingQuad& testBody, float width, float height, float depth) {
  BoundingQuad copy(testBody);
  if (!world || (copy.width == width && copy.height == height && copy.depth == depth)) {
    return {};
  }
  ResizeKeepingFeet(copy, width, height, depth);
  return world->CollideWithBoundaries(&copy);
}

void Actor::ProbeGround() {
  if (!body || !world) return;
  const Vector3 start = body->position;
  const float dx = start.x - body->previousPosition.x;
  const float dy = start.y - body->previousPosition.y;
  const float reach = std::max(std::sqrt(dx * dx + dy * dy), MinimumProbeReach);
  body->SetPositionXYZ(start.x, start.y - reach, start.z);
  BoundingShape* touched = nullptr;
  const Vector3 push = world->CollideWithBoundaries(body, &touched);
  const float landedY = start.y - reach + push.y;
  if (push.y == 0.0f || landedY > start.y) {
    body->SetPosition(start);
    return;
  }
  if (touched) groundContact = touched;
  body->SetPositionXYZ(start.x + push.x, landedY, start.z + push.z);
  body->velocity.y = 0.0f;
}

void Actor::RefreshMeterLimits(float dt, bool healthRecovers) {
  if (!healthMeter || !staminaMeter) return;
  healthMeter->maximum = derived[Derived::MaxHealth];
  healthMeter->value = ClampToMeter(healthMeter->value, healthMeter->maximum);
  const float before = healthMeter->value;
  const float recovery = healthRecovers ? derived[Derived::HealthRecovery] * dt : 0.0f;
  const float after = ClampToMeter(before + recovery, healthMeter->maximum);
  healthMeter->value = after;
  healthMeter->UpdateFill();
  staminaMeter->value = ClampToMeter(
      staminaMeter->value + derived[Derived::StaminaRecovery] * dt, staminaMeter->maximum);
  staminaMeter->UpdateFill();
  (this->*statAdders[Stat::StatHealthRecovered])(after - before);
}

void Actor::SetSourceRectFromFrame(Shape& target, const AnimationFrame& frame) {
  if (target.texture != frame.texture) {
    target.texture = frame.texture;
    target.dirty = 1;
  }
  // The corners run (right, bottom), (left, bottom), (right, top), (left, top).
  const auto& c = frame.corners;
  target.sourceRect = {TruncateToInt(c[6]), TruncateToInt(c[7]), TruncateToInt(c[0]),
                       TruncateToInt(c[1])};
  target.dirty = 1;
}
