#include "player/EvasionStates.h"

#include <algorithm>

#include "collision/Hit.h"
#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

void EvasionState::Enter() {
  EnterCrouched();
  // A shape without extent never collides.
  player->hitBox->SetDimensions(0.0f, 0.0f, 0.0f);
}

void EvasionState::Exit() {
  LowState::Exit();
  const BoundingQuad& body = *player->body;
  player->hitBox->SetDimensions(body.width, body.height, body.depth);
}

void EvasionState::Update(float dt) {
  UpdatePassive(dt);
  CheckDeath();
  CloseStep();
}

StateDodging::StateDodging(Player* newOwner, Texture* texture)
    : EvasionState(newOwner, texture, SlotDodging) {}

void StateDodging::HandleInput(float) {
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (stateTime > Total(Stat::DodgeTime)) {
    if (Input().IsDownHeld()) {
      SwitchTo(FaceHeldSide() ? SlotCrouchWalking : SlotCrouching);
    } else {
      SwitchTo(StandingFits() ? SlotStanding : SlotCrouching);
    }
  }
  CheckGodMode();
  CloseStep();
}

void StateDodging::HandleInputHeld(float) {
  CheckGodMode();
  CloseStep();
}

StateRolling::StateRolling(Player* newOwner, Texture* texture)
    : EvasionState(newOwner, texture, SlotRolling) {}

void StateRolling::Enter() {
  EvasionState::Enter();
  const float strength = Total(Stat::RollStrength);
  float& vx = player->body->velocity.x;
  vx = std::max(-strength, std::min(vx + strength * static_cast<float>(player->facing), strength));
  Sound& roll = *player->sounds[Player::SoundRoll];
  roll.SetPosition(player->body->position);
  roll.Play();
}

void StateRolling::HandleInput(float) {
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (stateTime > animationLength) {
    SwitchTo(SlotCrouching);
  }
  CheckGodMode();
  CloseStep();
}

StateRollRecovering::StateRollRecovering(Player* newOwner, Texture* texture)
    : LowState(newOwner, texture, SlotRollRecovering) {}

void StateRollRecovering::HandleInput(float) {
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (stateTime > animationLength) {
    SwitchTo(Input().IsDownHeld() ? SlotCrouching : SlotStanding);
  } else {
    FaceHeldSide();
    player->body->velocity.x = recoverySpeed * static_cast<float>(player->facing);
  }
  CheckGodMode();
  CloseStep();
}

void StateRollRecovering::Update(float dt) {
  recoverySpeed = std::max(recoverySpeed - Deceleration * dt, 0.0f);
  UpdateStill(dt);
}
