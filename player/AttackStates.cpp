#include "player/AttackStates.h"

#include "engine/Controls.h"
#include "player/Player.h"

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
