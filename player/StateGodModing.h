#pragma once

#include "player/PlayerState.h"

// Free flight for debugging, while the god-mode key is held: no gravity, no hits, a hit box
// without extent, four directions at a slow rate. Letting go of the key falls.
class StateGodModing : public PlayerState {
 public:
  StateGodModing(Player* newOwner, Texture* texture);

  void Enter() override;
  // Sets the velocity afresh from the held directions at every step.
  void HandleInput(float dt) override;
  // Time and the animation only.
  void Update(float dt) override;
  void UpdateHeld(float) override {}
};
