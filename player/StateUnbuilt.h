#pragma once

#include "player/PlayerState.h"

// A table entry whose behaviour is not built yet. It takes its body and shows its first frame,
// moves only under gravity, takes no strikes and hands the player back to idling once it
// stands on the ground with health left; its name says that it is not built. Its
// movement-limit step refills the air moves.
class StateUnbuilt : public PlayerState {
 public:
  StateUnbuilt(Player* newOwner, Texture* texture, PlayerStateSlot slot);

  void Enter() override;
  void HandleInput(float dt) override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}
};
