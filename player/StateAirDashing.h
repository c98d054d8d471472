#pragma once

#include "player/AirborneState.h"

// A horizontal burst in the air in the facing direction with a small lift. It lasts while the
// dash button stays held, the speed stays above the dash speed and the dash time lasts; a wall
// touched ends it in a slide, a rise or a fall.
class StateAirDashing : public AirborneState {
 public:
  StateAirDashing(Player* newOwner, Texture* texture);

  // The burst, its sound, one air dash spent and counted.
  void Enter() override;
  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
  void SetMovementLimits() override { ApplyStatLimits(); }

 private:
  // Unlike the other states' steps, every rule runs in turn and a later switch replaces the
  // state an earlier one entered. While a hit-stop runs the rules keep pending states instead,
  // the dash does not time out and nothing brakes.
  void RunRules(float dt, bool buffered);
  bool DashGoesOn(bool buffered) const;
};
