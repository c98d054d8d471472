#pragma once

#include <memory>

#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoEnemyState.h"
#include "enemies/EnemyAnimationPool.h"

// Stands and picks its move: falls off an edge, jumps to a player high above, dashes at a far
// one, and attacks one at hand, upward when the player is close or above, else low.
class DemoEnemyStateIdling : public DemoEnemyState {
 public:
  DemoEnemyStateIdling(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// Closes in along the ground, without a time limit, until it can strike, jump or falls.
class DemoEnemyStateDashing : public DemoEnemyState {
 public:
  DemoEnemyStateDashing(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// A state that holds until the enemy leaves the ground, then falls.
class DemoEnemyStateHolding : public DemoEnemyState {
 public:
  using DemoEnemyState::DemoEnemyState;

 protected:
  void Decide(float dt) override;
};

// Slides on with the speed it came with until it leaves the ground; nothing leads here.
class DemoEnemyStateBackDashing : public DemoEnemyStateHolding {
 public:
  DemoEnemyStateBackDashing(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

// The same, and no strike touches it meanwhile; nothing leads here.
class DemoEnemyStateDodging : public DemoEnemyStateHolding {
 public:
  DemoEnemyStateDodging(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

// The guard stance: it takes hits as anywhere else and holds until it falls or breaks; nothing
// leads here.
class DemoEnemyStateGuarding : public DemoEnemyStateHolding {
 public:
  DemoEnemyStateGuarding(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

// Broken by a spent meter: lies down when its health is gone and it has been on the ground a
// moment, drifts away from the player in the air, and recovers once its stamina is back.
class DemoEnemyStateGuardBreak : public DemoEnemyState {
 public:
  // Breaking rising goes on to the recovery even with no health left; breaking falling does not.
  enum class Variant { Up, Down };

  DemoEnemyStateGuardBreak(DemoEnemy* newOwner, std::unique_ptr<Animation> animation,
                           Variant variant);

 protected:
  void Decide(float dt) override;

 private:
  Variant variant;
};

class DemoEnemyStateGuardBreakUp : public DemoEnemyStateGuardBreak {
 public:
  DemoEnemyStateGuardBreakUp(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

class DemoEnemyStateGuardBreakDown : public DemoEnemyStateGuardBreak {
 public:
  DemoEnemyStateGuardBreakDown(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

// In the air, choosing its air attack by where the player is. Jumping drifts after a far
// player and falls once it sinks; Falling jumps again or air dashes at a far one.
class DemoEnemyStateAirborne : public DemoEnemyState {
 public:
  enum class Variant { Jumping, Falling };

  DemoEnemyStateAirborne(DemoEnemy* newOwner, std::wstring label,
                         std::unique_ptr<Animation> animation, Variant variant);

 protected:
  void Decide(float dt) override;

 private:
  void DecideFar(const Actor& player, float dt);

  Variant variant;
};

class DemoEnemyStateJumping : public DemoEnemyStateAirborne {
 public:
  DemoEnemyStateJumping(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

class DemoEnemyStateFalling : public DemoEnemyStateAirborne {
 public:
  DemoEnemyStateFalling(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};

// Flies level at a far player for its dash time, or jumps on when the player is high above.
class DemoEnemyStateAirDashing : public DemoEnemyState {
 public:
  DemoEnemyStateAirDashing(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

  // Seconds the dash lasts: the owner's air dash time when the state was built.
  const float dashTime;

 protected:
  void Decide(float dt) override;
};

// Beaten: lies with a hit box of no size until something takes it off the ground.
class DemoEnemyStateDowned : public DemoEnemyStateHolding {
 public:
  DemoEnemyStateDowned(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);
};
