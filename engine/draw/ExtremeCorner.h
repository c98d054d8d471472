#pragma once

#include <array>

#include "platform/MathTypes.h"

enum class CornerAxis { X, Y };

// The corner furthest along the axis, greatest or least; on a tie the later corner wins.
inline platform::Vector3 ExtremeCorner(const std::array<platform::Vector3, 4>& corners,
                                       CornerAxis axis, bool greatest) {
  platform::Vector3 result = corners[0];
  for (size_t i = 1; i < corners.size(); ++i) {
    const float candidate = axis == CornerAxis::X ? corners[i].x : corners[i].y;
    const float best = axis == CornerAxis::X ? result.x : result.y;
    if (greatest ? candidate >= best : candidate <= best) result = corners[i];
  }
  return result;
}
