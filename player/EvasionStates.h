#pragma once

#include "player/CrouchStates.h"

// Out of harm on the ground: while dodging or rolling the hit box has no extent, so no strike
// lands on the player, and only the death check runs.
class EvasionState : public LowState {
 public:
  using LowState::LowState;

  // The crouching body, with a hit box of no extent.
  void Enter() override;
  // The hit box takes the body's size again, by whatever road the state is left.
  void Exit() override;
  // Time, gravity, the animation and the death check; no strike is tested.
  void Update(float dt) override;
};

// A short dodge in place that lasts the dodge time, whatever its animation's length.
class StateDodging : public EvasionState {
 public:
  StateDodging(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  // Only the god-mode chord.
  void HandleInputHeld(float dt) override;
};

// A roll the way the player faces: an impulse of the roll strength, capped at it, and the roll
// sound from the start. It ends crouched once its animation has played.
class StateRolling : public EvasionState {
 public:
  StateRolling(Player* newOwner, Texture* texture);

  void Enter() override;
  void HandleInput(float dt) override;
};

// A slide that slows to a stop; the held side turns it. No road of the player leads here.
class StateRollRecovering : public LowState {
 public:
  // World units per second lost by the slide each second.
  static constexpr float Deceleration = 90.0f;

  StateRollRecovering(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  void Update(float dt) override;

  // Nothing gives it a value before the state runs: it starts at rest.
  float recoverySpeed = 0.0f;
};
