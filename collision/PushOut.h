#pragma once

#include <cstdint>

#include "collision/Boundary.h"
#include "platform/MathTypes.h"

// The number (1, 2 or 3) of the last case that resolved a quad-out-of-quad push-out; shown by
// the player's debug overlay.
extern int32_t CollisionCase;

// The displacement that moves the mover out of the boundary, zero when they do not touch.
// When given, touched is always written: the boundary when it pushed (or, for two quads, when
// they are in contact), else null. hold is written only to report that the boundary lets the
// mover through, so the caller passes it in as false. Two quads are moved apart by at most
// length 1 per call.
platform::Vector3 ComputePushOut(const BoundingShape* mover, BoundingShape* boundary,
                                 BoundingShape** touched, bool* hold);

// Draws "Case: " and CollisionCase with its top-left corner at (x, y + 10).
void DrawCollisionCase(float x, float y);
