#pragma once

#include "player/PlayerState.h"

// A table entry whose behaviour is not built yet. It takes its body and shows its first frame,
// moves only under gravity, takes no strikes and hands the player back to idling once it
// stands on the ground with health left; its name says that it is not built.
class StateUnbuilt : public PlayerState {
 public:
  // How the entry's movement-limit step treats the air moves.
  enum class Limits { Refill, Lower };

  StateUnbuilt(Player* newOwner, Texture* texture, PlayerStateSlot slot, Limits limits);

  void Enter() override;
  void HandleInput(float dt) override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}
  void SetMovementLimits() override;

 private:
  Limits limits_;
};
