#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/MathTypes.h"

// The eight handles a quad or a sprite is resized by: four corners and four edges.
enum ResizeHandle : int32_t {
  HandleTopLeft = 0,
  HandleTopRight = 1,
  HandleBottomLeft = 2,
  HandleBottomRight = 3,
  HandleLeftEdge = 4,
  HandleRightEdge = 5,
  HandleTopEdge = 6,
  HandleBottomEdge = 7,
  ResizeHandleCount = 8,
};

// The handle a drag goes on with after the dragged corner or edge crossed the fixed one: a
// crossing on an axis flips the picture on that axis and swaps the handle to the other side of
// that axis. Corners look at both axes, edges only at their own; an index outside 0-7 stays.
int32_t HandleAfterCrossing(int32_t handle, bool flipXChanged, bool flipYChanged);

// Where each handle's marker stands in the row of eight drawn markers: top-left, top middle,
// top-right, left middle, right middle, bottom-left, bottom middle, bottom-right.
constexpr std::array<size_t, ResizeHandleCount> HandleMarkerOf = {0, 2, 5, 7, 3, 4, 1, 6};

// Moves the handle of a quad or a sprite to the world point, the opposite corner or edge fixed;
// an index outside 0-7 moves nothing.
template <typename Box>
void MoveResizeHandle(Box& box, int32_t handle, const platform::Vector3& point) {
  using Move = void (Box::*)(const platform::Vector3&);
  static constexpr std::array<Move, ResizeHandleCount> Moves = {
      &Box::SetTopLeft,   &Box::SetTopRight,  &Box::SetBottomLeft, &Box::SetBottomRight,
      &Box::SetLeftEdge,  &Box::SetRightEdge, &Box::SetTopEdge,    &Box::SetBottomEdge};
  if (handle >= 0 && handle < ResizeHandleCount) (box.*Moves[static_cast<size_t>(handle)])(point);
}
