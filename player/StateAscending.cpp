#include "player/StateAscending.h"

#include <algorithm>

#include "collision/Boundary.h"
#include "engine/Controls.h"
#include "engine/Sound.h"
#include "engine/VectorMath.h"
#include "player/Player.h"

namespace {

// The push away from a wall, and the stronger one with the dash control held.
constexpr float WallPush = 10.0f;
constexpr float DashedWallPush = 18.0f;
constexpr int SquareAngle = 90;

}  // namespace

StateAscending::StateAscending(Player* newOwner, Texture* texture, PlayerStateSlot entry)
    : PlayerState(newOwner, texture, entry) {}

void StateAscending::Enter() {
  TakeBodySize(player->standingSize);
  ResetTimers();
  SetStaminaBarColor(StaminaBarGreen);
}

void StateAscending::HandleInput(float dt) {
  if (TakePending()) return;
  const Controls& input = Input();
  const int pad = input.activePad;
  if (StopsRising()) {
    SwitchTo(SlotFalling);
  } else if (input.IsAction3Pressed(pad) && Total(Stat::AirDashCount) > 0.0f) {
    SwitchTo(SlotAirDashing);
  } else if (!input.IsAction2Held()) {
    SwitchTo(SlotFalling);
  } else if (ChooseAirAttack(false)) {
    // Attacking in the air.
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    const int side = input.IsLeftHeld() ? -1 : 1;
    if (!JumpOffWall(side, false)) {
      player->facing = side;
      Accelerate(side, Total(Stat::WalkAccel), Total(Stat::MaxDashSpeed), dt);
    }
  }
  CheckGodMode();
}

void StateAscending::HandleInputHeld(float) {
  const Controls& input = Input();
  if (input.IsAction3Pressed(input.activePad) && Total(Stat::AirDashCount) > 0.0f) {
    SetPending(SlotAirDashing);
  } else if (!input.IsAction2Held()) {
    SetPending(SlotFalling);
  } else if (ChooseAirAttack(true)) {
    // Kept for the end of the hit-stop.
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    JumpOffWall(input.IsLeftHeld() ? -1 : 1, true);
  }
  CheckGodMode();
}

bool StateAscending::StopsRising() const { return player->body->velocity.y <= 0.0f; }

bool StateAscending::ChooseAirAttack(bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsAction1Pressed(pad)) {
    if (input.IsUpHeld()) {
      Go(SlotUpAirAttacking, buffered);
    } else if (input.IsDownHeld()) {
      Go(SlotDownAirAttacking, buffered);
    } else {
      const bool sideways = input.IsLeftHeld() || input.IsRightHeld();
      Go(sideways ? SlotForwardAirAttacking : SlotNeutralAirAttacking, buffered);
    }
    return true;
  }
  return TakeStickAttack(SlotUpAirAttacking, SlotDownAirAttacking, SlotForwardAirAttacking,
                         buffered);
}

bool StateAscending::JumpOffWall(int side, bool buffered) {
  const Controls& input = Input();
  const BoundingQuad* wall = player->wallContact;
  if (!input.IsAction2Pressed(input.activePad) || !wall ||
      TruncateToInt(wall->rotation) % SquareAngle != 0) {
    return false;
  }
  const float push = input.IsAction3Held() ? DashedWallPush : WallPush;
  platform::Vector3& velocity = player->body->velocity;
  velocity.x -= static_cast<float>(side) * push;
  velocity.y = Total(Stat::JumpStrength);
  Go(SlotWallJumping, buffered);
  return true;
}

StateGroundJumping::StateGroundJumping(Player* newOwner, Texture* texture)
    : StateAscending(newOwner, texture, SlotGroundJumping) {}

void StateGroundJumping::Enter() {
  StateAscending::Enter();
  // A player moving down is stopped first; one already rising adds the whole push.
  float& vy = player->body->velocity.y;
  vy = std::max(vy, 0.0f) + Total(Stat::JumpStrength);
  Sound& jump = *player->sounds[Player::SoundJump];
  jump.SetPosition(player->body->position);
  jump.Play();
  static_assert(Stat::StatJumps == 55);
  player->AddGainedStat55(1.0f);
}

bool StateGroundJumping::StopsRising() const {
  return !OnGround() && StateAscending::StopsRising();
}
