#include "enemies/GoblinStates.h"

#include "collision/Boundary.h"
#include "enemies/Goblin.h"

namespace {

constexpr bool Bare = false;

}  // namespace

void Goblin::MakeStates() {
  MakeState<GoblinStateIdling>(this, GoblinIdling);
  MakeState<GoblinStateIdlingWithShield>(this, GoblinIdlingWithShield);
  MakeState<GoblinStateIdleWalking>(this, GoblinIdleWalking);
  MakeState<GoblinStateIdleWalkingWithShield>(this, GoblinIdleWalkingWithShield);
  MakeState<GoblinStateFalling>(this, GoblinFalling);
  MakeState<GoblinStateFallingWithShield>(this, GoblinFallingWithShield);
  MakeState<GoblinStateDead>(this, GoblinDead);
  MakeState<GoblinStateBackAlerted>(this, GoblinBackAlerted);
  MakeState<GoblinStateFrontAlerted>(this, GoblinFrontAlerted);
  MakeState<GoblinStateBackAlertedWithShield>(this, GoblinBackAlertedWithShield);
  MakeState<GoblinStateFrontAlertedWithShield>(this, GoblinFrontAlertedWithShield);
  MakeState<GoblinStateGuarding>(this, GoblinGuarding);
  MakeState<GoblinStateForwardGuardWalking>(this, GoblinForwardGuardWalking);
  MakeState<GoblinStateBackwardGuardWalking>(this, GoblinBackwardGuardWalking);
  MakeState<GoblinStateShieldPushing>(this, GoblinShieldPushing);
  MakeState<GoblinStateAttacking>(this, GoblinAttacking);
  MakeState<GoblinStateAttackingWithShield>(this, GoblinAttackingWithShield);
  MakeState<GoblinStateBlocking>(this, GoblinBlocking);
  MakeState<GoblinStateGuardBreakUp>(this, GoblinGuardBreakUp);
  MakeState<GoblinStateGuardBreakDown>(this, GoblinGuardBreakDown);
  MakeState<GoblinStateGuardBreakUpWithShield>(this, GoblinGuardBreakUpWithShield);
  MakeState<GoblinStateGuardBreakDownWithShield>(this, GoblinGuardBreakDownWithShield);
}

