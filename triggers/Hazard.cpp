#include "triggers/Hazard.h"

#include <istream>

#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"

namespace {

// A new hazard does no harm until its damage is typed in.
constexpr float NewHazardDamage = 0.0f;

}  // namespace

std::unique_ptr<ModifierShape> Hazard::ReadRecord(MapRecordReader& map, std::istream& fields,
                                                  std::unique_ptr<Shape> region) {
  float damage = 0.0f;
  if (!(fields >> damage)) return nullptr;
  return std::make_unique<Hazard>(&map.world, std::move(region), damage);
}

void Hazard::WriteRecord(MapRecordWriter& out) {
  out.AppendRegion(HazardLetter, *this);
  out.Append(Number(damage) + '\n');
}

std::vector<TriggerField> Hazard::EditorFields() {
  using Fields = TriggerFieldsOf<Hazard>;
  return {Fields::Number(
      "Damage:", 1, [](const Hazard& hazard) { return hazard.damage; },
      [](Hazard& hazard, float damage) { hazard.damage = damage; })};
}

TriggerConversion Hazard::Conversion() {
  return {"Convert to Hazard",
          [](World& world, std::unique_ptr<Shape> region) -> std::unique_ptr<ModifierShape> {
            return std::make_unique<Hazard>(&world, std::move(region), NewHazardDamage);
          }};
}
