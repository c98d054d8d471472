#include "player/AirborneState.h"

#include "collision/Boundary.h"
#include "engine/Controls.h"
#include "engine/VectorMath.h"
#include "player/Player.h"

namespace {

// Away from a wall, per second; the harder push while the dash button is held.
constexpr float WallPush = 10.0f;
constexpr float DashWallPush = 18.0f;
constexpr int SquareAngle = 90;

}  // namespace

bool AirborneState::TakeAirDash(bool buffered) {
  if (!AirDashReady()) return false;
  Go(SlotAirDashing, buffered);
  return true;
}

bool AirborneState::TakeAirJump(bool buffered) {
  if (!JumpPressed() || !(Total(Stat::AirJumpCount) > 0.0f)) return false;
  Go(SlotAirJumping, buffered);
  return true;
}

bool AirborneState::TakeAirAttack(bool buffered) {
  const Controls& input = Input();
  if (!input.IsAction1Pressed(input.activePad)) return false;
  if (input.IsUpHeld()) {
    Go(SlotUpAirAttacking, buffered);
  } else if (input.IsDownHeld()) {
    Go(SlotDownAirAttacking, buffered);
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    Go(SlotForwardAirAttacking, buffered);
  } else {
    Go(SlotNeutralAirAttacking, buffered);
  }
  return true;
}

bool AirborneState::TakeStickAirAttack(bool buffered) {
  return TakeStickAttack(SlotUpAirAttacking, SlotDownAirAttacking, SlotForwardAirAttacking,
                         buffered);
}

void AirborneState::DriftToward(int side, float dt) {
  Accelerate(side, Total(Stat::WalkAccel), Total(Stat::MaxDashSpeed), dt);
}

void AirborneState::SteerInAir(int side, float dt) {
  player->facing = side;
  DriftToward(side, dt);
}

void AirborneState::PushOffWall(int side) {
  platform::Vector3& velocity = player->body->velocity;
  velocity.x -= static_cast<float>(side) * (Input().IsAction3Held() ? DashWallPush : WallPush);
  velocity.y = Total(Stat::JumpStrength);
}

BoundingQuad* AirborneState::FlaggedWall() const {
  BoundingQuad* wall = player->wallContact;
  return wall && wall->wallFlag ? wall : nullptr;
}

BoundingQuad* AirborneState::SquareWall() const {
  BoundingQuad* wall = player->wallContact;
  return wall && TruncateToInt(wall->rotation) % SquareAngle == 0 ? wall : nullptr;
}

int AirborneState::HeldSide() const {
  const Controls& input = Input();
  if (input.IsLeftHeld()) return -1;
  return input.IsRightHeld() ? 1 : 0;
}

bool AirborneState::JumpPressed() const {
  const Controls& input = Input();
  return input.IsAction2Pressed(input.activePad);
}
