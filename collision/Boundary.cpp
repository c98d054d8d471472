#include "collision/Boundary.h"

#include "collision/ShapeCopy.h"

namespace {

// The outline colours of a solid and of a switched-off edge.
constexpr Color4 SolidEdgeColor{255, 0, 0, 0};
constexpr Color4 OpenEdgeColor{255, 0, 0, 255};

}  // namespace

Boundary::Boundary() { kind = KindBoundary; }

Boundary::Boundary(const Boundary& other) : Primitive(), Interactive() {
  kind = KindBoundary;
  *this = other;
}

Boundary& Boundary::operator=(const Boundary& other) {
  if (this == &other) return *this;
  footPointPushOut = other.footPointPushOut;
  partialEdges = other.partialEdges;
  mapValue1 = other.mapValue1;
  mapValue2 = other.mapValue2;
  passThroughList = other.passThroughList;
  pushingList = other.pushingList;
  ignoreList = other.ignoreList;
  return *this;
}

void Boundary::AddUnique(BoundingShape* shape) { passThroughList.AddUnique(shape); }

BoundingCircle::BoundingCircle() = default;

BoundingCircle::BoundingCircle(const BoundingCircle& other)
    : Primitive(), Interactive(), Boundary(), Shape(), BoundingShape(), Circle() {
  *this = other;
}

BoundingCircle& BoundingCircle::operator=(const BoundingCircle& other) {
  if (this == &other) return *this;
  Boundary::operator=(other);
  Circle::operator=(other);
  return *this;
}

std::unique_ptr<BoundingShape> BoundingCircle::Duplicate() const {
  auto copy = std::make_unique<BoundingCircle>();
  copy->Boundary::operator=(*this);
  copy->wallFlag = wallFlag;
  CopyShapeData<Circle>(*this, *copy);
  return copy;
}

BoundingQuad::BoundingQuad() { wallFlag = 1; }

BoundingQuad::BoundingQuad(const BoundingQuad& other)
    : Primitive(), Interactive(), Boundary(), Shape(), BoundingShape(), Quad() {
  wallFlag = 1;
  *this = other;
}

BoundingQuad& BoundingQuad::operator=(const BoundingQuad& other) {
  if (this == &other) return *this;
  Boundary::operator=(other);
  Quad::operator=(other);
  // The quad's copy repaints its outline in one colour: the edge colours are carried over.
  for (size_t i = 0; i < worldOutline.size(); ++i) {
    worldOutline[i].color = other.worldOutline[i].color;
    screenOutline[i].color = other.screenOutline[i].color;
  }
  mapValues = other.mapValues;
  edgeFlags = other.edgeFlags;
  wallFlag = other.wallFlag;
  return *this;
}

std::unique_ptr<BoundingShape> BoundingQuad::Duplicate() const {
  auto copy = std::make_unique<BoundingQuad>();
  copy->Boundary::operator=(*this);
  copy->wallFlag = wallFlag;
  CopyShapeData<Quad>(*this, *copy);
  return copy;
}

void BoundingQuad::SetEdgeFlag(EdgeIndex edge, uint8_t flag) {
  edgeFlags[edge] = flag;
  if (!flag) partialEdges = 1;
  // The flags are ordered left, right, top, bottom.
  constexpr Edge ShapeEdgeOf[4] = {Shape::EdgeLeft, Shape::EdgeRight, Shape::EdgeTop,
                                   Shape::EdgeBottom};
  PaintEdge(ShapeEdgeOf[edge], (flag ? SolidEdgeColor : OpenEdgeColor).ToD3DColor());
}
