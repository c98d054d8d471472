#include "editor/ResizeHandles.h"

namespace {

// A corner's index holds its side: bit 0 set on the right, bit 1 at the bottom.
constexpr int32_t RightSide = 1;
constexpr int32_t BottomSide = 2;

}  // namespace

int32_t HandleAfterCrossing(int32_t handle, bool flipXChanged, bool flipYChanged) {
  switch (handle) {
    case HandleTopLeft:
    case HandleTopRight:
    case HandleBottomLeft:
    case HandleBottomRight:
      return handle ^ (flipXChanged ? RightSide : 0) ^ (flipYChanged ? BottomSide : 0);
    case HandleLeftEdge:
      return flipXChanged ? HandleRightEdge : handle;
    case HandleRightEdge:
      return flipXChanged ? HandleLeftEdge : handle;
    case HandleTopEdge:
      return flipYChanged ? HandleBottomEdge : handle;
    case HandleBottomEdge:
      return flipYChanged ? HandleTopEdge : handle;
    default:
      return handle;
  }
}
