#pragma once

#include <memory>
#include <string>

#include "enemies/EnemyState.h"

class Ratatoskr;

// What every state of the Ratatoskr shares: the entry that draws its time limit, the prelude of
// each update (time, gravity, animation, hits, death, losing the ground) and the moves its
// decisions are made of. Decisions are skipped while the world has no player.
class RatatoskrState : public EnemyState {
 public:
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

  bool TimedOut() const { return stateTime >= timeLimit; }
  void SwitchTo(int index);
  // A coin of 0 takes the first.
  void SwitchByCoin(int first, int second);
  // The coin picks the state, then a second coin the facing.
  void TurnRandomlyAndSwitch(int first, int second);
  // Idling and Cautious: a timeout wanders (home first, else a coin between the given state and
  // Running); before it, a player within the alert distance startles the Ratatoskr.
  void DecideWhileResting(const Actor& player, int coinFirst, float alertInFront,
                          float alertBehind);

  Ratatoskr& ratatoskr;

 private:
  LimitDraw limitDraw;
  Prelude preludeEnd;
};
