#pragma once

#include "player/PlayerState.h"

// The states that keep the player low on the ground. Each enters on the crouching body and,
// while down is held, offers the down attack, the stick attacks and a jump that needs room to
// stand; letting go of down stands the player up only where the standing body fits.
class LowState : public PlayerState {
 public:
  using PlayerState::PlayerState;

  void Enter() override { EnterCrouched(); }
  void UpdateHeld(float) override {}

 protected:
  // The choices while down is held, in their order. True when one of them was taken, a jump
  // that was refused included.
  bool TakeDownHeldAction(bool buffered);
  // Those, then the dodge (or, with rollAside, a roll to a held side) and the crouch walk.
  void TakeCrouchedAction(bool buffered, bool rollAside);
  // Turns to the held side, left first; false when neither is held.
  bool FaceHeldSide();

 private:
  // A ground whose edges are partly open is dropped through instead of jumped from.
  void CrouchJump(bool buffered);
};

// Going down: after its animation the player crouches; letting go stands up again at once.
class StateDucking : public LowState {
 public:
  StateDucking(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
  void Update(float dt) override { UpdateStill(dt); }
};

// Staying down. Under a ceiling too low to stand, letting go of down leaves the player here,
// deaf to every other input until down is held again.
class StateCrouching : public LowState {
 public:
  StateCrouching(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
  void Update(float dt) override { UpdateCrouched(dt); }
};

// Moving while down, up to the crouch-walk speed; the dodge button rolls.
class StateCrouchWalking : public LowState {
 public:
  StateCrouchWalking(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
  void Update(float dt) override { UpdateCrouched(dt); }

 private:
  // Down no longer held: up where the standing body fits, else down in place.
  PlayerStateSlot RiseOrStay() const;
};

// Getting up, still on the crouching body; idling follows its animation.
class StateStanding : public LowState {
 public:
  StateStanding(Player* newOwner, Texture* texture);

  void HandleInput(float dt) override;
  void HandleInputHeld(float dt) override;
  void Update(float dt) override { UpdateStill(dt); }

 private:
  // The choices of a player who stands up, in their order.
  void TakeRisingAction(bool buffered);
};
