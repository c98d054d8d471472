#include "collision/Strike.h"

#include "collision/ShapeCopy.h"
#include "engine/VectorMath.h"

platform::Vector3 StrikeShape::GetWorldPosition() const {
  platform::Vector3 point = position;
  point.x += flipHorizontal ? -hotSpot.x : hotSpot.x;
  point.y += flipVertical ? -hotSpot.y : hotSpot.y;
  return RotateAboutPoint(point, position, rotation);
}

std::unique_ptr<StrikeShape> StrikeCircle::Duplicate() const {
  auto copy = std::make_unique<StrikeCircle>();
  CopyShapeData<Circle>(*this, *copy);
  return copy;
}

std::unique_ptr<StrikeShape> StrikeQuad::Duplicate() const {
  auto copy = std::make_unique<StrikeQuad>();
  CopyShapeData<Quad>(*this, *copy);
  return copy;
}
