#include "triggers/PushShape.h"

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"
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

std::unique_ptr<ModifierShape> PushShape::ReadRecord(MapRecordReader& map, std::istream& fields,
                                                     std::unique_ptr<Shape> region) {
  float x = 0.0f;
  float y = 0.0f;
  if (!(fields >> x >> y)) return nullptr;
  return std::make_unique<PushShape>(&map.world, std::move(region), platform::Vector3{x, y, 0.0f});
}

void PushShape::WriteRecord(MapRecordWriter& out) {
  out.AppendRegion(PushLetter, *this);
  out.Append(Number(push.x) + ' ' + Number(push.y) + '\n');
}
