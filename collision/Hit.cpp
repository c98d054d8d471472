#include "collision/Hit.h"

#include <algorithm>

#include "collision/ShapeCopy.h"
#include "collision/Strike.h"

bool Hit::Contains(const StrikeShape* strike) const {
  return std::find(hitList.begin(), hitList.end(), strike) != hitList.end();
}

void Hit::Forget(const StrikeShape* strike) {
  auto found = std::find(hitList.begin(), hitList.end(), strike);
  if (found != hitList.end()) hitList.erase(found);
}

HitShape::~HitShape() {
  for (StrikeShape* strike : hitList) {
    auto& struck = strike->hitList;
    struck.erase(std::remove(struck.begin(), struck.end(), this), struck.end());
  }
}

std::unique_ptr<HitShape> HitQuad::Duplicate() const {
  auto copy = std::make_unique<HitQuad>();
  CopyShapeData<Quad>(*this, *copy);
  return copy;
}
