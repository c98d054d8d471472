#pragma once

#include "collision/Boundary.h"
#include "collision/BoundaryPass.h"
#include "world/World.h"

// The boundary pass as it was first built, one step over every boundary in list order: the
// yardstick that the world's pass through its grid is held to.
inline platform::Vector3 CollideWithEveryBoundary(World& world, BoundingShape& mover,
                                                  BoundingShape** touched = nullptr) {
  if (touched) *touched = nullptr;
  const platform::Vector3 start = mover.position;
  for (const auto& boundary : world.boundaries) PushOutOfBoundary(*boundary, mover, touched);
  for (BoundingShape* boundary : world.actorBoundaries) PushOutOfBoundary(*boundary, mover, touched);
  const platform::Vector3 displacement = mover.position - start;
  mover.SetPosition(start);
  return displacement;
}
