#include "player/StateAirDashing.h"

#include <algorithm>
#include <cmath>

#include "collision/Boundary.h"
#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

namespace {

// The lift that every air dash starts with at least, upward per second.
constexpr float DashLift = 8.0f;
// How fast holding the other side brakes the dash, per second per second.
constexpr float DashBrake = 100.0f;

}  // namespace

StateAirDashing::StateAirDashing(Player* newOwner, Texture* texture)
    : AirborneState(newOwner, texture, SlotAirDashing) {}

void StateAirDashing::Enter() {
  TakeBodySize(player->dashingSize);
  animationLength = Total(Stat::AirDashTime);
  ResetTimers();
  SetStaminaBarColor(StaminaBarGreen);
  const float strength = Total(Stat::DashStrength);
  platform::Vector3& velocity = player->body->velocity;
  velocity.x = player->facing == -1 ? -strength : strength;
  velocity.y = std::max(velocity.y, DashLift);
  SoundAtBody(Player::SoundAirDash).Play();
  CountStat(Stat::AirDashCount, -1.0f);
  CountStat(Stat::StatAirDashes, 1.0f);
}

void StateAirDashing::HandleInput(float dt) {
  if (TakePending()) return;
  RunRules(dt, false);
  CheckGodMode();
  CloseStep();
}

void StateAirDashing::HandleInputHeld(float dt) {
  RunRules(dt, true);
  CheckGodMode();
  CloseStep();
}

void StateAirDashing::RunRules(float dt, bool buffered) {
  const Controls& input = Input();
  const int side = HeldSide();
  if (player->wallContact) {
    const bool towardFacing = (player->facing == -1 && input.IsLeftHeld()) ||
                              (player->facing == 1 && input.IsRightHeld());
    if (FlaggedWall() && towardFacing) {
      Go(SlotWallSliding, buffered);
    } else {
      Go(player->body->velocity.y > 0.0f ? SlotAscending : SlotFalling, buffered);
    }
  }
  if (OnGround()) {
    Go(side != 0 ? SlotWalking : SlotIdling, buffered);
  } else if (!DashGoesOn(buffered)) {
    Go(SlotFalling, buffered);
  } else if (!TakeAirAttack(buffered)) {
    if (side != 0 && !buffered) {
      player->facing = side;
      Accelerate(side, DashBrake, Total(Stat::MaxWalkSpeed), dt);
    }
    TakeStickAirAttack(buffered);
  }
  // Also after a switch above: touching ground refilled the air jumps, so one may follow.
  TakeAirJump(buffered);
}

bool StateAirDashing::DashGoesOn(bool buffered) const {
  return Input().IsAction3Held() &&
         std::fabs(player->body->velocity.x) > Total(Stat::MaxDashSpeed) &&
         (buffered || stateTime < animationLength);
}
