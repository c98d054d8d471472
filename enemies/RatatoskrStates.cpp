#include "enemies/RatatoskrStates.h"

#include "collision/Boundary.h"
#include "enemies/Ratatoskr.h"

namespace {

using Prelude = RatatoskrState::Prelude;

constexpr RatatoskrState::LimitDraw NoLimit{};

// Distances at which a resting Ratatoskr notices the player in front of it and behind it.
constexpr float IdleAlertInFront = 3.0f;
constexpr float IdleAlertBehind = 2.5f;
constexpr float CautiousAlertInFront = 4.0f;
constexpr float CautiousAlertBehind = 3.2f;

constexpr float RunningSpeed = 5.5f;

}  // namespace

void Ratatoskr::MakeStates() {
  MakeState<RatatoskrStateIdling>(this, RatatoskrIdling);
  MakeState<RatatoskrStateDead>(this, RatatoskrDead);
  MakeState<RatatoskrStateCautious>(this, RatatoskrCautious);
  MakeState<RatatoskrStateRunning>(this, RatatoskrRunning);
  MakeState<RatatoskrStateBackAlerted>(this, RatatoskrBackAlerted);
  MakeState<RatatoskrStateFrontAlerted>(this, RatatoskrFrontAlerted);
  MakeState<RatatoskrStateLuring>(this, RatatoskrLuring);
  MakeState<RatatoskrStateAttackPrepping>(this, RatatoskrAttackPrepping);
  MakeState<RatatoskrStateJumpAttacking>(this, RatatoskrJumpAttacking);
  MakeState<RatatoskrStateGroundAttacking>(this, RatatoskrGroundAttacking);
  MakeState<RatatoskrStateSkidding>(this, RatatoskrSkidding);
  MakeState<RatatoskrStateHurt>(this, RatatoskrHurt);
  MakeState<RatatoskrStateFalling>(this, RatatoskrFalling);
  MakeState<RatatoskrStateAttacking>(this, RatatoskrAttacking);
}

RatatoskrStateIdling::RatatoskrStateIdling(Ratatoskr* newOwner,
                                           std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Idling", std::move(animation), RatatoskrRestingLimit) {}

void RatatoskrStateIdling::Decide(const Actor& player, float) {
  DecideWhileResting(player, RatatoskrCautious, IdleAlertInFront, IdleAlertBehind);
}

RatatoskrStateDead::RatatoskrStateDead(Ratatoskr* newOwner, std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Dead", std::move(animation), NoLimit,
                     Prelude::Animation) {}

void RatatoskrStateDead::Enter() {
  RatatoskrState::Enter();
  ratatoskr.GiveExperience();
}

RatatoskrStateCautious::RatatoskrStateCautious(Ratatoskr* newOwner,
                                               std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Cautious", std::move(animation),
                     RatatoskrRestingLimit) {}

void RatatoskrStateCautious::Decide(const Actor& player, float) {
  DecideWhileResting(player, RatatoskrIdling, CautiousAlertInFront, CautiousAlertBehind);
}

RatatoskrStateRunning::RatatoskrStateRunning(Ratatoskr* newOwner,
                                             std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Cautious", std::move(animation), RatatoskrBriefLimit) {}

void RatatoskrStateRunning::Decide(const Actor&, float dt) {
  if (TimedOut()) {
    SwitchByCoin(RatatoskrIdling, RatatoskrCautious);
    return;
  }
  const float x = ratatoskr.body->position.x;
  const bool leftRange =
      ratatoskr.facing == -1 ? x < ratatoskr.leftBound : x > ratatoskr.rightBound;
  if (leftRange) {
    SwitchTo(RatatoskrIdling);
    return;
  }
  RunAt(RunningSpeed, dt);
}

namespace {

// Both alerts end alike: the Ratatoskr turns its back on the player and runs.
void TurnAwayToLure(Ratatoskr& ratatoskr, const Actor& player) {
  ratatoskr.facing = player.body->position.x > ratatoskr.body->position.x ? -1 : 1;
  ratatoskr.SwitchState(RatatoskrLuring);
}

}  // namespace

RatatoskrStateBackAlerted::RatatoskrStateBackAlerted(Ratatoskr* newOwner,
                                                     std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Back Alerted", std::move(animation),
                     RatatoskrBriefLimit) {}

void RatatoskrStateBackAlerted::Decide(const Actor& player, float) {
  if (TimedOut()) TurnAwayToLure(ratatoskr, player);
}

RatatoskrStateFrontAlerted::RatatoskrStateFrontAlerted(Ratatoskr* newOwner,
                                                       std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Front Alerted", std::move(animation),
                     RatatoskrBriefLimit) {}

void RatatoskrStateFrontAlerted::Decide(const Actor& player, float) {
  if (TimedOut()) TurnAwayToLure(ratatoskr, player);
}

RatatoskrStateLuring::RatatoskrStateLuring(Ratatoskr* newOwner,
                                           std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Cautious", std::move(animation), RatatoskrLureLimit) {}

void RatatoskrStateLuring::Decide(const Actor&, float dt) {
  if (TimedOut()) {
    SwitchTo(RatatoskrAttackPrepping);
    return;
  }
  RunAt(RatatoskrLuringSpeed, dt);
}

RatatoskrStateSkidding::RatatoskrStateSkidding(Ratatoskr* newOwner,
                                               std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Idling", std::move(animation), RatatoskrSkidLimit) {}

void RatatoskrStateSkidding::Decide(const Actor&, float) {
  if (TimedOut()) TurnRandomlyAndSwitch(RatatoskrCautious, RatatoskrIdling);
}

RatatoskrStateHurt::RatatoskrStateHurt(Ratatoskr* newOwner, std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Idling", std::move(animation), RatatoskrRestingLimit,
                     Prelude::Death) {}

void RatatoskrStateHurt::Decide(const Actor&, float) {
  if (TimedOut()) TurnRandomlyAndSwitch(RatatoskrCautious, RatatoskrRunning);
}

RatatoskrStateFalling::RatatoskrStateFalling(Ratatoskr* newOwner,
                                             std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Idling", std::move(animation), NoLimit,
                     Prelude::Death) {}

void RatatoskrStateFalling::Decide(const Actor&, float) {
  if (ratatoskr.groundContact) SwitchTo(RatatoskrSkidding);
}
