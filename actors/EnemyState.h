#pragma once

#include <memory>

#include "actors/State.h"
#include "platform/MathTypes.h"

class StrikeQuad;

// The size and effect of a strike that an enemy state builds.
struct StrikeValues {
  float width = 0.0f;
  float height = 0.0f;
  // From the owner's body, for an owner facing right.
  platform::Vector3 offset;
  float force = 0.0f;
  float damage = 0.0f;
  // Seconds of hit-stop.
  float freeze = 0.0f;
};

// The base of every enemy state: leaving it withdraws its strikes, and its update takes the
// players' strikes.
class EnemyState : public State {
 public:
  // Whether a hit pushes the owner away or leaves it where it stands.
  enum class KnockBack { Applied, None };

  EnemyState(Actor* newOwner, std::unique_ptr<Animation> firstAnimation);

  // Takes the state's strikes off the world's enemy-strike list and lets them hit the players
  // again.
  void Exit() override;
  // Each player strike that reaches the owner's hit box hits once: hit-stop on both sides,
  // knock-back, damage after defence on both meters, the statistics and a rising number.
  void CheckIncomingHits(KnockBack knockBack = KnockBack::Applied);
  // What a resting state does in a frame: its time runs, gravity pulls and the animation
  // steps. Nothing hits it and it switches nowhere.
  void UpdateIdle(float dt);

 protected:
  // A strike quad in the strike colour that hits for the owner, owned by the state, and the
  // state's strike sequence: one entry of that name that carries it and never ends.
  StrikeQuad* MakeLastingStrike(std::wstring entryName, const StrikeValues& values);
};
