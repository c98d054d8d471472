#include "player/AttackStates.h"

#include "engine/Controls.h"
#include "player/Player.h"

void StateDownAttacking::EndAttack() {
  SwitchTo(StandingBlocked() || Input().IsDownHeld() ? SlotCrouching : SlotStanding);
}

void StateGroundDashAttacking::EndAttack() {
  const Controls& input = Input();
  if (StandingBlocked()) {
    SwitchTo(SlotCrouching);
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    SwitchTo(SlotWalking);
  } else {
    SwitchTo(input.IsDownHeld() ? SlotCrouching : SlotIdling);
  }
}