GoblinStateIdling::GoblinStateIdling(Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateIdling(newOwner, L"Goblin: Idling", std::move(animation)) {}

GoblinStateIdling::GoblinStateIdling(Goblin* newOwner, std::wstring label,
                                     std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, std::move(label), std::move(animation), Bare, GoblinRestingWait) {}

void GoblinStateIdling::Update(float dt) {
  StepPrologue(dt);
  if (!LeaveWhenDeadOrFalling()) {
    if (WaitIsOver()) {
      goblin.facing = Coin() == 0 ? -1 : 1;
      SwitchTo(GoblinIdleWalking);
    } else if (const Actor* player = FirstPlayer()) {
      Notice(*player);
    }
  }
  UpdateCommon(dt);
}

GoblinStateIdlingWithShield::GoblinStateIdlingWithShield(Goblin* newOwner,
                                                         std::unique_ptr<Animation> animation)
    : GoblinStateIdling(newOwner, L"Goblin: Idling With Shield", std::move(animation)) {}

GoblinStateIdleWalking::GoblinStateIdleWalking(Goblin* newOwner,
                                               std::unique_ptr<Animation> animation)
    : GoblinStateIdleWalking(newOwner, L"Goblin: Idle Walking", std::move(animation)) {}

GoblinStateIdleWalking::GoblinStateIdleWalking(Goblin* newOwner, std::wstring label,
                                               std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, std::move(label), std::move(animation), Bare, GoblinWalkingWait) {}

void GoblinStateIdleWalking::Update(float dt) {
  StepPrologue(dt);
  if (!LeaveWhenDeadOrFalling()) {
    const Actor* player = FirstPlayer();
    if (WaitIsOver()) {
      SwitchTo(GoblinIdling);
    } else if (player && DistanceTo(*player) <= NoticeInFront) {
      Notice(*player);
    } else {
      RunAt(WalkSpeed, dt);
    }
  }
  UpdateCommon(dt);
}

GoblinStateIdleWalkingWithShield::GoblinStateIdleWalkingWithShield(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateIdleWalking(newOwner, L"Goblin: Idle Walking With Shield", std::move(animation)) {}

GoblinStateFalling::GoblinStateFalling(Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateFalling(newOwner, L"Goblin: Falling", std::move(animation)) {}

GoblinStateFalling::GoblinStateFalling(Goblin* newOwner, std::wstring label,
                                       std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, std::move(label), std::move(animation), Bare) {}

void GoblinStateFalling::Update(float dt) {
  StepPrologue(dt);
  if (HealthSpent()) {
    SwitchTo(GoblinDead);
  } else if (goblin.groundContact) {
    SwitchTo(GoblinIdling);
  }
  UpdateCommon(dt);
}

GoblinStateFallingWithShield::GoblinStateFallingWithShield(Goblin* newOwner,
                                                           std::unique_ptr<Animation> animation)
    : GoblinStateFalling(newOwner, L"Goblin: Falling With Shield", std::move(animation)) {}

GoblinStateDead::GoblinStateDead(Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, L"Goblin: Dead", std::move(animation), Bare) {}

void GoblinStateDead::Enter() {
  GoblinState::Enter();
  goblin.GiveExperience();
}

void GoblinStateDead::Update(float dt) {
  UpdateIdle(dt);
  UpdateCommon(dt);
}

GoblinStateAlerted::GoblinStateAlerted(Goblin* newOwner, std::wstring label,
                                       std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, std::move(label), std::move(animation), Bare, GoblinReactionWait) {}

void GoblinStateAlerted::Update(float dt) {
  StepPrologue(dt);
  if (!LeaveWhenDeadOrFalling() && WaitIsOver()) {
    if (const Actor* player = FirstPlayer()) Face(*player);
    SwitchTo(GoblinGuarding);
  }
  UpdateCommon(dt);
}

GoblinStateBackAlerted::GoblinStateBackAlerted(Goblin* newOwner,
                                               std::unique_ptr<Animation> animation)
    : GoblinStateAlerted(newOwner, L"Goblin: Back Alerted", std::move(animation)) {}

GoblinStateFrontAlerted::GoblinStateFrontAlerted(Goblin* newOwner,
                                                 std::unique_ptr<Animation> animation)
    : GoblinStateAlerted(newOwner, L"Goblin: Front Alerted", std::move(animation)) {}

GoblinStateBackAlertedWithShield::GoblinStateBackAlertedWithShield(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateAlerted(newOwner, L"Goblin: Back Alerted With Shield", std::move(animation)) {}

GoblinStateFrontAlertedWithShield::GoblinStateFrontAlertedWithShield(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateAlerted(newOwner, L"Goblin: Front Alerted With Shield", std::move(animation)) {}

GoblinStateGuardBreak::GoblinStateGuardBreak(Goblin* newOwner, std::wstring label,
                                             std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, std::move(label), std::move(animation), Bare, GoblinRestingWait) {}

void GoblinStateGuardBreak::Update(float dt) {
  StepPrologue(dt);
  if (HealthSpent()) {
    SwitchTo(GoblinDead);
  } else if (WaitIsOver()) {
    SwitchTo(GoblinIdling);
  }
  UpdateCommon(dt);
}

GoblinStateGuardBreakUp::GoblinStateGuardBreakUp(Goblin* newOwner,
                                                 std::unique_ptr<Animation> animation)
    : GoblinStateGuardBreak(newOwner, L"Goblin: Guard Break Up", std::move(animation)) {}

GoblinStateGuardBreakDown::GoblinStateGuardBreakDown(Goblin* newOwner,
                                                     std::unique_ptr<Animation> animation)
    : GoblinStateGuardBreak(newOwner, L"Goblin: Guard Break Down", std::move(animation)) {}

GoblinStateGuardBreakUpWithShield::GoblinStateGuardBreakUpWithShield(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateGuardBreak(newOwner, L"Goblin: Guard Break Up With Shield", std::move(animation)) {
}

GoblinStateGuardBreakDownWithShield::GoblinStateGuardBreakDownWithShield(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateGuardBreak(newOwner, L"Goblin: Guard Break Down With Shield",
                            std::move(animation)) {}
