#pragma once

#include <iosfwd>

#include "platform/MathTypes.h"
#include "world/ModifierShape.h"

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

  // 0 lets the camera follow the players again.
  uint8_t stationary;
  platform::Vector3 cameraPosition;
};
