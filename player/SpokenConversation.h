#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Actor;

// One line of a conversation. The map stores the speaker's id; the map reader finds the
// speaker by it.
struct ConversationLine {
  int32_t id = 0;
  std::string text;
  Actor* speaker = nullptr;
};

using Conversation = std::vector<ConversationLine>;

// A conversation as the player who speaks in it follows it: the player turns to whoever says
// the current line and, unless the conversation holds it still, may walk off.
class SpokenConversation {
 public:
  // The current line; an empty line when there is none.
  virtual ConversationLine GetLines() const = 0;
  virtual bool HoldsSpeakerStill() const = 0;

 protected:
  ~SpokenConversation() = default;
};
