#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "player/PlayerAttackTable.h"
#include "player/PlayerState.h"

class StrikeShape;

// An input that can cut an attack short.
enum class Trigger : uint8_t {
  JumpHeld,
  AirJump,      // jump pressed with an air jump left
  AirDash,      // dash pressed with an air dash left; faces the held side
  AttackUp,     // right stick up, or attack with up held
  AttackDown,   // right stick down, or attack with down held
  AttackLeft,   // right stick left, or attack with left held; faces left
  AttackRight,  // the mirror image
};

struct AttackCancel {
  Trigger trigger;
  PlayerStateSlot target;
};

// A player attack, played from its row of the attack table and its frames in the frame table.
// Three timed sequences run side by side from Enter, all scaled by the attack speed: the eight
// pictures, three strike frames of which only the middle one's shape can hit, and three sound
// frames of which the middle one swings. The input steps here are those of the ground attacks:
// the attack ends when its time is used up or the ground is lost; an attack whose steps differ
// has steps of its own, made of the pieces below.
class AttackState : public PlayerState {
 public:
  AttackState(Player* newOwner, Texture* texture, PlayerStateSlot slot);
  ~AttackState() override;

  void Enter() override;
  // A waiting state; else the ground lost or the time used up; then the god-mode chord.
  void HandleInput(float dt) override;
  // Time, gravity, the pictures, the strike frame into the world's player strikes, incoming
  // hits, the swing sound.
  void Update(float dt) override;
  // Frozen by the hit-stop.
  void UpdateHeld(float) override {}
  // Only the god-mode chord.
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

  // The pieces of the input steps; each that switches says so.
  // A waiting state taken, then the step closed.
  bool TookPending();
  // A ground attack that loses the ground falls.
  bool LostGround();
  // An air attack that lands stands idle.
  bool Landed();
  bool TimeEnded();
  // A released jump control stops a rise.
  void CutJump();
  // Held sides push the player along in the air, turning it with them or not.
  void Drift(float dt, bool turning = false);
  // The first cancel whose input came, taken now.
  bool TakeFirst(std::initializer_list<AttackCancel> cancels);
  // Every cancel whose input came, kept for the end of the hit-stop; the last one stands.
  void KeepForLater(std::initializer_list<AttackCancel> cancels);
  bool Waits(PlayerStateSlot slot) const;

 private:
  bool TimeUsedUp() const { return stateTime >= animationLength; }
  bool Triggered(Trigger trigger) const;
  void FaceFor(Trigger trigger);
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
