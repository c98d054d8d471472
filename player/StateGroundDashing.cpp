#include "player/StateGroundDashing.h"

#include <algorithm>
#include <cmath>

#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

StateGroundDashing::StateGroundDashing(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotGroundDashing) {
  animationLength = Total(Stat::GroundDashTime);
}

void StateGroundDashing::Enter() {
  TakeBodySize(player->dashingSize);
  RefillAirMoves();
  // Equipment may have changed the dash time since the last dash.
  animationLength = Total(Stat::GroundDashTime);
  ResetTimers();
  const float strength = Total(Stat::DashStrength);
  float& vx = player->body->velocity.x;
  vx += player->facing == -1 ? -strength : strength;
  vx = std::clamp(vx, -strength, strength);
  SoundAtBody(Player::SoundGust1).Play();
  SetStaminaBarColor(StaminaBarGreen);
  CountStat(Stat::StatGroundDashes, 1.0f);
}

void StateGroundDashing::HandleInput(float dt) {
  if (TakePending()) return;
  const Controls& input = Input();
  const bool dashing = std::fabs(player->body->velocity.x) >= Total(Stat::MaxDashSpeed) &&
                       stateTime <= animationLength;
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (dashing) {
    // Holding the dash's own side adds nothing; the other side brakes.
    if (!TakeDashAction(false)) Steer(1.0f, dt);
  } else if (!StandingFits()) {
    SwitchTo(SlotCrouching);
  } else if (input.IsDownHeld()) {
    SwitchTo(SlotDucking);
  } else {
    SwitchTo(input.IsLeftHeld() || input.IsRightHeld() ? SlotWalking : SlotIdling);
  }
  CheckGodMode();
  CloseStep();
}

void StateGroundDashing::HandleInputHeld(float) {
  TakeDashAction(true);
  CheckGodMode();
  CloseStep();
}

bool StateGroundDashing::TakeDashAction(bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsAction2Pressed(pad)) {
    if (StandingFits()) Go(SlotGroundJumping, buffered);
  } else if (input.IsAction1Pressed(pad)) {
    if (!StandingFits()) return true;
    if (input.IsUpHeld()) {
      Go(SlotUpAttacking, buffered);
    } else {
      Go(input.IsDownHeld() ? SlotDownAttacking : SlotGroundDashAttacking, buffered);
    }
  } else {
    return TakeStickAttack(SlotUpAttacking, SlotDownAttacking, SlotGroundAttacking1, buffered);
  }
  return true;
}
