#include "actors/Actor.h"

#include "items/ItemStore.h"

Actor::Actor(std::string name) : Object(std::move(name)) {}

// The concrete classes release the sprite, the body, the hit box and the states they made.
Actor::~Actor() = default;

void Actor::Initialize(World* owner) {
  world = owner;
  drawLayer = 1;
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
