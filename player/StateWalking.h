#pragma once

#include "player/PlayerState.h"

// Moving along the ground while a direction is held: the input accelerates up to the walk
// speed, the update plays the walk and its footsteps.
class StateWalking : public PlayerState {
 public:
  StateWalking(Player* newOwner, Texture* texture, PlayerStateSlot slot = SlotWalking);

  void Enter() override;
  void HandleInput(float dt) override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}
  void HandleInputHeld(float dt) override;

  // Loops over two steps in half a second; the entries that carry a sound mark the footfalls.
  FrameSequence* footsteps = nullptr;

 protected:
  // Plays a footstep from the body on every update while a footfall entry is current.
  void StepFootsteps(float dt);
};
