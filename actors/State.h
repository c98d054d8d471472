#pragma once

#include <memory>
#include <string>
#include <vector>

#include "actors/Animation.h"
#include "items/StatBlock.h"
#include "platform/MathTypes.h"

class Actor;
class Shape;
class StrikeShape;

// One node of an actor's state machine. While it is current its own statistics sheet is added
// into the actor's totals. A state lives as long as its owner and is entered and left many
// times: Enter resets what it steps, Exit takes back what it put into the world.
class State {
 public:
  State();
  // The state owns its first animation, made by the owner's animation pool.
  State(Actor* newOwner, std::unique_ptr<Animation> firstAnimation);
  virtual ~State();
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  virtual void Enter() = 0;
  virtual void Exit() = 0;
  virtual void HandleInput(float) {}
  virtual void Update(float dt) = 0;
  // Runs instead of Update while the hold timer runs.
  virtual void UpdateHeld(float dt) = 0;

  std::wstring GetName() const { return name; }
  // The animation advances and moves on to its follow-on once it has played its length.
  void StepAnimation(float dt);
  // The same for a timed list of strikes or sounds.
  static void StepSequence(FrameSequence*& sequence, float dt);
  // Steps the strike-frame sequence, moving on to the next sequence once it has run its length.
  void UpdateShapeFrames(float dt);
  // Puts the owner's hit box at the owner's body, mirrored with the sprite.
  void PlaceHitBox();
  // The same for the current strike shape, with the strike's own offset.
  void PlaceStrikeShape();

  // "Owner: Action".
  std::wstring name;
  Actor* owner = nullptr;  // not owned
  Animation* animation = nullptr;
  float animationLength = 0.0f;
  float stateTime = 0.0f;
  // Seconds of hit-stop left.
  float holdTimer = 0.0f;
  FrameSequence* strikeFrames = nullptr;
  FrameSequence* effectFrames = nullptr;
  // What the camera adds to the owner's body position while this state is current.
  platform::Vector3 firstOffset;
  // Where the owner's sprite stands from its body position; not mirrored.
  platform::Vector3 spriteOffset;
  // From the owner's body position, for an owner facing right.
  platform::Vector3 hitBoxOffset;
  StatBlock stats{};

  // What the state built for itself; the pointers above point into these.
  std::vector<std::unique_ptr<Animation>> animations;
  std::vector<std::unique_ptr<FrameSequence>> sequences;
  std::vector<std::unique_ptr<FrameEntry>> entries;
  std::vector<std::unique_ptr<StrikeShape>> strikes;
};

// The knock-back of a strike on a target: from the strike's hot spot towards the target plus
// the strike's direction (mirrored with the strike), normalised in x and y, times the force.
platform::Vector3 ComputeStrikeVector(const StrikeShape& strike, const Shape& target);

// What is left of a damage after a defence: never above the damage, never below 0.
float DamageAfterDefence(float damage, float defence);
