#include "player/AttackStates.h"

#include "engine/Controls.h"
#include "player/Player.h"

namespace {

constexpr AttackCancel HeldJump{Trigger::JumpHeld, SlotGroundJumping};
constexpr AttackCancel AirJump{Trigger::AirJump, SlotAirJumping};
constexpr AttackCancel AirDash{Trigger::AirDash, SlotAirDashing};
constexpr AttackCancel UpAir{Trigger::AttackUp, SlotUpAirAttacking};
constexpr AttackCancel DownAir{Trigger::AttackDown, SlotDownAirAttacking};
constexpr AttackCancel ForwardLeft{Trigger::AttackLeft, SlotForwardAirAttacking};
constexpr AttackCancel ForwardRight{Trigger::AttackRight, SlotForwardAirAttacking};

}  // namespace

void StateDownAttacking::EndAttack() {
  SwitchTo(StandingFits() && !Input().IsDownHeld() ? SlotStanding : SlotCrouching);
}

void StateGroundDashAttacking::EndAttack() {
  const Controls& input = Input();
  if (!StandingFits()) {
    SwitchTo(SlotCrouching);
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    SwitchTo(SlotWalking);
  } else {
    SwitchTo(input.IsDownHeld() ? SlotCrouching : SlotIdling);
  }
}

void StateUpAttacking::HandleInput(float) {
  if (TookPending()) return;
  if (!LostGround() && !TimeEnded()) TakeFirst({HeldJump});
  CheckGodMode();
  CloseStep();
}

void StateUpAttacking::HandleInputHeld(float) {
  KeepForLater({HeldJump});
  CloseStep();
}

void StateNeutralAirAttacking::HandleInput(float dt) {
  CutJump();
  if (TakePending()) {
    CheckGodMode();
    CloseStep();
    return;
  }
  if (!Landed() && !TimeEnded()) {
    Drift(dt);
    // Strung on: a jump wins over any other air attack.
    TakeFirst({AirJump, UpAir, DownAir, ForwardLeft, ForwardRight});
    // A dash is taken beside them.
    TakeFirst({AirDash});
  }
  CheckGodMode();
  CloseStep();
}

void StateNeutralAirAttacking::HandleInputHeld(float) {
  KeepForLater({AirJump, AirDash, UpAir, DownAir, ForwardLeft, ForwardRight});
  CloseStep();
}

void StateForwardAirAttacking::HandleInput(float dt) {
  if (TookPending()) return;
  CutJump();
  if (!Landed() && !TimeEnded()) {
    Drift(dt);
    TakeFirst({AirDash});
  }
  CheckGodMode();
  CloseStep();
}

void StateForwardAirAttacking::HandleInputHeld(float) {
  // A dash that already waits is not asked for again.
  if (!Waits(SlotAirDashing)) KeepForLater({AirDash});
  CheckGodMode();
  CloseStep();
}

void StateUpAirAttacking::HandleInput(float dt) {
  if (TookPending()) return;
  // A landing goes on through the step: its time and an air jump are still tested.
  if (!Landed()) CutJump();
  if (!TimeEnded()) {
    Drift(dt);
    TakeFirst({AirJump});
  }
  CheckGodMode();
  CloseStep();
}

void StateUpAirAttacking::HandleInputHeld(float) {
  KeepForLater({AirJump});
  CloseStep();
}

void StateDownAirAttacking::HandleInput(float dt) {
  if (TookPending()) return;
  CutJump();
  if (!Landed() && !TimeEnded()) Drift(dt, true);
  CheckGodMode();
  CloseStep();
}

void StateDownAirAttacking::HandleInputHeld(float) {
  TimeEnded();
  CheckGodMode();
  CloseStep();
}
