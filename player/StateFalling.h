#pragma once

#include "player/AirborneState.h"

// In the air without a rise of one's own: lands on the ground, takes the air moves, steers,
// and slides on or jumps off a wall pressed against.
class StateFalling : public AirborneState {
 public:
  StateFalling(Player* newOwner, Texture* texture);

  // Standing body; a rise is cut off, a fall keeps its speed.
  void Enter() override;
  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
  void SetMovementLimits() override { ApplyStatLimits(); }

 private:
  // The choices in the air, taken at once or kept for the end of the hit-stop.
  void ChooseInAir(float dt, bool buffered);
};
