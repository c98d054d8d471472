#pragma once

#include <memory>
#include <vector>

#include "collision/BoundaryGrid.h"

class BoundingShape;

// One step of the boundary pass: unless the boundary ignores the mover, a pair out of reach of
// their bounding circles, or with both at rest, only leaves the mover's pass-through and pushing
// lists; any other is pushed apart, the mover moved, the lists kept and touched given the pusher
// when it pushed.
void PushOutOfBoundary(BoundingShape& boundary, BoundingShape& mover, BoundingShape** touched);

// The steps over the level's boundaries in list order, taking only those the grid (built from
// that list) offers near the mover's place at each step and those the mover's lists name: every
// other step would have found its pair out of reach and changed nothing. So the pushes, their
// order and the lists come out as from a step over every boundary.
void PushOutOfLevelBoundaries(const BoundaryGrid::Boundaries& boundaries, const BoundaryGrid& grid,
                              BoundingShape& mover, BoundingShape** touched);
