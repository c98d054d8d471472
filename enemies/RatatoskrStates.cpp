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
constexpr float LuringSpeed = 9.0f;

}  // namespace

RatatoskrStateTable::RatatoskrStateTable(Ratatoskr* owner,
                                         std::unique_ptr<EnemyAnimationPool> newPool)
    : pool(std::move(newPool)) {
  auto animation = [this](int index) { return pool ? pool->GetAnimation(index) : nullptr; };
  states[RatatoskrIdling] =
      std::make_unique<RatatoskrStateIdling>(owner, animation(RatatoskrIdling));
  states[RatatoskrDead] = std::make_unique<RatatoskrStateDead>(owner, animation(RatatoskrDead));
  states[RatatoskrCautious] =
      std::make_unique<RatatoskrStateCautious>(owner, animation(RatatoskrCautious));
  states[RatatoskrRunning] =
      std::make_unique<RatatoskrStateRunning>(owner, animation(RatatoskrRunning));
  states[RatatoskrBackAlerted] =
      std::make_unique<RatatoskrStateBackAlerted>(owner, animation(RatatoskrBackAlerted));
  states[RatatoskrFrontAlerted] =
      std::make_unique<RatatoskrStateFrontAlerted>(owner, animation(RatatoskrFrontAlerted));
  states[RatatoskrLuring] =
      std::make_unique<RatatoskrStateLuring>(owner, animation(RatatoskrLuring));
  states[RatatoskrAttackPrepping] =
      std::make_unique<RatatoskrStateAttackPrepping>(owner, animation(RatatoskrAttackPrepping));
  states[RatatoskrJumpAttacking] =
      std::make_unique<RatatoskrStateJumpAttacking>(owner, animation(RatatoskrJumpAttacking));
  states[RatatoskrGroundAttacking] =
      std::make_unique<RatatoskrStateGroundAttacking>(owner, animation(RatatoskrGroundAttacking));
  states[RatatoskrSkidding] =
      std::make_unique<RatatoskrStateSkidding>(owner, animation(RatatoskrSkidding));
  states[RatatoskrHurt] = std::make_unique<RatatoskrStateHurt>(owner, animation(RatatoskrHurt));
  states[RatatoskrFalling] =
      std::make_unique<RatatoskrStateFalling>(owner, animation(RatatoskrFalling));
  states[RatatoskrAttacking] =
      std::make_unique<RatatoskrStateAttacking>(owner, animation(RatatoskrAttacking));
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
  RunAt(LuringSpeed, dt);
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
