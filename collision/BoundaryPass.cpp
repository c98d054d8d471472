#include "collision/BoundaryPass.h"

#include <algorithm>

#include "collision/Boundary.h"
#include "collision/PushOut.h"

using platform::Vector3;

namespace {

bool HasMoved(const Shape& shape) { return !(shape.position == shape.previousPosition); }

}  // namespace

void PushOutOfBoundary(BoundingShape& boundary, BoundingShape& mover, BoundingShape** touched) {
  if (boundary.ignoreList.Contains(&mover)) return;
  const float dx = boundary.position.x - mover.position.x;
  const float dy = boundary.position.y - mover.position.y;
  const float reach = boundary.extent + mover.extent;
  if (dx * dx + dy * dy >= reach * reach || (!HasMoved(boundary) && !HasMoved(mover))) {
    mover.passThroughList.RemoveFirst(&boundary);
    mover.pushingList.RemoveFirst(&boundary);
    return;
  }
  BoundingShape* pusher = nullptr;
  bool hold = false;
  const Vector3 push = ComputePushOut(&mover, &boundary, &pusher, &hold);
  mover.SetPosition(mover.position + push);
  if (push == Vector3{}) {
    mover.pushingList.RemoveFirst(&boundary);
  } else {
    if (touched) *touched = pusher;
    mover.pushingList.AddUnique(&boundary);
  }
  if (hold) {
    mover.passThroughList.AddUnique(&boundary);
  } else {
    mover.passThroughList.RemoveFirst(&boundary);
  }
}

void PushOutOfLevelBoundaries(const BoundaryGrid::Boundaries& boundaries, const BoundaryGrid& grid,
                              BoundingShape& mover, BoundingShape** touched) {
  thread_local std::vector<uint32_t> listed;
  thread_local std::vector<uint32_t> near;
  // A listed boundary leaves the lists at its own step however far it is.
  listed.clear();
  for (const auto* list : {&mover.passThroughList, &mover.pushingList}) {
    for (BoundingShape* boundary : *list) {
      if (auto index = grid.IndexOf(boundary)) listed.push_back(*index);
    }
  }
  std::sort(listed.begin(), listed.end());
  size_t next = 0;
  bool moved = true;
  // The offer holds while the mover stays where it was asked for; a push asks again.
  while (moved) {
    moved = false;
    grid.Near(mover.position.x, mover.position.y, mover.extent, next, near);
    const size_t offered = near.size();
    for (uint32_t index : listed) {
      if (index >= next) near.push_back(index);
    }
    std::inplace_merge(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(offered), near.end());
    near.erase(std::unique(near.begin(), near.end()), near.end());
    for (uint32_t index : near) {
      const Vector3 before = mover.position;
      PushOutOfBoundary(*boundaries[index], mover, touched);
      next = index + 1;
      if (!(mover.position == before)) {
        moved = true;
        break;
      }
    }
  }
}
