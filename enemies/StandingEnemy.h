#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "actors/Enemy.h"
#include "actors/EnemyAnimationPool.h"
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

  void DrawDebugInfo() override { DrawDebugShapes(); }
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

  // The pool's animation of that number; null without a pool.
  std::unique_ptr<Animation> TakeAnimation(int number) const;
  // With the pool kept and both states made: enters the first state and makes it current,
  // then the sprite and the meters.
  void BeginInFirstState();

  // The pool goes after the states, whose animations show its frames.
  std::unique_ptr<EnemyAnimationPool> pool;
  std::array<std::unique_ptr<StandingState>, StateCount> states;
};
