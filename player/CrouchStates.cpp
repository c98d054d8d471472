#include "player/CrouchStates.h"

#include "engine/Controls.h"
#include "player/Player.h"

bool LowState::TakeDownHeldAction(bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsAction1Pressed(pad)) {
    Go(SlotDownAttacking, buffered);
  } else if (TakeStickAttack(buffered)) {
    // Attacked.
  } else if (input.IsAction2Pressed(pad)) {
    CrouchJump(buffered);
  } else {
    return false;
  }
  return true;
}

void LowState::TakeCrouchedAction(bool buffered, bool rollAside) {
  if (TakeDownHeldAction(buffered)) return;
  const Controls& input = Input();
  if (input.IsAction3Pressed(input.activePad)) {
    Go(rollAside && FaceHeldSide() ? SlotRolling : SlotDodging, buffered);
  } else if (FaceHeldSide()) {
    Go(SlotCrouchWalking, buffered);
  }
}

bool LowState::FaceHeldSide() {
  const Controls& input = Input();
  if (input.IsLeftHeld()) {
    player->facing = -1;
  } else if (input.IsRightHeld()) {
    player->facing = 1;
  } else {
    return false;
  }
  return true;
}

void LowState::CrouchJump(bool buffered) {
  if (!DropThroughGround() && StandingFits()) Go(SlotGroundJumping, buffered);
}

StateDucking::StateDucking(Player* newOwner, Texture* texture)
    : LowState(newOwner, texture, SlotDucking) {}

void StateDucking::HandleInput(float) {
  if (TakePending()) return;
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (stateTime >= animationLength) {
    SwitchTo(SlotCrouching);
  } else if (!Input().IsDownHeld()) {
    // Not yet fully down: no test of the room above.
    SwitchTo(SlotStanding);
  } else {
    TakeCrouchedAction(false, false);
  }
  CheckGodMode();
  CloseStep();
}

void StateDucking::HandleInputHeld(float) {
  if (!Input().IsDownHeld()) {
    SetPending(SlotStanding);
  } else {
    TakeCrouchedAction(true, false);
  }
  CheckGodMode();
  CloseStep();
}

StateCrouching::StateCrouching(Player* newOwner, Texture* texture)
    : LowState(newOwner, texture, SlotCrouching) {}

void StateCrouching::HandleInput(float) {
  if (TakePending()) return;
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (!Input().IsDownHeld()) {
    if (StandingFits()) SwitchTo(SlotStanding);
  } else {
    TakeCrouchedAction(false, false);
  }
  CheckGodMode();
  CloseStep();
}

void StateCrouching::HandleInputHeld(float) {
  if (!Input().IsDownHeld()) {
    if (StandingFits()) SetPending(SlotStanding);
  } else {
    TakeCrouchedAction(true, true);
  }
  CheckGodMode();
  CloseStep();
}

StateCrouchWalking::StateCrouchWalking(Player* newOwner, Texture* texture)
    : LowState(newOwner, texture, SlotCrouchWalking) {}

void StateCrouchWalking::HandleInput(float dt) {
  if (TakePending()) return;
  const Controls& input = Input();
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (!input.IsDownHeld()) {
    SwitchTo(RiseOrStay());
  } else if (TakeDownHeldAction(false)) {
    // Attacked or jumped.
  } else if (FaceHeldSide()) {
    if (input.IsAction3Pressed(input.activePad)) {
      SwitchTo(SlotRolling);
    } else {
      Accelerate(player->facing, Total(Stat::CrouchWalkAccel), Total(Stat::MaxCrouchWalkSpeed), dt);
    }
  } else {
    SwitchTo(SlotCrouching);
  }
  CheckGodMode();
  CloseStep();
}

void StateCrouchWalking::HandleInputHeld(float) {
  const Controls& input = Input();
  if (!input.IsDownHeld()) {
    SetPending(RiseOrStay());
  } else if (TakeDownHeldAction(true)) {
    // Kept for the end of the hit-stop.
  } else if (FaceHeldSide()) {
    if (input.IsAction3Pressed(input.activePad)) SetPending(SlotRolling);
  } else {
    SetPending(SlotCrouching);
  }
  CheckGodMode();
  CloseStep();
}

PlayerStateSlot StateCrouchWalking::RiseOrStay() const {
  return StandingFits() ? SlotStanding : SlotCrouching;
}

StateStanding::StateStanding(Player* newOwner, Texture* texture)
    : LowState(newOwner, texture, SlotStanding) {}

void StateStanding::HandleInput(float) {
  if (TakePending()) return;
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (stateTime >= animationLength) {
    SwitchTo(SlotIdling);
  } else if (Input().IsDownHeld()) {
    SwitchTo(SlotDucking);
  } else {
    TakeRisingAction(false);
  }
  CheckGodMode();
  CloseStep();
}

void StateStanding::HandleInputHeld(float) {
  if (Input().IsDownHeld()) {
    SetPending(SlotDucking);
  } else {
    TakeRisingAction(true);
  }
  CheckGodMode();
  CloseStep();
}

void StateStanding::TakeRisingAction(bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsAction1Pressed(pad)) {
    Go(SlotGroundAttacking1, buffered);
  } else if (TakeStickAttack(buffered)) {
    // Attacked.
  } else if (input.IsAction2Pressed(pad)) {
    // Up already: the jump asks for no room.
    Go(SlotGroundJumping, buffered);
  } else if (input.IsAction3Pressed(pad)) {
    Go(SlotGroundDashing, buffered);
  } else if (FaceHeldSide()) {
    Go(SlotWalking, buffered);
  }
}
