#pragma once

#include "player/AirborneState.h"

// Rising without a push of its own, as other states hand over while the player moves up. While
// the jump control is held the player may dash, attack or jump off a wall in the air, and
// steers up to the dash speed; letting go of the control, or no longer rising, hands over to
// falling. The jumps from the ground and in the air rise the same way.
class StateAscending : public AirborneState {
 public:
  StateAscending(Player* newOwner, Texture* texture, PlayerStateSlot slot = SlotAscending);

  void Enter() override;
  void HandleInput(float dt) override;
  // The same choices, kept for the end of the hit-stop; no steering.
  void HandleInputHeld(float dt) override;
  void SetMovementLimits() override { ApplyStatLimits(); }

 protected:
  // The rise is over once the player no longer moves up.
  virtual bool StopsRising() const;
  // The push of a jump: a player moving down is stopped first; one already rising adds it.
  void PushUp();

 private:
  // With the jump pressed against a square wall on that side (-1 left, +1 right): the push away
  // from it and up, and the wall jump.
  bool JumpOffWall(int side, bool buffered);
};

// The jump off the ground: its Enter pushes up, sounds the jump and counts it; then it rises as
// ascending does, but never ends while the player still stands on the ground.
class StateGroundJumping : public StateAscending {
 public:
  StateGroundJumping(Player* newOwner, Texture* texture);

  void Enter() override;

 protected:
  bool StopsRising() const override;
};
