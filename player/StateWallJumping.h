#pragma once

#include "player/AirborneState.h"

// The short push off a wall, whose speed the state that jumped has already given. It ends
// when its time is up, or early by letting go of the jump, an air dash or an air attack.
class StateWallJumping : public AirborneState {
 public:
  StateWallJumping(Player* newOwner, Texture* texture);

  // Standing body, both air moves refilled, the jump sound.
  void Enter() override;
  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;

 private:
  // The dash, the cut rise and the attack, taken at once or kept for the end of the hit-stop.
  // True when one was taken.
  bool TakeWallJumpAction(bool buffered);
};
