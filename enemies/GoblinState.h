#pragma once

#include <memory>
#include <string>

#include "enemies/EnemyState.h"

class Goblin;

// What every state of the Goblin shares: the entry that sizes the body and the shield and
// draws the state's wait, the prologue of each update (time, gravity, animation and the
// strikes that reach the body past the shield), the tail that moves and places everything, the
// shield's block and the guard's next move.
class GoblinState : public EnemyState {
 public:
  GoblinState(Goblin* newOwner, std::wstring label, std::unique_ptr<Animation> animation,
              bool shielded, LimitDraw draw = {});

  void Enter() override;
  void UpdateHeld(float) override {}

  // What every update ends with: the picture, the move and the boundary pass, then the
  // strike, hit box, sprite, shield and meters put in place.
  void UpdateCommon(float dt);
  // Each player strike that touches the raised shield is blocked once: it pushes the goblin
  // back, costs it the strike's stamina damage and puts it into Blocking, or into a guard break
  // when its stamina is spent; the state the goblin ends in takes the strike's hit-stop. True
  // when a strike was blocked.
  bool CheckShieldContact();
  // The end of a guard: before the wait is over the goblin only turns to the player; then a
  // far player is approached behind the shield, a near one backed away from or pushed.
  void ChooseGuardMove();

  // Seconds, or for the guarded approach a stopping distance; drawn at entry.
  float wait = 0.0f;
  // The speed of an idle walk, and of a walk behind the shield.
  static constexpr float WalkSpeed = 2.5f;
  static constexpr float GuardWalkSpeed = 1.5f;
  // A player this close in front is noticed; one behind only this close.
  static constexpr float NoticeInFront = 7.0f;
  static constexpr float NoticeBehind = 5.5f;

 protected:
  // The prologue; the body takes the strikes that do not touch the shield.
  void StepPrologue(float dt);
  // Health spent: Dead; off the ground: Falling. True when it switched.
  bool LeaveWhenDeadOrFalling();
  // A player near enough in front alerts the goblin to the front, a nearer one behind it to
  // the back.
  void Notice(const Actor& player);
  bool WaitIsOver() const { return stateTime >= wait; }
  void SwitchTo(int index);
  // Turns to the player.
  void Face(const Actor& player);
  // Player x minus goblin x.
  float OffsetTo(const Actor& player) const;

  Goblin& goblin;

 private:
  bool shieldRaised;
  LimitDraw waitDraw;
};
