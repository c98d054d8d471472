#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "actors/Actor.h"
#include "engine/draw/Sprite.h"

// What every non-player character shares: it is an actor of the third kind.
class NPC : public Actor {
 public:
  static constexpr int32_t ActorKindNpc = 2;

  explicit NPC(std::string name) : Actor(std::move(name)) { kind = ActorKindNpc; }

  // A conversation it speaks in opens and closes; each character turns and speaks in its own
  // way.
  virtual void BeginConversation() {}
  virtual void EndConversation() {}

  // The face the dialogue screen shows; none until the character's pictures are loaded.
  std::unique_ptr<Sprite> portrait;
};
