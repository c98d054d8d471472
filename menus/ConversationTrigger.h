#pragma once

#include <vector>

#include "player/SpokenConversation.h"
#include "world/ModifierShape.h"

class NPC;

// A map trigger whose conversation the dialogue screen shows and the shop moves on: the
// screens read and advance its lines through this, without knowing the trigger.
class ConversationTrigger : public ModifierShape, public SpokenConversation {
 public:
  // Whether the indices name a line; a conversation without one opens nothing.
  virtual bool HasLine() const = 0;
  // On to the next line of the current conversation.
  virtual void NextLine() = 0;
  // On to the next conversation, from its first line.
  virtual void NextConversation() = 0;
  // The characters who say its lines, each once, in order of their first line.
  virtual std::vector<NPC*> Participants() const = 0;

 protected:
  using ModifierShape::ModifierShape;
};
