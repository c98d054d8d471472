#pragma once

#include <cstdint>
#include <memory>

#include "collision/Interactive.h"
#include "engine/draw/Quad.h"

class StrikeShape;

// A hit box: it receives strikes, each at most once until the strike is forgotten.
class Hit : public virtual Interactive {
 public:
  ~Hit() override = default;

  bool Contains(const StrikeShape* strike) const;
  // Removes the first occurrence of the strike, so that it can hit again.
  void Forget(const StrikeShape* strike);

  // The strikes that have already hit this hit box.
  ShapeRefList<StrikeShape> hitList;
  // The owner's group number when the box was made; the actor keeps it in its draw layer.
  int32_t groupNumber = 0;

 protected:
  Hit() { kind = KindHit; }
  Hit(const Hit&) = delete;
  Hit& operator=(const Hit&) = delete;
};

class HitShape : public virtual Hit, public virtual Shape {
 public:
  // A new object of the concrete class with the default hit values; the caller owns it.
  virtual std::unique_ptr<HitShape> Duplicate() const = 0;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }

 protected:
  HitShape() = default;
};

class HitQuad : public HitShape, public Quad {
 public:
  HitQuad() = default;
  HitQuad(const HitQuad&) = delete;
  HitQuad& operator=(const HitQuad&) = delete;

  std::unique_ptr<HitShape> Duplicate() const override;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }
};
