#include "triggers/Hazard.h"

#include <istream>

#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"

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
