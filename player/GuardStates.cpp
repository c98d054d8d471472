#include "player/GuardStates.h"

#include <array>

#include "engine/CircularMeter.h"
#include "engine/Controls.h"
#include "player/Player.h"

namespace {

// The counters of the break levels 1 to 3.
constexpr std::array<int, 3> BreakCounters = {Stat::StatTimesBreakPoint1Broken,
                                              Stat::StatTimesBreakPoint2Broken,
                                              Stat::StatTimesBreakPoint3Broken};
constexpr float FullSteering = 1.0f;
constexpr float HalfSteering = 0.5f;
// The deepest break takes no more stamina.
constexpr HitRule SparedStamina{0.0f, 0.0f, false};

}  // namespace

StateGuarding::StateGuarding(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotGuarding) {}

void StateGuarding::HandleInput(float) {
  const Controls& input = Input();
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (input.IsAction4Held()) {
    if (input.IsLeftHeld()) {
      player->facing = -1;
    } else if (input.IsRightHeld()) {
      player->facing = 1;
    }
  } else {
    SwitchTo(SlotIdling);
  }
  CheckGodMode();
  CloseStep();
}

void StateGuarding::Update(float dt) {
  UpdateStill(dt, HitRule{player->derived[Derived::GuardDefense],
                          player->derived[Derived::GuardEndurance]});
}

GuardBreakState::GuardBreakState(Player* newOwner, Texture* texture, PlayerStateSlot entry,
                                 int breakLevel, bool up)
    : PlayerState(newOwner, texture, entry), level(breakLevel), rising(up) {}

void GuardBreakState::Enter() {
  TakeBodySize(player->standingSize);
  ResetTimers();
  SetStaminaBarColor(StaminaBarBroken);
  CountStat(BreakCounters.at(static_cast<size_t>(level - 1)), 1.0f);
}

void GuardBreakState::HandleInput(float dt) {
  const Controls& input = Input();
  if (level == 1) {
    if (OnGround()) {
      SwitchTo(SlotIdling);
    } else {
      Steer(FullSteering, dt);
    }
  } else if (level == 2) {
    const bool guards = input.IsAction4Pressed(input.activePad) && OnGround();
    if (guards) SwitchTo(SlotGuarding);
    // Thrown upwards, the player still steers in the step that guards again.
    if (!guards || rising) Steer(HalfSteering, dt);
  } else {
    Steer(FullSteering, dt);
  }
  CheckGodMode();
  CloseStep();
}

void GuardBreakState::Update(float dt) {
  CountStat(Stat::StatStunTime, dt);
  UpdatePassive(dt);
  const StrikeOutcome outcome = TakeStrikes(level == 3 ? SparedStamina : HitRule{});
  if (outcome == StrikeOutcome::Died) {
    // The death check has switched.
  } else if (level < 3 && outcome == StrikeOutcome::Hit) {
    const int deeper = GuardBreakLevel();
    if (deeper > level) BreakGuard(deeper);
  } else if (player->staminaRing->value >= RecoveryThreshold()) {
    EndBreak();
  }
  CloseStep();
}

float GuardBreakState::RecoveryThreshold() const {
  const float breakPoint1 = player->derived[Derived::BreakPoint1Factor];
  // The lower two thresholds are products of factors, not shares of the maximum.
  if (level == 1) return breakPoint1 * player->derived[Derived::MaxStamina];
  if (level == 2) return player->derived[Derived::BreakPoint2Factor] * breakPoint1;
  return player->derived[Derived::ResistanceFactor] * breakPoint1;
}

void GuardBreakState::EndBreak() {
  if (OnGround()) {
    SwitchTo(SlotIdling);
  } else {
    SwitchTo(player->body->velocity.y >= 0.0f ? SlotAscending : SlotFalling);
  }
}
