#pragma once

#include <memory>

#include "engine/draw/Shape.h"

// Gives a volume's copy the shape data that the shape class's own Clone would give it.
template <typename ShapeClass>
void CopyShapeData(const ShapeClass& source, ShapeClass& copy) {
  std::unique_ptr<Shape> plain = source.ShapeClass::Clone();
  copy.ShapeClass::operator=(dynamic_cast<const ShapeClass&>(*plain));
  copy.id = 0;
}
