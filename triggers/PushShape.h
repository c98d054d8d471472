#pragma once

#include <iosfwd>
#include <vector>

#include "platform/MathTypes.h"
#include "world/ModifierShape.h"

struct TriggerConversion;
struct TriggerField;

// Pushes every actor whose body is inside: its velocity grows by `push` per second.
class PushShape : public ModifierShape {
 public:
  PushShape(World* newWorld, std::unique_ptr<Shape> newRegion, const platform::Vector3& newPush);

  void Update(float dt) override;
  void Draw() override {}
  // The record's fields after the region; null when they cannot be read.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  // The level editor's push fields, and its conversion of a shape into a push that does
  // nothing yet.
  static std::vector<TriggerField> EditorFields();
  static TriggerConversion Conversion();

  platform::Vector3 push;
};
