#include "triggers/PushShape.h"

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "world/World.h"

PushShape::PushShape(World* newWorld, std::unique_ptr<Shape> newRegion,
                     const platform::Vector3& newPush)
    : ModifierShape(KindPushShape, newWorld, std::move(newRegion)), push(newPush) {}

void PushShape::Update(float dt) {
  if (!world) return;
  for (Actor* actor : world->actors) {
    if (!Contains(actor)) continue;
    const platform::Vector3 velocity = actor->body->velocity + push * dt;
    actor->body->SetVelocity(velocity.x, velocity.y, velocity.z);
  }
}
