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

// The push stays in the map's plane.
std::vector<TriggerField> PushShape::EditorFields() {
  using Fields = TriggerFieldsOf<PushShape>;
  return {
      Fields::Number(
          "Push X:", 1, [](const PushShape& shape) { return shape.push.x; },
          [](PushShape& shape, float x) {
            shape.push = {x, shape.push.y, 0.0f};
          }),
      Fields::Number(
          "Y:", 2, [](const PushShape& shape) { return shape.push.y; },
          [](PushShape& shape, float y) {
            shape.push = {shape.push.x, y, 0.0f};
          }),
  };
}

TriggerConversion PushShape::Conversion() {
  return {"Convert to Push Primitive",
          [](World& world, std::unique_ptr<Shape> region) -> std::unique_ptr<ModifierShape> {
            return std::make_unique<PushShape>(&world, std::move(region), platform::Vector3{});
          }};
}
