#include "enemies/DemoGoblinStates.h"

#include <cmath>

#include "collision/Boundary.h"
#include "collision/Strike.h"
#include "enemies/DemoGoblin.h"

namespace {

// Reaches at which a player is noticed, in front and behind, standing and walking.
constexpr float IdleNoticeInFront = 5.0f;
constexpr float IdleNoticeBehind = 3.5f;
constexpr float WalkNoticeInFront = 7.0f;
constexpr float WalkNoticeBehind = 5.5f;
constexpr float WalkSpeed = 2.5f;

// The swing's wind-up and its live frame; its last frame is instant.
constexpr float WindUp = 0.33333334f;
constexpr float SwingLive = 1.0f / 30.0f;

constexpr StrikeValues Swing{3.14526f, 2.62887f, {1.6f, 0.2f, 0.0f}, 15.0f, 10.0f, 0.1f};
constexpr platform::Vector3 SwingBias{1.0f, 1.5f, 0.0f};
constexpr float SwingStaminaDamage = 20.0f;

}  // namespace

void DemoGoblin::MakeStates() {
  MakeState<DemoGoblinStateIdling>(this, DemoGoblinIdling);
  MakeState<DemoGoblinStateIdleWalking>(this, DemoGoblinIdleWalking);
  MakeState<DemoGoblinStateFalling>(this, DemoGoblinFalling);
  MakeState<DemoGoblinStateDead>(this, DemoGoblinDead);
  MakeState<DemoGoblinStateBackAlerted>(this, DemoGoblinBackAlerted);
  MakeState<DemoGoblinStateFrontAlerted>(this, DemoGoblinFrontAlerted);
  MakeState<DemoGoblinStateAttacking>(this, DemoGoblinAttacking);
  MakeState<DemoGoblinStateGuardBreakUp>(this, DemoGoblinGuardBreakUp);
  MakeState<DemoGoblinStateGuardBreakDown>(this, DemoGoblinGuardBreakDown);
  MakeState<DemoGoblinStateAlertIdling>(this, DemoGoblinAlertIdling);
  MakeState<DemoGoblinStateAlertWalking>(this, DemoGoblinAlertWalking);
}

DemoGoblinStateIdling::DemoGoblinStateIdling(DemoGoblin* newOwner,
                                             std::unique_ptr<Animation> animation)
    : DemoGoblinStateIdling(newOwner, L"DemoGoblin: Idling", std::move(animation)) {}

DemoGoblinStateIdling::DemoGoblinStateIdling(DemoGoblin* newOwner, std::wstring label,
                                             std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, std::move(label), std::move(animation), DemoGoblinRestingWait) {}

void DemoGoblinStateIdling::Decide(float) {
  if (LeaveWhenDeadOrFalling()) return;
  if (WaitIsOver()) {
    demoGoblin.facing = Coin() == 0 ? -1 : 1;
    SwitchTo(DemoGoblinIdleWalking);
  } else if (const Actor* player = FirstPlayer()) {
    Notice(*player, IdleNoticeInFront, IdleNoticeBehind);
  }
}

DemoGoblinStateAlertIdling::DemoGoblinStateAlertIdling(DemoGoblin* newOwner,
                                                       std::unique_ptr<Animation> animation)
    : DemoGoblinStateIdling(newOwner, L"DemoGoblin: Alert Idling", std::move(animation)) {}

DemoGoblinStateIdleWalking::DemoGoblinStateIdleWalking(DemoGoblin* newOwner,
                                                       std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, L"DemoGoblin: Idle Walking", std::move(animation),
                      DemoGoblinWalkingWait) {}

void DemoGoblinStateIdleWalking::Decide(float dt) {
  if (LeaveWhenDeadOrFalling()) return;
  const Actor* player = FirstPlayer();
  if (WaitIsOver()) {
    SwitchTo(DemoGoblinIdling);
  } else if (player && DistanceTo(*player) <= WalkNoticeInFront) {
    // Within the front reach it stops driving its walk, whether it notices the player or not.
    Notice(*player, WalkNoticeInFront, WalkNoticeBehind);
  } else {
    RunAt(WalkSpeed, dt);
  }
}

DemoGoblinStateFalling::DemoGoblinStateFalling(DemoGoblin* newOwner,
                                               std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, L"DemoGoblin: Falling", std::move(animation)) {}

void DemoGoblinStateFalling::Decide(float) {
  if (HealthSpent()) {
    SwitchTo(DemoGoblinDead);
  } else if (demoGoblin.groundContact) {
    SwitchTo(DemoGoblinIdling);
  }
}

DemoGoblinStateDead::DemoGoblinStateDead(DemoGoblin* newOwner,
                                         std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, L"DemoGoblin: Dead", std::move(animation)) {}

