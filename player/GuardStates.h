#pragma once

#include "player/PlayerState.h"

// Guarding while action 4 is held on the ground: a guarded hit meets the guard defence and the
// guard endurance on top of the player's own.
class StateGuarding : public PlayerState {
 public:
  StateGuarding(Player* newOwner, Texture* texture);

  void Enter() override { EnterStanding(); }
  void HandleInput(float dt) override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}
};

// A broken guard, of level 1 (least) to 3 (stamina gone): the player is stunned and may steer,
// falls deeper when hit again, and comes back once the stamina is at the level's threshold.
// Up and Down differ only in the picture and in the level-2 input.
class GuardBreakState : public PlayerState {
 public:
  GuardBreakState(Player* newOwner, Texture* texture, PlayerStateSlot slot, int level, bool rising);

  // Standing body, the stamina bar dark red, the level's counter up by one; the air moves
  // are left as they are.
  void Enter() override;
  void HandleInput(float dt) override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}
  void SetMovementLimits() override { ApplyStatLimits(); }

  // The stamina at which the break ends.
  float RecoveryThreshold() const;

  const int level;
  const bool rising;

 private:
  // On the ground to idling; in the air rising or falling by the vertical motion.
  void EndBreak();
};

class StateGuardBreak1Up : public GuardBreakState {
 public:
  StateGuardBreak1Up(Player* newOwner, Texture* texture)
      : GuardBreakState(newOwner, texture, SlotGuardBreak1Up, 1, true) {}
};

class StateGuardBreak1Down : public GuardBreakState {
 public:
  StateGuardBreak1Down(Player* newOwner, Texture* texture)
      : GuardBreakState(newOwner, texture, SlotGuardBreak1Down, 1, false) {}
};

class StateGuardBreak2Up : public GuardBreakState {
 public:
  StateGuardBreak2Up(Player* newOwner, Texture* texture)
      : GuardBreakState(newOwner, texture, SlotGuardBreak2Up, 2, true) {}
};

class StateGuardBreak2Down : public GuardBreakState {
 public:
  StateGuardBreak2Down(Player* newOwner, Texture* texture)
      : GuardBreakState(newOwner, texture, SlotGuardBreak2Down, 2, false) {}
};

class StateGuardBreak3Up : public GuardBreakState {
 public:
  StateGuardBreak3Up(Player* newOwner, Texture* texture)
      : GuardBreakState(newOwner, texture, SlotGuardBreak3Up, 3, true) {}
};

class StateGuardBreak3Down : public GuardBreakState {
 public:
  StateGuardBreak3Down(Player* newOwner, Texture* texture)
      : GuardBreakState(newOwner, texture, SlotGuardBreak3Down, 3, false) {}
};
