#include "player/StateLanding.h"

#include "engine/Controls.h"
#include "player/Player.h"

StateLanding::StateLanding(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotLanding) {}

void StateLanding::HandleInput(float) {
  if (TakePending()) return;
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else {
    ChooseOnGround(false);
  }
  CheckGodMode();
  CloseStep();
}

void StateLanding::HandleInputHeld(float) {
  ChooseOnGround(true);
  CheckGodMode();
  CloseStep();
}

void StateLanding::ChooseOnGround(bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  const bool fits = StandingFits();
  const bool left = input.IsLeftHeld();
  const bool right = input.IsRightHeld();
  const bool landed = stateTime >= animationLength;
  if (input.IsAction2Pressed(pad)) {
    // Down and jump drop through ground with an open edge.
    if (fits && !(input.IsDownHeld() && DropThroughGround())) Go(SlotGroundJumping, buffered);
  } else if (fits && (left || right)) {
    player->facing = left ? -1 : 1;
    Go(input.IsAction3Pressed(pad) ? SlotGroundDashing : SlotWalking, buffered);
  } else if (fits) {
    if (landed) Go(SlotIdling, buffered);
  } else if (left || right) {
    Go(SlotCrouchWalking, buffered);
    player->facing = left ? -1 : 1;
  } else if (landed && !buffered) {
    SwitchTo(SlotCrouching);
  }
}
