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
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (input.IsDownHeld()) {
    SwitchTo(SlotDucking);
  } else if (TakeGroundAction(false)) {
    // Guarded, attacked or jumped.
  } else if (input.IsAction3Pressed(input.activePad)) {
    SwitchTo(SlotGroundDashing);
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    const int side = input.IsLeftHeld() ? -1 : 1;
    SwitchTo(SlotWalking);
    if (OnGround()) player->facing = side;
  }
  CheckGodMode();
  CloseStep();
}

void StateIdling::HandleInputHeld(float) {
  const Controls& input = Input();
  const bool dash = input.IsAction3Pressed(input.activePad);
  if (input.IsDownHeld()) {
    if (dash && (input.IsLeftHeld() || input.IsRightHeld())) {
      player->facing = input.IsLeftHeld() ? -1 : 1;
    }
    SetPending(dash ? SlotRolling : SlotDucking);
  } else if (TakeGroundAction(true)) {
    // Kept for the end of the hit-stop, but for the guard.
  } else if (dash) {
    SetPending(SlotGroundDashing);
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    player->facing = input.IsLeftHeld() ? -1 : 1;
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
