#pragma once

#include <memory>
#include <string>

#include "actors/EnemyState.h"

class Ratatoskr;

// What every state of the Ratatoskr shares: the entry that draws its time limit, the prelude of
// each update (time, gravity, animation, hits, death, losing the ground) and the small moves
// its decisions are made of. Decisions read the world's first player and are skipped while
// there is none.
class RatatoskrState : public EnemyState {
 public:
  // The time limit drawn at each entry: (r mod spread + base) / 100 seconds; no draw when the
  // spread is 0.
  struct LimitDraw {
    int spread = 0;
    int base = 0;
  };
  // How far the prelude of an update runs, by its last step.
  enum class Prelude { Animation, Death, Ground };

  RatatoskrState(Ratatoskr* newOwner, std::wstring label, std::unique_ptr<Animation> animation,
                 LimitDraw draw, Prelude prelude = Prelude::Ground);

  void Enter() override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}

  // Seconds the state lasts before its timed decision; drawn at entry.
  float timeLimit = 0.0f;

 protected:
  // The state's decisions once the prelude has left it current; none by default.
  virtual void Decide(const Actor&, float) {}
  // The prelude up to its last step; true when it switched the state.
  bool RunPrelude(float dt, Prelude last);
  // The world's first player, when it has a body.
  const Actor* FirstPlayer() const;

  bool TimedOut() const { return stateTime >= timeLimit; }
  float DistanceTo(const Actor& player) const;
  bool IsInFront(const Actor& player) const;
  void SwitchTo(int index);
  // r mod 2 of the program's generator.
  static int Coin();
  // A coin of 0 takes the first.
  void SwitchByCoin(int first, int second);
  // The coin picks the state, then a second coin the facing.
  void TurnRandomlyAndSwitch(int first, int second);
  // Runs along the facing: below the top speed the speed goes straight to it.
  void RunAt(float topSpeed, float dt);
  // Idling and Cautious: a timeout wanders (home first, else a coin between the given state and
  // Running); before it, a player within the alert distance startles the Ratatoskr.
  void DecideWhileResting(const Actor& player, int coinFirst, float alertInFront,
                          float alertBehind);

  Ratatoskr& ratatoskr;

 private:
  LimitDraw limitDraw;
  Prelude preludeEnd;
};
