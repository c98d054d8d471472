#pragma once

#include <cstdint>

#include "collision/ShapeRefList.h"
#include "engine/draw/Primitive.h"

// What a shape means in play: a solid boundary, a hit box that receives attacks, or an attack.
// The held, touching, ignore and hit lists name such shapes, and forget them when they go.
class Interactive : public virtual Primitive, public Listable {
 public:
  enum Kind : int32_t { KindBoundary = 0, KindHit = 1, KindStrike = 2 };

  ~Interactive() override = default;

  int32_t kind = KindBoundary;

 protected:
  Interactive() = default;
  Interactive(const Interactive&) = default;
  Interactive& operator=(const Interactive&) = default;
};
