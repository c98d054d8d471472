#include "player/StateIdling.h"

#include "engine/BarMeter.h"
#include "engine/CircularMeter.h"
#include "engine/Controls.h"
#include "player/Player.h"

StateIdling::StateIdling(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotIdling) {}

void StateIdling::HandleInput(float) {
  if (TakePending()) return;
  const Controls& input = Input();
  const int pad = input.activePad;
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (input.IsDownHeld()) {
    SwitchTo(SlotDucking);
  } else if (input.IsAction4Pressed(pad)) {
    SwitchTo(SlotGuarding);
  } else if (input.IsAction1Pressed(pad)) {
    SwitchTo(input.IsUpHeld() ? SlotUpAttacking : SlotGroundAttacking1);
  } else if (input.IsRightStickUpPressed(pad)) {
    SwitchTo(SlotUpAttacking);
  } else if (input.IsRightStickDownPressed(pad)) {
    SwitchTo(SlotDownAttacking);
  } else if (input.IsRightStickLeftPressed(pad)) {
    player->facing = -1;
    SwitchTo(SlotGroundAttacking1);
  } else if (input.IsRightStickRightPressed(pad)) {
    player->facing = 1;
    SwitchTo(SlotGroundAttacking1);
  } else if (input.IsAction2Pressed(pad)) {
    SwitchTo(SlotGroundJumping);
  } else if (input.IsAction3Pressed(pad)) {
    SwitchTo(SlotGroundDashing);
  } else if (input.IsLeftHeld()) {
    SwitchTo(SlotWalking);
    if (OnGround()) player->facing = -1;
  } else if (input.IsRightHeld()) {
    SwitchTo(SlotWalking);
    if (OnGround()) player->facing = 1;
  }
  CheckGodMode();
  CloseStep();
}

void StateIdling::HandleInputHeld(float) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsDownHeld()) {
    if (input.IsAction3Pressed(pad)) {
      if (input.IsLeftHeld()) {
        player->facing = -1;
      } else if (input.IsRightHeld()) {
        player->facing = 1;
      }
      SetPending(SlotRolling);
    } else {
      SetPending(SlotDucking);
    }
  } else if (input.IsAction4Pressed(pad)) {
    // The guard does not wait for the hit-stop to end.
    SwitchTo(SlotGuarding);
  } else if (input.IsAction1Pressed(pad)) {
    SetPending(input.IsUpHeld() ? SlotUpAttacking : SlotGroundAttacking1);
  } else if (input.IsRightStickUpPressed(pad)) {
    SetPending(SlotUpAttacking);
  } else if (input.IsRightStickDownPressed(pad)) {
    SetPending(SlotDownAttacking);
  } else if (input.IsRightStickLeftPressed(pad)) {
    player->facing = -1;
    SetPending(SlotGroundAttacking1);
  } else if (input.IsRightStickRightPressed(pad)) {
    player->facing = 1;
    SetPending(SlotGroundAttacking1);
  } else if (input.IsAction2Pressed(pad)) {
    SetPending(SlotGroundJumping);
  } else if (input.IsAction3Pressed(pad)) {
    SetPending(SlotGroundDashing);
  } else if (input.IsLeftHeld()) {
    player->facing = -1;
    SetPending(SlotWalking);
  } else if (input.IsRightHeld()) {
    player->facing = 1;
    SetPending(SlotWalking);
  }
  CheckGodModeHeld();
  CloseStep();
}

void StateIdling::UpdateHeld(float) {
  if (!(player->healthMeter->value > 0.0f)) {
    CheckDeath();
  } else if (!(player->staminaRing->value > 0.0f)) {
    ChooseGuardBreakState();
  } else if (!OnGround()) {
    SwitchTo(SlotFalling);
  }
  CloseStep();
}
