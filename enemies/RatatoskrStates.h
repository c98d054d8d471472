#pragma once

#include <memory>

#include "enemies/EnemyAnimationPool.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "enemies/RatatoskrState.h"

class StrikeQuad;

// The time limits the states draw at entry.
inline constexpr RatatoskrState::LimitDraw RatatoskrBriefLimit{30, 10};
inline constexpr RatatoskrState::LimitDraw RatatoskrRestingLimit{100, 100};
inline constexpr RatatoskrState::LimitDraw RatatoskrLungeLimit{30, 20};
inline constexpr RatatoskrState::LimitDraw RatatoskrLureLimit{30, 50};
inline constexpr RatatoskrState::LimitDraw RatatoskrSkidLimit{30, 60};

// How fast a startled Ratatoskr runs from the player before it turns to bite.
inline constexpr float RatatoskrLuringSpeed = 9.0f;

// Stands still; wanders on a timeout, startles when the player comes close.
class RatatoskrStateIdling : public RatatoskrState {
 public:
  RatatoskrStateIdling(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Lies still after its death; paid its experience on entry.
class RatatoskrStateDead : public RatatoskrState {
 public:
  RatatoskrStateDead(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);
  void Enter() override;
};

// Like idling, but it notices the player from farther away.
class RatatoskrStateCautious : public RatatoskrState {
 public:
  RatatoskrStateCautious(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Runs along its facing until the timeout or the end of its range.
class RatatoskrStateRunning : public RatatoskrState {
 public:
  RatatoskrStateRunning(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Startled by a player behind it; turns away to lure.
class RatatoskrStateBackAlerted : public RatatoskrState {
 public:
  RatatoskrStateBackAlerted(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Startled by a player in front of it; turns away to lure.
class RatatoskrStateFrontAlerted : public RatatoskrState {
 public:
  RatatoskrStateFrontAlerted(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Runs away fast, then gets ready to leap.
class RatatoskrStateLuring : public RatatoskrState {
 public:
  RatatoskrStateLuring(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Crouches; leaps at a player within reach, else gives up.
class RatatoskrStateAttackPrepping : public RatatoskrState {
 public:
  RatatoskrStateAttackPrepping(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// The leap through the air; bites when close, skids on landing.
class RatatoskrStateJumpAttacking : public RatatoskrState {
 public:
  RatatoskrStateJumpAttacking(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// The dash along the ground; bites when close, skids on a timeout.
class RatatoskrStateGroundAttacking : public RatatoskrState {
 public:
  RatatoskrStateGroundAttacking(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Slides to a halt after an attack, then calms down.
class RatatoskrStateSkidding : public RatatoskrState {
 public:
  RatatoskrStateSkidding(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// Flinches; nothing leads here.
class RatatoskrStateHurt : public RatatoskrState {
 public:
  RatatoskrStateHurt(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// In the air until it lands.
class RatatoskrStateFalling : public RatatoskrState {
 public:
  RatatoskrStateFalling(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(const Actor& player, float dt) override;
};

// The bite: one strike in play for the length of the animation. It ends with its animation,
// with or without a player.
class RatatoskrStateAttacking : public RatatoskrState {
 public:
  static constexpr float BiteDamage = 5.0f;
  static constexpr float BiteForce = 14.3f;
  static constexpr float BiteFreeze = 0.1f;

  RatatoskrStateAttacking(Ratatoskr* newOwner, std::unique_ptr<Animation> animation);
  void Enter() override;
  void Update(float dt) override;

  // The strike the bite puts into play.
  StrikeQuad* Bite() const;
};
