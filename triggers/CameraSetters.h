#pragma once

#include <iosfwd>
#include <vector>

#include "platform/MathTypes.h"
#include "world/ModifierShape.h"

struct TriggerConversion;
struct TriggerField;

// While the first player is inside, the camera moves to this depth.
class CameraDepthSetter : public ModifierShape {
 public:
  CameraDepthSetter(World* newWorld, std::unique_ptr<Shape> newRegion, float newDepth);

  void Update(float dt) override;
  void Draw() override {}
  // The record's fields after the region; null when they cannot be read.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  // The level editor's depth field, and its conversion of a shape into a setter of the depth
  // at which sprites show at their own size.
  static std::vector<TriggerField> EditorFields();
  static TriggerConversion Conversion();

  float depth;
};

// While the first player is inside, the camera holds still at a place, or is let go.
class CameraStationarySetter : public ModifierShape {
 public:
  CameraStationarySetter(World* newWorld, std::unique_ptr<Shape> newRegion, uint8_t newStationary,
                         const platform::Vector3& position);

  void Update(float dt) override;
  void Draw() override {}
  // The record's fields after the region; null when they cannot be read.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  // The level editor's camera fields and check box, and its conversion of a shape into a
  // setter that lets the camera go, its place at the depth of sprites' own size.
  static std::vector<TriggerField> EditorFields();
  static TriggerConversion Conversion();

  // 0 lets the camera follow the players again.
  uint8_t stationary;
  platform::Vector3 cameraPosition;
};
