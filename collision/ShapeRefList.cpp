#include "collision/ShapeRefList.h"

Listable::~Listable() {
  // Each drop unlinks the entries it removes, so the links run out.
  while (!listedIn_.empty()) listedIn_.back()->Drop(this);
}

void ShapeRefListBase::Unlink(Listable* shape) {
  auto& lists = shape->listedIn_;
  auto found = std::find(lists.begin(), lists.end(), this);
  if (found != lists.end()) lists.erase(found);
}
