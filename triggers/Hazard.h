#pragma once

#include <iosfwd>
#include <vector>

#include "world/ModifierShape.h"

struct TriggerConversion;
struct TriggerField;

// A region that carries a damage value from the map; it does nothing in play.
class Hazard : public ModifierShape {
 public:
  Hazard(World* newWorld, std::unique_ptr<Shape> newRegion, float newDamage)
      : ModifierShape(KindHazard, newWorld, std::move(newRegion)), damage(newDamage) {}

  void Update(float) override {}
  void Draw() override {}
  // The record's fields after the region; null when they cannot be read.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  // The level editor's damage field, and its conversion of a shape into a hazard.
  static std::vector<TriggerField> EditorFields();
  static TriggerConversion Conversion();

  float damage;
};
