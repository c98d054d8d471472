#pragma once

#include "player/PlayerState.h"

// A burst along the ground in the facing direction on the dashing body. It goes on while the
// speed holds at the dash speed and the dash time lasts; jumps and attacks may cut it short,
// and the other direction brakes it.
class StateGroundDashing : public PlayerState {
 public:
  StateGroundDashing(Player* newOwner, Texture* texture);

  // The burst, its gust, the count of dashes; both air moves refilled.
  void Enter() override;
  void HandleInput(float dt) override;
  void Update(float dt) override { UpdateCrouched(dt); }
  void UpdateHeld(float) override {}
  void HandleInputHeld(float dt) override;

 private:
  // The jump and the attacks, taken at once or kept for the end of the hit-stop. True when
  // one of the buttons or the stick was pressed.
  bool TakeDashAction(bool buffered);
};
