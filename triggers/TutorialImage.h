#pragma once

#include <iosfwd>

#include "world/ModifierShape.h"

// Fades a picture of the map in while the first player is inside, and out again after.
class TutorialImage : public ModifierShape {
 public:
  // Alpha steps per second.
  static constexpr float FadeRate = 600.0f;

  // The picture belongs to the map; it may be missing.
  TutorialImage(World* newWorld, std::unique_ptr<Shape> newRegion, Shape* newImage);

  void Update(float dt) override;
  void Draw() override {}
  // The picture's id after the region.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;

  Shape* image;
};
