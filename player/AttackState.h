#pragma once

#include <array>
#include <vector>

#include "player/PlayerAttackTable.h"
#include "player/PlayerState.h"

class StrikeShape;

// A player attack, played from its row of the attack table and its frames in the frame table.
// Three timed sequences run side by side from Enter, all scaled by the attack speed: the eight
// pictures, three strike frames of which only the middle one's shape can hit, and three sound
// frames of which the middle one swings. The input step ends the attack when its time is used
// up or its footing changes, and takes the cancels its row allows.
class AttackState : public PlayerState {
 public:
  AttackState(Player* newOwner, Texture* texture, PlayerStateSlot slot);
  ~AttackState() override;

  void Enter() override;
  void HandleInput(float dt) override;
  // Time, gravity, the pictures, the strike frame into the world's player strikes, incoming
  // hits, the swing sound.
  void Update(float dt) override;
  // Frozen by the hit-stop.
  void UpdateHeld(float) override {}
  // Keeps what the row allows for the end of the hit-stop.
  void HandleInputHeld(float dt) override;
  // On the ground the air moves are refilled, in the air only lowered to their maxima.
  void SetMovementLimits() override;

  // Each frame of the three sequences lasts its base time times the owner's attack-speed factor;
  // the base times stay as they are.
  void ApplyAttackSpeed();
  // The shape of the middle strike frame, the one that hits.
  StrikeShape* LiveStrike() const;

  const AttackPlan& plan;

 protected:
  // The attack's time is used up: a ground attack stands idle again, an air attack rises on
  // or falls.
  virtual void EndAttack();

 private:
  bool TimeUsedUp() const { return stateTime >= animationLength; }
  bool Triggered(Trigger trigger) const;
  void FaceFor(Trigger trigger);
  // A released jump control stops a rise.
  void CutJump();
  void DriftWithInput(float dt);
  // The strike frame's shape joins the world's player strikes.
  void PutInPlay(const FrameEntry* entry);
  // The middle sound frame starts its swing once, unless the swing still sounds.
  void Swing();

  std::vector<float> baseFrameTimes;
  std::array<FrameEntry*, AttackStepCount> strikeSteps{};
  std::array<FrameEntry*, AttackStepCount> soundSteps{};
  // The strike frame whose shape is in play, and the sound frame that started its swing.
  const FrameEntry* shownStrike = nullptr;
  const FrameEntry* swungSound = nullptr;
};
