#pragma once

#include "platform/MathTypes.h"
#include "world/ModifierShape.h"

// A map trigger that opens the save screen, which writes where a game saved there resumes.
class SavePoint : public ModifierShape {
 public:
  // Where a game saved here resumes.
  platform::Vector3 position;

 protected:
  using ModifierShape::ModifierShape;
};
