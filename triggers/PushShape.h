#pragma once

#include "platform/MathTypes.h"
#include "world/ModifierShape.h"

// Pushes every actor whose body is inside: its velocity grows by `push` per second.
class PushShape : public ModifierShape {
 public:
  PushShape(World* newWorld, std::unique_ptr<Shape> newRegion, const platform::Vector3& newPush);

  void Update(float dt) override;
  void Draw() override {}

  platform::Vector3 push;
};
