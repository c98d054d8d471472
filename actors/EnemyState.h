#pragma once

#include <memory>

#include "actors/State.h"

// The base of every enemy state: leaving it withdraws its strikes, and its update takes the
// players' strikes.
class EnemyState : public State {
 public:
  EnemyState(Actor* newOwner, std::unique_ptr<Animation> firstAnimation);

  // Takes the state's strikes off the world's enemy-strike list and lets them hit the players
  // again.
  void Exit() override;
  // Each player strike that reaches the owner's hit box hits once: hit-stop on both sides,
  // knock-back, damage after defence on both meters, the statistics and a rising number.
  void CheckIncomingHits();
};
