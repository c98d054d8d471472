#pragma once

#include <cstdint>

#include "engine/draw/Primitive.h"

// What a shape means in play: a solid boundary, a hit box that receives attacks, or an attack.
class Interactive : public virtual Primitive {
 public:
  enum Kind : int32_t { KindBoundary = 0, KindHit = 1, KindStrike = 2 };

  ~Interactive() override = default;

  int32_t kind = KindBoundary;

 protected:
  Interactive() = default;
  Interactive(const Interactive&) = default;
  Interactive& operator=(const Interactive&) = default;
};
