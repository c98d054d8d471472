#pragma once

#include "player/AttackState.h"

// The player's eight attacks. Each is its row of the attack table; what follows in a class is
// what no row can say.

class StateGroundAttacking1 : public AttackState {
 public:
  StateGroundAttacking1(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotGroundAttacking1) {}
};

class StateUpAttacking : public AttackState {
 public:
  StateUpAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotUpAttacking) {}

  // Its Enter refills the air moves, but an equipment change leaves them as they are.
  void SetMovementLimits() override {}
};

class StateDownAttacking : public AttackState {
 public:
  StateDownAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotDownAttacking) {}

 protected:
  // Stays crouched under a ceiling or with down held, else stands up.
  void EndAttack() override;
};

class StateGroundDashAttacking : public AttackState {
 public:
  StateGroundDashAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotGroundDashAttacking) {}

 protected:
  // Under a ceiling crouches; else walks on with a side held, crouches with down, or idles.
  void EndAttack() override;
};

class StateNeutralAirAttacking : public AttackState {
 public:
  StateNeutralAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotNeutralAirAttacking) {}
};

class StateForwardAirAttacking : public AttackState {
 public:
  StateForwardAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotForwardAirAttacking) {}
};

class StateUpAirAttacking : public AttackState {
 public:
  StateUpAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotUpAirAttacking) {}
};

class StateDownAirAttacking : public AttackState {
 public:
  StateDownAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotDownAirAttacking) {}
};
