#pragma once

#include "player/StateWalking.h"

// Walking while a conversation goes on: it walks as the walking state does and goes back to
// speaking, not to idling, once no direction is held.
class StateSpeakWalking : public StateWalking {
 public:
  StateSpeakWalking(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  void HandleInputHeld(float) override {}
  void Update(float dt) override;
};
