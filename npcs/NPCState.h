#pragma once

#include <memory>

#include "actors/State.h"

class NPC;
class NPCAnimationPool;

// The base of a character's two states. They put nothing into the world, so leaving one takes
// nothing back, and a held step has nothing to do.
class NPCState : public State {
 public:
  // Named "Name: Action" after the owner.
  NPCState(NPC* newOwner, std::unique_ptr<Animation> firstAnimation, const wchar_t* action);

  void Exit() override {}
  void UpdateHeld(float) override {}

 protected:
  // The clocks back to 0, the current frame kept and settled.
  void Restart();
  // Time runs, gravity pulls and the animation steps.
  void Idle(float dt);

  NPC* npc;  // the owner
};

// Standing where it is.
class NPCStateIdling : public NPCState {
 public:
  NPCStateIdling(NPC* newOwner, std::unique_ptr<Animation> firstAnimation);

  void Enter() override { Restart(); }
  void Update(float dt) override { Idle(dt); }
};

// In a conversation: it keeps turning to the first player until the conversation ends.
class NPCStateSpeaking : public NPCState {
 public:
  NPCStateSpeaking(NPC* newOwner, std::unique_ptr<Animation> firstAnimation);

  void Enter() override { Restart(); }
  void Update(float dt) override;
};

// A character's states, both on animations of its pool.
struct NPCStateSet {
  NPCStateSet(NPC* owner, NPCAnimationPool& newPool);

  NPCAnimationPool* pool;  // not owned
  std::unique_ptr<NPCStateIdling> idling;
  std::unique_ptr<NPCStateSpeaking> speaking;
};
