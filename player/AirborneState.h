#pragma once

#include "player/PlayerState.h"

class BoundingQuad;

// The base of the states in the air, with the air moves they share. Each move is either taken
// at once or, while a hit-stop runs (buffered), kept as the pending state. In the air the
// player moves under gravity alone and takes hits as when standing.
class AirborneState : public PlayerState {
 public:
  using PlayerState::PlayerState;

  void Update(float dt) override { UpdateStill(dt); }
  void UpdateHeld(float) override {}

 protected:
  bool TakeAirDash(bool buffered);
  // The jump button pressed with an air jump left.
  bool TakeAirJump(bool buffered);
  // The attack button: up, down or forward by the held direction, else the neutral attack.
  bool TakeAirAttack(bool buffered);
  // The right stick: the up or down attack, or the forward attack turned to the stick's side.
  bool TakeStickAirAttack(bool buffered);
  // Speeds the body towards the side with the walk acceleration, up to the dash speed.
  void DriftToward(int side, float dt);
  // The same, turned to that side.
  void SteerInAir(int side, float dt);
  // A jump off the wall on the held side (-1 left, +1 right): pushed away from it, harder with
  // the dash button held, and up by the jump strength.
  void PushOffWall(int side);
  // The side contact, when it is a wall to slide on.
  BoundingQuad* FlaggedWall() const;
  // The side contact, when it stands square: its rotation in whole degrees a multiple of 90.
  BoundingQuad* SquareWall() const;
  // -1 while left is held, else +1 while right is held, else 0.
  int HeldSide() const;
  bool JumpPressed() const;
};
