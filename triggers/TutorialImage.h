#pragma once

#include <iosfwd>
#include <vector>

#include "world/ModifierShape.h"

struct TriggerConversion;
struct TriggerField;

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
  void ForgetShape(const Shape* shape) override {
    if (image == shape) image = nullptr;
  }
  // The level editor's choice of the picture, and its conversion of a shape into a tutorial
  // picture without one.
  static std::vector<TriggerField> EditorFields();
  static TriggerConversion Conversion();

  Shape* image;
};
