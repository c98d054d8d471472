#include "actors/Actor.h"

#include "engine/BarMeter.h"
#include "engine/draw/Primitive.h"
#include "items/ItemStore.h"

Actor::Actor(std::string name) : Object(std::move(name)) {}

// The owned volumes and meters go with the actor; the sprite, the body, the hit box and the
// states belong to the concrete classes, which release them.
Actor::~Actor() = default;

void Actor::Initialize(World* owner) {
  world = owner;
  drawLayer = 1;
  ownedShapeA.reset();
  state = nullptr;
  groundContact = nullptr;
  wallContact = nullptr;
  itemStore = std::make_unique<ItemStore>();
  baseStats.fill(0.0f);
  totalStats.fill(0.0f);
  equipped.fill(nullptr);
  SetDefaultGrowth();
  // Runs on zero totals, so levels and derived values stay 0 until the first full recompute.
  RecomputeDerivedStats();
  RecomputeTotalStats();
  RecomputeEquipmentStats();
}
