#pragma once

#include "player/PlayerState.h"

// Held in place while a screen runs over the world: the player ignores the controls and only
// falls and animates.
class StateStill : public PlayerState {
 public:
  StateStill(Player* newOwner, Texture* texture) : PlayerState(newOwner, texture, SlotStill) {}

  void Enter() override { EnterStanding(); }
  void HandleInput(float) override {}
  void Update(float dt) override { UpdatePassive(dt); }
  void UpdateHeld(float) override {}
};
