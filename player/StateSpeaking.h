#pragma once

#include "player/PlayerState.h"

class SpokenConversation;

// Talking through a conversation: the player turns to whoever says the current line and, unless
// the conversation holds it still, may walk off while it talks.
class StateSpeaking : public PlayerState {
 public:
  StateSpeaking(Player* newOwner, Texture* texture);

  void Enter() override { EnterStanding(); }
  void HandleInput(float dt) override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}

  // The conversation being talked through; the dialogue screen sets it after each switch here.
  const SpokenConversation* conversation = nullptr;  // not owned
};
