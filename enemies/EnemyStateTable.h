#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "enemies/EnemyAnimationPool.h"

// An enemy's animation pool and its states in index order. Each state shows the pool's
// animation of its own index. The states go first, since their animations show the pool's
// frames.
template <typename StateBase, size_t Count>
struct EnemyStateTable {
  explicit EnemyStateTable(std::unique_ptr<EnemyAnimationPool> newPool)
      : pool(std::move(newPool)) {}

  // The state of that class at its index.
  template <typename StateClass, typename Owner>
  void Make(Owner* owner, int index) {
    states[static_cast<size_t>(index)] =
        std::make_unique<StateClass>(owner, pool ? pool->GetAnimation(index) : nullptr);
  }
  // Null outside the table.
  StateBase* Get(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= Count) return nullptr;
    return states[static_cast<size_t>(index)].get();
  }

  std::unique_ptr<EnemyAnimationPool> pool;
  std::array<std::unique_ptr<StateBase>, Count> states;
};
