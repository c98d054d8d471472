#include "player/StateWallSliding.h"

#include <algorithm>

#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

namespace {

// How fast the slide gathers downward speed, per second per second, before gravity.
constexpr float SlideAcceleration = 10.0f;

}  // namespace

StateWallSliding::StateWallSliding(Player* newOwner, Texture* texture)
    : AirborneState(newOwner, texture, SlotWallSliding) {}

void StateWallSliding::Enter() {
  TakeBodySize(player->standingSize);
  RefillAirMoves();
  ResetTimers();
  SoundAtBody(Player::SoundWallSlide).PlayLooping();
  SetStaminaBarColor(StaminaBarGreen);
}

void StateWallSliding::Exit() {
  AirborneState::Exit();
  player->sounds[Player::SoundWallSlide]->Stop();
}

void StateWallSliding::HandleInput(float dt) {
  if (TakePending()) return;
  const int side = HeldSide();
  if (OnGround()) {
    SwitchTo(SlotIdling);
  } else if (JumpPressed()) {
    // A jump with no direction held is ignored.
    if (side != 0) {
      PushOffWall(side);
      SwitchTo(SlotWallJumping);
    }
  } else if (PressingWall()) {
    Slide(dt);
  } else {
    SwitchTo(SlotFalling);
  }
  CheckGodMode();
  CloseStep();
}

void StateWallSliding::HandleInputHeld(float) {
  const int side = HeldSide();
  if (OnGround()) {
    SetPending(SlotIdling);
  } else if (JumpPressed() && side != 0) {
    PushOffWall(side);
    SetPending(SlotWallJumping);
  } else if (!PressingWall()) {
    SetPending(SlotFalling);
  }
  CheckGodMode();
  CloseStep();
}

void StateWallSliding::Update(float dt) {
  SoundAtBody(Player::SoundWallSlide);
  UpdateStill(dt);
}

bool StateWallSliding::PressingWall() const {
  const Controls& input = Input();
  const bool held = player->facing == -1 ? input.IsLeftHeld() : input.IsRightHeld();
  return held && player->wallContact;
}

void StateWallSliding::Slide(float dt) {
  Accelerate(player->facing, Total(Stat::WalkAccel), Total(Stat::MaxWalkSpeed), dt);
  float& vy = player->body->velocity.y;
  vy = std::max(vy - SlideAcceleration * dt, Total(Stat::WallSlideSpeed));
}
