#pragma once

#include "player/AirborneState.h"

// A jump taken in mid-air: spends an air jump, rises afresh and then behaves as any rise.
class StateAirJumping : public AirborneState {
 public:
  StateAirJumping(Player* newOwner, Texture* texture);

  // The push up, the gust, one air jump spent and counted.
  void Enter() override;
  void HandleInput(float dt) override { HandleRisingInput(dt); }
  void Update(float dt) override { UpdateStill(dt); }
  void UpdateHeld(float) override {}
  void HandleInputHeld(float dt) override { HandleRisingInputHeld(dt); }
  void SetMovementLimits() override { ApplyStatLimits(); }
};
