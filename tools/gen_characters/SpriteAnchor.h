#pragma once

// Where the game puts a frame's feet inside its cell. An actor's sprite is drawn about the
// middle texel of its cell, at the body's position plus the state's sprite offset, and one
// texel covers SpriteScaleNumerator / CameraDistance pixels; at depth 0 that is the same
// world length at every camera distance. So the feet of a body of height h, whose sprite is
// raised by the offset, lie (h / 2 + offset) world units below the cell's middle.

#include <cmath>

#include "engine/Globals.h"

namespace figures {

// The camera's vertical field of view (engine/Camera.cpp); a test holds the two together.
constexpr float CameraFieldOfViewY = 0.7853982f;

inline float WorldUnitsPerTexel() {
  return DefaultSpriteScaleNumerator * 2.0f * std::tan(CameraFieldOfViewY / 2.0f) /
         static_cast<float>(DefaultScreenHeight);
}

// The texel of a cell's side about which the sprite is drawn (engine/draw/Sprite.cpp).
inline float CellMiddle(int size) {
  const float half = static_cast<float>(size) / 2.0f;
  return half > 1.0f ? std::trunc(half + 0.5f) : half;
}

// Texels from the top of a cell of the given height down to where the feet stand.
inline float FeetRow(int cellHeight, float feetBelowMiddle) {
  return CellMiddle(cellHeight) + feetBelowMiddle / WorldUnitsPerTexel();
}

}  // namespace figures
