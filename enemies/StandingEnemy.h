#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "enemies/Enemy.h"
#include "enemies/EnemyAnimationPool.h"
#include "platform/MathTypes.h"

class StandingState;

// An enemy that stays where it is put (the Nidhogglets and the DemoWall): two states, the
// first of which it starts in, and a physics step that does not follow the ground down. Its
// map line is the common one.
class StandingEnemy : public Enemy {
 public:
  static constexpr int StateCount = 2;
  static constexpr int FirstState = 0;
  static constexpr int SecondState = 1;

  ~StandingEnemy() override;

  void StepPhysics(float dt) override;
  void WriteRecord(std::ostream& out) override;

  // Enters the state of that index and makes it current; no state is left by an exit step.
  void SwitchState(int index);
  // Null for an index outside the table or on a prototype.
  StandingState* GetState(int index) const;

  // The size of the body, which the hit box takes again at every state entry.
  platform::Vector3 bodySize;

 protected:
  explicit StandingEnemy(std::string name);

  // Keeps the pool, makes both states, each with the pool's animation of its index, enters
  // the first and makes it current, then the sprite and the meters.
  template <typename First, typename Second, typename Owner>
  void BeginInPlay(Owner* self, std::unique_ptr<EnemyAnimationPool> newPool) {
    pool = std::move(newPool);
    auto animation = [this](int index) { return pool ? pool->GetAnimation(index) : nullptr; };
    states[FirstState] = std::make_unique<First>(self, animation(FirstState));
    states[SecondState] = std::make_unique<Second>(self, animation(SecondState));
    SwitchState(FirstState);
    MakeSpriteAndMeters();
  }

  // The pool goes after the states, whose animations show its frames.
  std::unique_ptr<EnemyAnimationPool> pool;
  std::array<std::unique_ptr<StandingState>, StateCount> states;
};
