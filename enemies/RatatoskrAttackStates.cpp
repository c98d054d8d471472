#include "actors/Playfield.h"
#include "collision/Boundary.h"
#include "collision/Strike.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrStates.h"
#include "engine/Globals.h"

namespace {

using Prelude = RatatoskrState::Prelude;

// A player this close is leapt at; one this close to a lunge is bitten.
constexpr float LeapReach = 7.0f;
constexpr float BiteReach = 3.0f;
// Added to the velocity by the leap: forward, and up for the jump.
constexpr float LeapPush = 20.0f;
constexpr float JumpLift = 15.0f;

constexpr float BiteWidth = 1.5f;
constexpr float BiteHeight = 0.4f;

}  // namespace

RatatoskrStateAttackPrepping::RatatoskrStateAttackPrepping(Ratatoskr* newOwner,
                                                           std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Attack Prepping", std::move(animation),
                     RatatoskrBriefLimit) {}

void RatatoskrStateAttackPrepping::Decide(const Actor& player, float) {
  if (!TimedOut()) return;
  if (DistanceTo(player) > LeapReach) {
    TurnRandomlyAndSwitch(RatatoskrCautious, RatatoskrIdling);
    return;
  }
  platform::Vector3 velocity = ratatoskr.body->velocity;
  if (ratatoskr.body->position.x < player.body->position.x) {
    ratatoskr.facing = 1;
    velocity.x += LeapPush;
  } else {
    ratatoskr.facing = -1;
    velocity.x -= LeapPush;
  }
  if (Coin() == 0) {
    SwitchTo(RatatoskrJumpAttacking);
    velocity.y += JumpLift;
  } else {
    SwitchTo(RatatoskrGroundAttacking);
  }
  ratatoskr.body->velocity = velocity;
}

RatatoskrStateJumpAttacking::RatatoskrStateJumpAttacking(Ratatoskr* newOwner,
                                                         std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Attack Prepping", std::move(animation),
                     RatatoskrLungeLimit, Prelude::Death) {}

void RatatoskrStateJumpAttacking::Decide(const Actor& player, float) {
  if (ratatoskr.groundContact) {
    SwitchTo(RatatoskrSkidding);
  } else if (DistanceTo(player) <= BiteReach) {
    SwitchTo(RatatoskrAttacking);
  }
}

RatatoskrStateGroundAttacking::RatatoskrStateGroundAttacking(Ratatoskr* newOwner,
                                                             std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Attack Prepping", std::move(animation),
                     RatatoskrLungeLimit) {}

void RatatoskrStateGroundAttacking::Decide(const Actor& player, float) {
  if (TimedOut()) {
    SwitchTo(RatatoskrSkidding);
  } else if (DistanceTo(player) <= BiteReach) {
    SwitchTo(RatatoskrAttacking);
  }
}

RatatoskrStateAttacking::RatatoskrStateAttacking(Ratatoskr* newOwner,
                                                 std::unique_ptr<Animation> animation)
    : RatatoskrState(newOwner, L"Ratatoskr: Attacking", std::move(animation), {}, Prelude::Death) {
  MakeLastingStrike(L"Idling pFrame1",
                    {BiteWidth, BiteHeight, {}, BiteForce, BiteDamage, BiteFreeze});
}

StrikeQuad* RatatoskrStateAttacking::Bite() const {
  return static_cast<StrikeQuad*>(strikes.front().get());
}

void RatatoskrStateAttacking::Enter() {
  RatatoskrState::Enter();
  PutFirstStrikeInPlay();
}

void RatatoskrStateAttacking::Update(float dt) {
  if (RunPrelude(dt, Prelude::Death)) return;
  UpdateShapeFrames(dt);
  if (stateTime >= animationLength) {
    Exit();
    SwitchTo(ratatoskr.groundContact ? RatatoskrSkidding : RatatoskrFalling);
  }
}
