#include "engine/draw/ScreenBox.h"

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"

ScreenBox ScreenBoxOf(const Sprite& sprite) {
  const platform::Vector3 size = sprite.GetScaledSourceSize();
  const platform::Vector3 at = sprite.altPosition;
  return {at.x - size.x / 2, at.y - size.y / 2, at.x + size.x / 2, at.y + size.y / 2};
}

ScreenBox ScreenBoxOf(const ShapeList& list) {
  return {list.altExtremePoints[ShapeList::Left].x, list.altExtremePoints[ShapeList::Top].y,
          list.altExtremePoints[ShapeList::Right].x, list.altExtremePoints[ShapeList::Bottom].y};
}
