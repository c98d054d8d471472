#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "actors/State.h"
#include "platform/MathTypes.h"

class HitQuad;
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
// players' strikes. It also holds the small steps that enemy decisions are made of; those that
// need the player read the world's first player and are skipped while there is none.
class EnemyState : public State {
 public:
  // Whether a hit pushes the owner away or leaves it where it stands.
  enum class KnockBack { Applied, None };
  // A time drawn at entry: (r mod spread + base) / 100 seconds. Nothing is drawn when the
  // spread is 0.
  struct LimitDraw {
    int spread = 0;
    int base = 0;
  };
  // One entry of a strike-frame sequence.
  struct StrikeFrame {
    const wchar_t* name;
    float duration;
    StrikeShape* strike;
  };
  enum class Alert { None, Front, Back };

  EnemyState(Actor* newOwner, std::unique_ptr<Animation> firstAnimation);

  // Takes the state's strikes off the world's enemy-strike list and lets them hit the players
  // again.
  void Exit() override;
  // Each player strike that reaches the owner's hit box hits once: hit-stop on both sides,
  // knock-back, damage after defence on both meters, the statistics and a rising number. A
  // strike that touches the cover, or that the cover has already stopped, does not reach the
  // hit box behind it.
  void CheckIncomingHits(KnockBack knockBack = KnockBack::Applied,
                         const HitQuad* cover = nullptr);
  // What a resting state does in a frame: its time runs, gravity pulls and the animation
  // steps. Nothing hits it and it switches nowhere.
  void UpdateIdle(float dt);

 protected:
  // A strike quad in the strike colour that hits for the owner, owned by the state, and the
  // state's strike sequence: one entry of that name that carries it and never ends.
  StrikeQuad* MakeLastingStrike(const wchar_t* entryName, const StrikeValues& values);
  // A strike quad in the strike colour that hits for the owner; the state owns it. The bias is
  // added to the knock-back's aim, for an owner facing right.
  StrikeQuad* AddStrikeQuad(const StrikeValues& values, const platform::Vector3& bias = {},
                            float staminaDamage = 0.0f);
  // A strike without size, which touches nothing: the frames in which the owner does not hit.
  StrikeShape* AddBlankStrike();
  // The state's strike-frame sequence, not looping, from the frames in playing order.
  void BuildStrikeFrames(std::initializer_list<StrikeFrame> frames);
  // The strike frames from their start, the first one's strike in play.
  void PutFirstStrikeInPlay();
  // Steps the strike frames; when the entry changes, the state's strikes leave play and the new
  // entry's comes in.
  void StepStrikeFrames(float dt);

  // In hundredths of a second from the program's generator; 0 when nothing is drawn.
  static float DrawTime(LimitDraw draw);
  // r mod 2 of the program's generator.
  static int Coin();
  // The owner's health is 0 or less.
  bool HealthSpent() const;
  // The state's clock and its animation back to their start.
  void Restart();

  // The world's first player, when it has a body.
  const Actor* FirstPlayer() const;
  float DistanceTo(const Actor& player) const;
  bool IsInFront(const Actor& player) const;
  // What a player causes at its distance: an alert from the front within the first reach when
  // it stands in front, else one from the back within the second.
  Alert AlertBy(const Actor& player, float reachInFront, float reachBehind) const;
  // +1 when the player stands right of the owner, else -1.
  int SideOf(const Actor& player) const;
  // Runs along the facing, or against it: below the top speed the speed goes straight to it.
  void RunAt(float topSpeed, float dt);
  void BackAwayAt(float topSpeed, float dt);

 private:
  void RunTowards(float side, float topSpeed, float dt);

  // The strike entry in play since the last step.
  FrameEntry* previousStrikeEntry = nullptr;
};
