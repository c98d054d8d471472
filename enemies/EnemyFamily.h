#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "actors/State.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyAnimationPool.h"

// How a family leaves its current state for another: by entering the next one only, or by first
// running the current one's exit step, which takes its strikes out of play.
enum class StateSwitch { EnterOnly, ExitFirst };

// What every enemy family shares: the animation pool of an enemy in play and its states in index
// order, each showing the pool's animation of its own index, and the switch between them. A
// prototype has neither.
template <typename StateClass, int Count, StateSwitch Switching = StateSwitch::EnterOnly>
class EnemyFamily : public Enemy {
 public:
  // The state an enemy in play starts in.
  static constexpr int FirstState = 0;

  // Null for an index outside the table and on a prototype.
  StateClass* GetState(int index) const {
    if (index < 0 || index >= Count) return nullptr;
    return states[static_cast<size_t>(index)].get();
  }
  // Enters the state of that index and makes it current. An index without a state changes
  // nothing.
  void SwitchState(int index) {
    StateClass* next = GetState(index);
    if (!next) return;
    if constexpr (Switching == StateSwitch::ExitFirst) {
      if (state) state->Exit();
    }
    EnterState(next);
  }

 protected:
  explicit EnemyFamily(int32_t kind) : Enemy(kind) {}

  // Keeps the pool, makes the family's states, enters the first and makes it current, then the
  // sprite and the meters.
  void BeginInPlay(std::unique_ptr<EnemyAnimationPool> newPool) {
    pool = std::move(newPool);
    MakeStates();
    SwitchState(FirstState);
    MakeSpriteAndMeters();
  }
  // Every state of the family, each with MakeState.
  virtual void MakeStates() = 0;
  // The state of that class at its index, with the pool's animation of that index.
  template <typename Made, typename Owner>
  void MakeState(Owner* owner, int index) {
    states[static_cast<size_t>(index)] =
        std::make_unique<Made>(owner, pool ? pool->GetAnimation(index) : nullptr);
  }

 private:
  // The states go first, then the pool whose frames their animations show, and only then the
  // sprite, hit box and body of the Enemy part, which the states refer to.
  std::unique_ptr<EnemyAnimationPool> pool;
  std::array<std::unique_ptr<StateClass>, Count> states;
};
