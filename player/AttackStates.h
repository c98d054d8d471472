#pragma once

#include "player/AttackState.h"

// The player's eight attacks. Each is its row of the attack table; what follows in a class is
// what no row can say: the input steps of the attacks whose steps are their own, and their ends.

class StateGroundAttacking1 : public AttackState {
 public:
  StateGroundAttacking1(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotGroundAttacking1) {}
};

class StateUpAttacking : public AttackState {
 public:
  StateUpAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotUpAttacking) {}

  // A held jump leaves the upward cut once it has not ended otherwise.
  void HandleInput(float dt) override;
  // A held jump waits for the end of the hit-stop; no god-mode chord.
  void HandleInputHeld(float dt) override;
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

  // Strung on: the jump cut comes first, and the god-mode chord even after a waiting state.
  void HandleInput(float dt) override;
  // Every cancel waits for the end of the hit-stop; no god-mode chord.
  void HandleInputHeld(float dt) override;
};

class StateForwardAirAttacking : public AttackState {
 public:
  StateForwardAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotForwardAirAttacking) {}

  // Only an air dash cuts it short.
  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
};

class StateUpAirAttacking : public AttackState {
 public:
  StateUpAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotUpAirAttacking) {}

  // A landing stands it idle and the step goes on; an air jump cuts it short.
  void HandleInput(float dt) override;
  // An air jump waits for the end of the hit-stop; no god-mode chord.
  void HandleInputHeld(float dt) override;
};

class StateDownAirAttacking : public AttackState {
 public:
  StateDownAirAttacking(Player* newOwner, Texture* texture)
      : AttackState(newOwner, texture, SlotDownAirAttacking) {}

  // Nothing cuts it short; it turns with the held side.
  void HandleInput(float dt) override;
  // Its time may end while the hit-stop holds.
  void HandleInputHeld(float dt) override;
};
