#pragma once

#include <memory>

#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/DemoGoblinState.h"
#include "enemies/EnemyAnimationPool.h"

class StrikeQuad;

// The waits the states draw at entry.
inline constexpr EnemyState::LimitDraw DemoGoblinRestingWait{100, 100};
inline constexpr EnemyState::LimitDraw DemoGoblinWalkingWait{100, 200};
inline constexpr EnemyState::LimitDraw DemoGoblinReactionWait{20, 35};

// Stands; wanders off on a timeout, notices a player in front within 5 or behind within 3.5.
class DemoGoblinStateIdling : public DemoGoblinState {
 public:
  DemoGoblinStateIdling(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);

 protected:
  DemoGoblinStateIdling(DemoGoblin* newOwner, std::wstring label,
                        std::unique_ptr<Animation> animation);
  void Decide(float dt) override;
};

// Idling after a swing.
class DemoGoblinStateAlertIdling : public DemoGoblinStateIdling {
 public:
  DemoGoblinStateAlertIdling(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
};

// Walks along its facing while the player is far; notices a player in front within 7 or
// behind within 5.5.
class DemoGoblinStateIdleWalking : public DemoGoblinState {
 public:
  DemoGoblinStateIdleWalking(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// In the air until it lands.
class DemoGoblinStateFalling : public DemoGoblinState {
 public:
  DemoGoblinStateFalling(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// Lies where it fell, flat, taking no more strikes; paid its experience on entry.
class DemoGoblinStateDead : public DemoGoblinState {
 public:
  DemoGoblinStateDead(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
  void Enter() override;
  void Update(float dt) override;
};

// Both alerted states: after a moment of surprise it turns to the player and walks up.
class DemoGoblinStateAlerted : public DemoGoblinState {
 protected:
  DemoGoblinStateAlerted(DemoGoblin* newOwner, std::wstring label,
                         std::unique_ptr<Animation> animation);
  void Decide(float dt) override;
};

class DemoGoblinStateBackAlerted : public DemoGoblinStateAlerted {
 public:
  DemoGoblinStateBackAlerted(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
};

class DemoGoblinStateFrontAlerted : public DemoGoblinStateAlerted {
 public:
  DemoGoblinStateFrontAlerted(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
};

// Walks up to the player and swings once it is within reach along x.
class DemoGoblinStateAlertWalking : public DemoGoblinState {
 public:
  static constexpr float AttackReach = 3.5f;

  DemoGoblinStateAlertWalking(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// One forward swing: its strike is in play for one frame of the swing and taken back on every
// way out.
class DemoGoblinStateAttacking : public DemoGoblinState {
 public:
  DemoGoblinStateAttacking(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
  void Enter() override;
  void Update(float dt) override;

  StrikeQuad* Strike() const { return strike; }

 private:
  StrikeQuad* strike;
};

// The two guard breaks, which no decision leads to: staggered until the break's time is over.
class DemoGoblinStateGuardBreak : public DemoGoblinState {
 protected:
  DemoGoblinStateGuardBreak(DemoGoblin* newOwner, std::wstring label,
                            std::unique_ptr<Animation> animation);
  void Decide(float dt) override;
};

class DemoGoblinStateGuardBreakUp : public DemoGoblinStateGuardBreak {
 public:
  DemoGoblinStateGuardBreakUp(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
};

class DemoGoblinStateGuardBreakDown : public DemoGoblinStateGuardBreak {
 public:
  DemoGoblinStateGuardBreakDown(DemoGoblin* newOwner, std::unique_ptr<Animation> animation);
};
