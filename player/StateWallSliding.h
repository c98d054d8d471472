#pragma once

#include "player/AirborneState.h"

// Pressed against a wall in the air, sliding down it slowly with the slide sound looping;
// a jump pushes off it. The sound plays exactly while this state is current: leaving the state
// by any road stops it.
class StateWallSliding : public AirborneState {
 public:
  StateWallSliding(Player* newOwner, Texture* texture);

  // Standing body, both air moves refilled, the slide sound looping from the body.
  void Enter() override;
  void Exit() override;
  void HandleInput(float dt) override;
  // The sound follows the body.
  void Update(float dt) override;
  void HandleInputHeld(float dt) override;

 private:
  // Holding the side the player faces with a wall there.
  bool PressingWall() const;
  // Keeps pressing into the wall and slows the slide down to the slide speed.
  void Slide(float dt);
};
