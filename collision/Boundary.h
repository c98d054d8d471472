#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "collision/Interactive.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"

class BoundingShape;

// The solid part of map boundaries and of actor bodies.
class Boundary : public virtual Interactive {
 public:
  static constexpr float DefaultMapValue1 = 60.0f;

  ~Boundary() override = default;

  // Appends to the pass-through list unless it is there already.
  void AddUnique(BoundingShape* shape);

  // A circle with this set is pushed out of quads (and pushes them) by the foot-point method.
  uint8_t footPointPushOut = 0;
  // Raised for good once an edge flag of a boundary quad is cleared: the quad push-out then
  // honours the edge flags.
  uint8_t partialEdges = 0;
  // Read and written by the map files and the editor.
  float mapValue1 = DefaultMapValue1;
  float mapValue2 = 0.0f;
  // Set by boundary quads: the player may slide down and jump off the boundary as a wall.
  uint8_t wallFlag = 0;
  // Boundaries whose last push-out of this body reported hold: the body passes through them.
  ShapeRefList<BoundingShape> passThroughList;
  // Boundaries whose last push-out of this body was not zero.
  ShapeRefList<BoundingShape> pushingList;
  // Bodies that this boundary never pushes.
  ShapeRefList<BoundingShape> ignoreList;

 protected:
  Boundary();
  Boundary(const Boundary& other);
  // Copies the flags, the values and the three lists, but not the wall flag.
  Boundary& operator=(const Boundary& other);
};

// A boundary that is also a drawable shape.
class BoundingShape : public virtual Boundary, public virtual Shape {
 public:
  // A new object of the concrete class; the caller owns it.
  virtual std::unique_ptr<BoundingShape> Duplicate() const = 0;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }

 protected:
  BoundingShape() = default;
};

class BoundingCircle : public BoundingShape, public Circle {
 public:
  BoundingCircle();
  BoundingCircle(const BoundingCircle& other);
  BoundingCircle& operator=(const BoundingCircle& other);

  std::unique_ptr<BoundingShape> Duplicate() const override;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }
};

class BoundingQuad : public BoundingShape, public Quad {
 public:
  enum EdgeIndex { EdgeLeft = 0, EdgeRight = 1, EdgeTop = 2, EdgeBottom = 3 };

  BoundingQuad();
  BoundingQuad(const BoundingQuad& other);
  BoundingQuad& operator=(const BoundingQuad& other);

  // Store an edge flag and recolour that edge in both outlines: black when solid, blue when
  // switched off. Switching an edge off raises the boundary's partial-edge flag.
  void SetEdgeFlag0(uint8_t flag) { SetEdgeFlag(EdgeLeft, flag); }
  void SetEdgeFlag1(uint8_t flag) { SetEdgeFlag(EdgeRight, flag); }
  void SetEdgeFlag2(uint8_t flag) { SetEdgeFlag(EdgeTop, flag); }
  void SetEdgeFlag3(uint8_t flag) { SetEdgeFlag(EdgeBottom, flag); }

  std::unique_ptr<BoundingShape> Duplicate() const override;
  std::unique_ptr<Shape> Clone() const override { return Duplicate(); }

  // Left, right, top, bottom; a set flag makes its edge solid.
  std::array<uint8_t, 4> edgeFlags{1, 1, 1, 1};
  // Kept for the map and the editor; copied by assignment.
  std::array<int32_t, 3> mapValues{};

 private:
  void SetEdgeFlag(EdgeIndex edge, uint8_t flag);
};
