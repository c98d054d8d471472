#pragma once

#include "player/PlayerState.h"

// Standing still on the ground: the hub of the ground states, whose input decides in a fixed
// order whether the player falls, ducks, guards, attacks, jumps, dashes or walks.
class StateIdling : public PlayerState {
 public:
  StateIdling(Player* newOwner, Texture* texture);

  void Enter() override { EnterStanding(); }
  void HandleInput(float dt) override;
  void Update(float dt) override { UpdateStill(dt); }
  // While the hit-stop runs: death, a guard break when stamina is gone, or the fall.
  void UpdateHeld(float dt) override;
  void HandleInputHeld(float dt) override;
};
