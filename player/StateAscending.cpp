#include "player/StateAscending.h"

#include <algorithm>

#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

StateAscending::StateAscending(Player* newOwner, Texture* texture, PlayerStateSlot entry)
    : AirborneState(newOwner, texture, entry) {}

void StateAscending::Enter() {
  TakeBodySize(player->standingSize);
  ResetTimers();
  SetStaminaBarColor(StaminaBarGreen);
}

void StateAscending::HandleInput(float dt) {
  if (TakePending()) return;
  const int side = HeldSide();
  if (StopsRising()) {
    SwitchTo(SlotFalling);
  } else if (TakeAirDash(false)) {
    // Dashing in the air.
  } else if (!Input().IsAction2Held()) {
    SwitchTo(SlotFalling);
  } else if (TakeAirAttack(false) || TakeStickAirAttack(false)) {
    // Attacking in the air.
  } else if (side != 0 && !JumpOffWall(side, false)) {
    SteerInAir(side, dt);
  }
  CheckGodMode();
  CloseStep();
}

void StateAscending::HandleInputHeld(float) {
  const int side = HeldSide();
  if (TakeAirDash(true)) {
    // Kept for the end of the hit-stop.
  } else if (!Input().IsAction2Held()) {
    SetPending(SlotFalling);
  } else if (TakeAirAttack(true) || TakeStickAirAttack(true)) {
    // Kept for the end of the hit-stop.
  } else if (side != 0) {
    JumpOffWall(side, true);
  }
  CheckGodMode();
  CloseStep();
}

bool StateAscending::StopsRising() const { return player->body->velocity.y <= 0.0f; }

void StateAscending::PushUp() {
  float& vy = player->body->velocity.y;
  vy = std::max(vy, 0.0f) + Total(Stat::JumpStrength);
}

bool StateAscending::JumpOffWall(int side, bool buffered) {
  if (!JumpPressed() || !SquareWall()) return false;
  PushOffWall(side);
  Go(SlotWallJumping, buffered);
  return true;
}

StateGroundJumping::StateGroundJumping(Player* newOwner, Texture* texture)
    : StateAscending(newOwner, texture, SlotGroundJumping) {}

void StateGroundJumping::Enter() {
  StateAscending::Enter();
  PushUp();
  SoundAtBody(Player::SoundJump).Play();
  CountStat(Stat::StatJumps, 1.0f);
}

bool StateGroundJumping::StopsRising() const {
  return !OnGround() && StateAscending::StopsRising();
}
