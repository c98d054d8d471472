#include "actors/Actor.h"

#include "actors/Playfield.h"
#include "engine/BarMeter.h"
#include "engine/draw/Primitive.h"
#include "items/ItemStore.h"

namespace {

constexpr float HealthMeterRise = 3.0f;
constexpr float StaminaMeterRise = 2.0f;
constexpr float MeterWidth = 3.0f;
constexpr float MeterHeight = 0.5f;
constexpr Color4 HealthMeterColor{200, 128, 0, 0};
constexpr Color4 StaminaMeterColor{200, 0, 128, 0};

}  // namespace

Actor::Actor(std::string name) : Object(std::move(name)) {}

// The owned volumes and meters go with the actor; the sprite, the body, the hit box and the
// states belong to the concrete classes, which release them.
Actor::~Actor() = default;

void Actor::Initialize(Playfield* owner) {
  world = owner;
  drawLayer = 1;
  ownedShapeA.reset();
  state = nullptr;
  groundContact = nullptr;
  wallContact = nullptr;
  // The world read the item files once; an actor without one reads them itself.
  itemStore = owner && owner->itemStore ? ItemStore::CopyOf(*owner->itemStore)
                                        : std::make_unique<ItemStore>();
  baseStats.fill(0.0f);
  totalStats.fill(0.0f);
  equipped.fill(nullptr);
  SetDefaultGrowth();
  // Runs on zero totals, so levels and derived values stay 0 until the first full recompute.
  RecomputeDerivedStats();
  RecomputeTotalStats();
  RecomputeEquipmentStats();
}

void Actor::MakeMeters(const platform::Vector3& at) {
  healthMeter =
      std::make_unique<BarMeter>(derived[Derived::MaxHealth], at.x, at.y + HealthMeterRise, at.z,
                                 MeterWidth, MeterHeight, 0.0f, HealthMeterColor);
  staminaMeter =
      std::make_unique<BarMeter>(derived[Derived::MaxStamina], at.x, at.y + StaminaMeterRise, at.z,
                                 MeterWidth, MeterHeight, 0.0f, StaminaMeterColor);
  staminaMeter->AddTick(derived[Derived::ResistanceFactor] * derived[Derived::BreakPoint1Factor],
                        HealthMeterColor);
}

void Actor::PlaceMetersAbove(const platform::Vector3& at) {
  healthMeter->SetPosition(at.x, at.y + HealthMeterRise, at.z);
  staminaMeter->SetPosition(at.x, at.y + StaminaMeterRise, at.z);
}
