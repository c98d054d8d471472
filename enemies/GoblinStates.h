#pragma once

#include <memory>

#include "enemies/EnemyAnimationPool.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/GoblinState.h"

class StrikeQuad;

// The waits the states draw at entry.
inline constexpr EnemyState::LimitDraw GoblinRestingWait{100, 100};
inline constexpr EnemyState::LimitDraw GoblinWalkingWait{100, 200};
inline constexpr EnemyState::LimitDraw GoblinReactionWait{20, 35};
inline constexpr EnemyState::LimitDraw GoblinBlockingWait{50, 100};

// Stands; wanders off on a timeout, notices the player.
class GoblinStateIdling : public GoblinState {
 public:
  GoblinStateIdling(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;

 protected:
  GoblinStateIdling(Goblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation);
};

class GoblinStateIdlingWithShield : public GoblinStateIdling {
 public:
  GoblinStateIdlingWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

// Walks along its facing until the timeout; notices the player instead of walking.
class GoblinStateIdleWalking : public GoblinState {
 public:
  GoblinStateIdleWalking(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;

 protected:
  GoblinStateIdleWalking(Goblin* newOwner, std::wstring label,
                         std::unique_ptr<Animation> animation);
};

class GoblinStateIdleWalkingWithShield : public GoblinStateIdleWalking {
 public:
  GoblinStateIdleWalkingWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

// In the air until it lands.
class GoblinStateFalling : public GoblinState {
 public:
  GoblinStateFalling(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;

 protected:
  GoblinStateFalling(Goblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation);
};

class GoblinStateFallingWithShield : public GoblinStateFalling {
 public:
  GoblinStateFallingWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

// Lies where it fell, taking no more strikes; paid its experience on entry.
class GoblinStateDead : public GoblinState {
 public:
  GoblinStateDead(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Enter() override;
  void Update(float dt) override;
};

// The four alerted states: after a moment of surprise the goblin turns to the player and guards.
class GoblinStateAlerted : public GoblinState {
 public:
  void Update(float dt) override;

 protected:
  GoblinStateAlerted(Goblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation);
};

class GoblinStateBackAlerted : public GoblinStateAlerted {
 public:
  GoblinStateBackAlerted(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

class GoblinStateFrontAlerted : public GoblinStateAlerted {
 public:
  GoblinStateFrontAlerted(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

class GoblinStateBackAlertedWithShield : public GoblinStateAlerted {
 public:
  GoblinStateBackAlertedWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

class GoblinStateFrontAlertedWithShield : public GoblinStateAlerted {
 public:
  GoblinStateFrontAlertedWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

// Shield up, facing the player; blocks, then picks its next move.
class GoblinStateGuarding : public GoblinState {
 public:
  GoblinStateGuarding(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;
};

// Walks towards the player behind the shield until within its stopping distance.
class GoblinStateForwardGuardWalking : public GoblinState {
 public:
  GoblinStateForwardGuardWalking(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;
};

// Backs away from the player behind the shield.
class GoblinStateBackwardGuardWalking : public GoblinState {
 public:
  GoblinStateBackwardGuardWalking(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;
};

// Has just stopped a strike with the shield; then picks its next move as a guard does.
class GoblinStateBlocking : public GoblinState {
 public:
  GoblinStateBlocking(Goblin* newOwner, std::unique_ptr<Animation> animation);
  void Update(float dt) override;
};

// The three states that swing: one strike in play while its live frame lasts, taken back on
// every way out. They end once their animation has run its length.
class GoblinStateStriking : public GoblinState {
 public:
  void Enter() override;
  void Update(float dt) override;

  // The strike of the live frame.
  StrikeQuad* Strike() const { return strike; }

 protected:
  // The frames of a swing: the wind-up, the live frame and the end, named and timed.
  using FrameNames = std::array<const wchar_t*, 3>;
  using FrameTimes = std::array<float, 3>;

  GoblinStateStriking(Goblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation,
                      bool shielded, const StrikeValues& values, const platform::Vector3& bias);
  // Every striking state builds its swing once, as it is made.
  void BuildSwing(const FrameNames& names, const FrameTimes& times);
  // What follows once the swing is over; its strikes are out of play by then.
  virtual void Finish();

  StrikeQuad* strike;
};

// Shoves with the shield; attacks a player still within reach when the shove ends.
class GoblinStateShieldPushing : public GoblinStateStriking {
 public:
  static constexpr float AttackReach = 3.5f;

  GoblinStateShieldPushing(Goblin* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Finish() override;
};

// A swing of the weapon; then back to guarding.
class GoblinStateAttacking : public GoblinStateStriking {
 public:
  GoblinStateAttacking(Goblin* newOwner, std::unique_ptr<Animation> animation);

 protected:
  static constexpr FrameNames SwingFrames{L"Forward Attack pFrame0", L"Forward Attack pFrame1",
                                          L"Forward Attack pFrame2"};

  // Without its swing, which the concrete state builds.
  GoblinStateAttacking(Goblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation);
};

// Its swing follows its animation: the wind-up and the live frame last as long as the first two
// pictures.
class GoblinStateAttackingWithShield : public GoblinStateAttacking {
 public:
  GoblinStateAttackingWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

// The four guard breaks: staggered, open to every strike, until the break's time is over.
class GoblinStateGuardBreak : public GoblinState {
 public:
  void Update(float dt) override;

 protected:
  GoblinStateGuardBreak(Goblin* newOwner, std::wstring label,
                        std::unique_ptr<Animation> animation);
};

class GoblinStateGuardBreakUp : public GoblinStateGuardBreak {
 public:
  GoblinStateGuardBreakUp(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

class GoblinStateGuardBreakDown : public GoblinStateGuardBreak {
 public:
  GoblinStateGuardBreakDown(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

class GoblinStateGuardBreakUpWithShield : public GoblinStateGuardBreak {
 public:
  GoblinStateGuardBreakUpWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};

class GoblinStateGuardBreakDownWithShield : public GoblinStateGuardBreak {
 public:
  GoblinStateGuardBreakDownWithShield(Goblin* newOwner, std::unique_ptr<Animation> animation);
};
