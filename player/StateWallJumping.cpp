#include "player/StateWallJumping.h"

#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

StateWallJumping::StateWallJumping(Player* newOwner, Texture* texture)
    : AirborneState(newOwner, texture, SlotWallJumping) {}

void StateWallJumping::Enter() {
  TakeBodySize(player->standingSize);
  RefillAirMoves();
  ResetTimers();
  SoundAtBody(Player::SoundJump).Play();
}

void StateWallJumping::HandleInput(float dt) {
  if (TakePending()) return;
  const int side = HeldSide();
  if (stateTime >= animationLength) {
    // Still rising, the push goes on as any rise.
    SwitchTo(player->body->velocity.y > 0.0f ? SlotAscending : SlotFalling);
  } else if (!TakeWallJumpAction(false) && side != 0) {
    SteerInAir(side, dt);
  }
  CheckGodMode();
  CloseStep();
}

void StateWallJumping::HandleInputHeld(float) {
  TakeWallJumpAction(true);
  CheckGodMode();
  CloseStep();
}

bool StateWallJumping::TakeWallJumpAction(bool buffered) {
  if (AirDashReady()) {
    if (const int side = HeldSide()) player->facing = side;
    Go(SlotAirDashing, buffered);
  } else if (!Input().IsAction2Held()) {
    Go(SlotFalling, buffered);
    player->body->velocity.y = 0.0f;
  } else {
    return TakeAirAttack(buffered);
  }
  return true;
}