void DemoGoblinStateDead::Enter() {
  Restart();
  demoGoblin.GiveExperience();
  demoGoblin.Resize(DemoGoblin::DeadSize);
}

void DemoGoblinStateDead::Update(float dt) {
  UpdateIdle(dt);
  PlaceStrikeShape();
}

DemoGoblinStateAlerted::DemoGoblinStateAlerted(DemoGoblin* newOwner, std::wstring label,
                                               std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, std::move(label), std::move(animation), DemoGoblinReactionWait) {}

void DemoGoblinStateAlerted::Decide(float) {
  if (LeaveWhenDeadOrFalling() || !WaitIsOver()) return;
  if (const Actor* player = FirstPlayer()) demoGoblin.facing = SideOf(*player);
  SwitchTo(DemoGoblinAlertWalking);
}

DemoGoblinStateBackAlerted::DemoGoblinStateBackAlerted(DemoGoblin* newOwner,
                                                       std::unique_ptr<Animation> animation)
    : DemoGoblinStateAlerted(newOwner, L"DemoGoblin: Back Alerted", std::move(animation)) {}

DemoGoblinStateFrontAlerted::DemoGoblinStateFrontAlerted(DemoGoblin* newOwner,
                                                         std::unique_ptr<Animation> animation)
    : DemoGoblinStateAlerted(newOwner, L"DemoGoblin: Front Alerted", std::move(animation)) {}

DemoGoblinStateAlertWalking::DemoGoblinStateAlertWalking(DemoGoblin* newOwner,
                                                         std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, L"DemoGoblin: Alert Walking", std::move(animation),
                      DemoGoblinWalkingWait) {}

void DemoGoblinStateAlertWalking::Decide(float dt) {
  if (LeaveWhenDeadOrFalling()) return;
  const Actor* player = FirstPlayer();
  const float dx = player ? player->body->position.x - demoGoblin.body->position.x : 0.0f;
  if (WaitIsOver()) {
    SwitchTo(DemoGoblinAlertIdling);
  } else if (player && std::fabs(dx) <= AttackReach) {
    demoGoblin.facing = dx < 0.0f ? -1 : 1;
    SwitchTo(DemoGoblinAttacking);
  } else {
    RunAt(WalkSpeed, dt);
  }
}

DemoGoblinStateAttacking::DemoGoblinStateAttacking(DemoGoblin* newOwner,
                                                   std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, L"DemoGoblin: Attacking", std::move(animation)),
      strike(AddStrikeQuad(Swing, SwingBias, SwingStaminaDamage)) {
  StrikeShape* blank = AddBlankStrike();
  BuildStrikeFrames({{L"Forward Attack pFrame0", WindUp, blank},
                     {L"Forward Attack pFrame1", SwingLive, strike},
                     {L"Forward Attack pFrame2", 0.0f, blank}});
}

void DemoGoblinStateAttacking::Enter() {
  DemoGoblinState::Enter();
  PutFirstStrikeInPlay();
}

void DemoGoblinStateAttacking::Update(float dt) {
  UpdateIdle(dt);
  StepStrikeFrames(dt);
  CheckIncomingHits();
  if (HealthSpent()) {
    Exit();
    SwitchTo(DemoGoblinDead);
  } else if (!demoGoblin.groundContact) {
    Exit();
    SwitchTo(DemoGoblinFalling);
  } else if (stateTime > animationLength) {
    Exit();
    SwitchTo(DemoGoblinAlertIdling);
  }
  PlaceStrikeShape();
}

DemoGoblinStateGuardBreak::DemoGoblinStateGuardBreak(DemoGoblin* newOwner, std::wstring label,
                                                     std::unique_ptr<Animation> animation)
    : DemoGoblinState(newOwner, std::move(label), std::move(animation), DemoGoblinRestingWait) {}

void DemoGoblinStateGuardBreak::Decide(float) {
  if (HealthSpent()) {
    SwitchTo(DemoGoblinDead);
  } else if (WaitIsOver()) {
    SwitchTo(DemoGoblinIdling);
  }
}

DemoGoblinStateGuardBreakUp::DemoGoblinStateGuardBreakUp(DemoGoblin* newOwner,
                                                         std::unique_ptr<Animation> animation)
    : DemoGoblinStateGuardBreak(newOwner, L"DemoGoblin: Guard Break Up", std::move(animation)) {}

DemoGoblinStateGuardBreakDown::DemoGoblinStateGuardBreakDown(
    DemoGoblin* newOwner, std::unique_ptr<Animation> animation)
    : DemoGoblinStateGuardBreak(newOwner, L"DemoGoblin: Guard Break Down", std::move(animation)) {}
