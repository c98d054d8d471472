#include "player/StateSpeaking.h"

#include "engine/Controls.h"
#include "player/Player.h"
#include "player/SpokenConversation.h"

StateSpeaking::StateSpeaking(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotSpeaking) {}

void StateSpeaking::HandleInput(float) {
  if (conversation && conversation->HoldsSpeakerStill()) return;
  const Controls& input = Input();
  if (input.IsLeftHeld() || input.IsRightHeld()) {
    const int side = input.IsLeftHeld() ? -1 : 1;
    SwitchTo(SlotSpeakWalking);
    if (OnGround()) player->facing = side;
  }
  CloseStep();
}

void StateSpeaking::Update(float dt) {
  stateTime += dt;
  player->ApplyGravity(dt);
  // A line nobody says leaves the player facing as it was.
  const Actor* speaker = conversation ? conversation->GetLines().speaker : nullptr;
  if (speaker && speaker->body) {
    player->facing = player->body->position.x <= speaker->body->position.x ? 1 : -1;
  }
  StepAnimation(dt);
  CloseStep();
}
