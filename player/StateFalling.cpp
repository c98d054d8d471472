#include "player/StateFalling.h"

#include <algorithm>

#include "engine/Controls.h"
#include "player/Player.h"

StateFalling::StateFalling(Player* newOwner, Texture* texture)
    : AirborneState(newOwner, texture, SlotFalling) {}

void StateFalling::Enter() {
  TakeBodySize(player->standingSize);
  ResetTimers();
  float& vy = player->body->velocity.y;
  vy = std::min(vy, 0.0f);
  SetStaminaBarColor(StaminaBarGreen);
}

void StateFalling::HandleInput(float dt) {
  if (TakePending()) return;
  if (OnGround()) {
    SwitchTo(Input().IsDownHeld() ? SlotDucking : SlotIdling);
  } else {
    ChooseInAir(dt, false);
  }
  CheckGodMode();
  CloseStep();
}

void StateFalling::HandleInputHeld(float dt) {
  ChooseInAir(dt, true);
  CheckGodMode();
  CloseStep();
}

void StateFalling::ChooseInAir(float dt, bool buffered) {
  if (TakeAirDash(buffered) || TakeAirJump(buffered) || TakeAirAttack(buffered) ||
      TakeStickAirAttack(buffered)) {
    return;
  }
  const int side = HeldSide();
  if (side == 0) return;
  if (!FlaggedWall()) {
    // Free air steers and turns; during a hit-stop nothing moves.
    if (!buffered) SteerInAir(side, dt);
  } else if (JumpPressed()) {
    PushOffWall(side);
    Go(SlotWallJumping, buffered);
  } else {
    Go(SlotWallSliding, buffered);
    DriftToward(side, dt);
  }
}
