#pragma once

#include "player/PlayerState.h"

// A short crouch on touching down, from which the player stands, walks, dashes or jumps, or
// stays low under a ceiling.
class StateLanding : public PlayerState {
 public:
  StateLanding(Player* newOwner, Texture* texture);

  void Enter() override { EnterCrouched(); }
  void HandleInput(float dt) override;
  void Update(float dt) override { UpdateCrouched(dt); }
  void UpdateHeld(float) override {}
  void HandleInputHeld(float dt) override;

 private:
  // The choices on the ground, taken at once or kept for the end of the hit-stop.
  void ChooseOnGround(bool buffered);
};
