#pragma once

#include <cstdint>
#include <memory>

#include "collision/Interactive.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "platform/MathTypes.h"

class Actor;
class HitShape;

// An attack volume with what it does to the hit boxes it reaches.
class Strike : public virtual Interactive {
 public:
  ~Strike() override = default;

  // The hit boxes this strike has hit.
  ShapeRefList<HitShape> hitList;
  Actor* owner = nullptr;  // not owned
  // From the owner's body position, for an owner facing right.
  platform::Vector3 offset;
  uint8_t strikeFlag = 0;
  // Added to the target direction before the knock-back is normalised.
  platform::Vector3 direction;
  // The length of the knock-back.
  float force = 0.0f;
  float reach = 0.0f;
  float damage = 0.0f;
  float staminaDamage = 0.0f;
  // Seconds of hit-stop given to both sides.
  float freezeTime = 0.0f;

 protected:
  Strike() { kind = KindStrike; }
  Strike(const Strike&) = delete;
  Strike& operator=(const Strike&) = delete;
};

class StrikeShape : public virtual Strike, public virtual Shape {
 public:
  // A new object of the concrete class with the default strike values; the caller owns it.
  virtual std::unique_ptr<StrikeShape> Duplicate() const = 0;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }

  // The hot spot in the world: mirrored with the flips, turned with the shape.
  platform::Vector3 GetWorldPosition() const;

  // Relative to the position: where the knock-back is aimed from.
  platform::Vector3 hotSpot;

 protected:
  StrikeShape() = default;
};

class StrikeCircle : public StrikeShape, public Circle {
 public:
  StrikeCircle() = default;
  StrikeCircle(const StrikeCircle&) = delete;
  StrikeCircle& operator=(const StrikeCircle&) = delete;

  std::unique_ptr<StrikeShape> Duplicate() const override;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }
};

class StrikeQuad : public StrikeShape, public Quad {
 public:
  StrikeQuad() = default;
  StrikeQuad(const StrikeQuad&) = delete;
  StrikeQuad& operator=(const StrikeQuad&) = delete;

  std::unique_ptr<StrikeShape> Duplicate() const override;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }
};
