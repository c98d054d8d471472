#include "collision/Hit.h"

#include "collision/ShapeCopy.h"

bool Hit::Contains(const StrikeShape* strike) const { return hitList.Contains(strike); }

void Hit::Forget(const StrikeShape* strike) { hitList.RemoveFirst(strike); }

std::unique_ptr<HitShape> HitQuad::Duplicate() const {
  auto copy = std::make_unique<HitQuad>();
  CopyShapeData<Quad>(*this, *copy);
  return copy;
}
