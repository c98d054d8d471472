#include "player/StateSpeakWalking.h"

#include "engine/Controls.h"
#include "player/Player.h"

StateSpeakWalking::StateSpeakWalking(Player* newOwner, Texture* texture)
    : StateWalking(newOwner, texture, SlotSpeakWalking) {}

void StateSpeakWalking::HandleInput(float dt) {
  const Controls& input = Input();
  if (input.IsLeftHeld() || input.IsRightHeld()) {
    Steer(1.0f, dt);
  } else {
    SwitchTo(SlotSpeaking);
  }
  CheckGodMode();
  CloseStep();
}

void StateSpeakWalking::Update(float dt) {
  stateTime += dt;
  player->ApplyGravity(dt);
  StepAnimation(dt);
  StepFootsteps(dt);
  CloseStep();
}
