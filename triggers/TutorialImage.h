#pragma once

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

  Shape* image;
};
