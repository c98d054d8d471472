#pragma once

#include <memory>
#include <string>

#include "enemies/EnemyState.h"

class DemoGoblin;

// What every state of the DemoGoblin shares: the entry that stands the body up and draws the
// state's wait, and an update that steps time, gravity and the animation, takes the player's
// strikes, decides and places the strike.
class DemoGoblinState : public EnemyState {
 public:
  DemoGoblinState(DemoGoblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation,
                  LimitDraw draw = {});

  void Enter() override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}

  // Seconds the state lasts before its timed decision; drawn at entry.
  float wait = 0.0f;

 protected:
  // The state's decisions, none by default; those that need the player are skipped while there
  // is none.
  virtual void Decide(float) {}

  // Health spent: Dead; off the ground: Falling. True when it switched.
  bool LeaveWhenDeadOrFalling();
  bool WaitIsOver() const { return stateTime >= wait; }
  void SwitchTo(int index);
  // A player within the reach in front alerts the DemoGoblin to the front, one within the reach
  // behind to the back.
  void Notice(const Actor& player, float reachInFront, float reachBehind);

  DemoGoblin& demoGoblin;

 private:
  LimitDraw waitDraw;
};
