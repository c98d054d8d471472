#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "actors/SwingFrames.h"
#include "platform/MathTypes.h"
#include "player/PlayerStateSlots.h"

// What makes each of the player's eight attacks its own, beside its frames in the frame table:
// when and where it strikes, what it sounds like, what it takes from the statistics and which
// inputs cut it short. The attack state plays any row of it.

// The footing an attack is made on, which decides how it ends.
enum class Footing : uint8_t { Ground, Air };

// Where the input step stops a rise whose jump control is let go.
enum class JumpCut : uint8_t { None, BeforePending, AfterPending };

// How held directions move an attack in the air.
enum class Drift : uint8_t { None, KeepFacing, TurnWithIt };

// An input that can end an attack early.
enum class Trigger : uint8_t {
  JumpHeld,
  AirJump,      // jump pressed with an air jump left
  AirDash,      // dash pressed with an air dash left; faces the held side
  AttackUp,     // right stick up, or attack with up held
  AttackDown,   // right stick down, or attack with down held
  AttackLeft,   // right stick left, or attack with left held; faces left
  AttackRight,  // the mirror image
};

struct AttackCancel {
  Trigger trigger;
  PlayerStateSlot target;
  // While the hit-stop holds, not taken again once it waits.
  bool once = false;
};

struct AttackPlan {
  PlayerStateSlot slot;
  // The strike frames are this name followed by 1, 2 and 3.
  const wchar_t* strikeFrameName;
  // Seconds of each strike frame and of each sound frame at attack speed 1.
  std::array<float, AttackStepCount> strikeTimes;
  std::array<float, AttackStepCount> soundTimes;
  StrikePlan strike;
  // Index of the player's sound that the middle sound frame starts.
  int swingSound;
  // Statistics read on entry.
  int damageFactor;
  int staminaDamageFactor;
  int force;
  int forceFactor;
  Footing footing;
  // The hit box takes this size instead of the body's.
  std::optional<platform::Vector3> hitBoxSize{};
  // A landing hands over to idling and the step goes on.
  bool landingGoesOn = false;
  JumpCut jumpCut = JumpCut::None;
  Drift drift = Drift::None;
  // Tried in order after the attack's own end; in each group the first match is taken.
  std::vector<std::vector<AttackCancel>> cancels{};
  // Tried in order while the hit-stop holds; each match replaces what waits.
  std::vector<AttackCancel> heldCancels{};
  // The god-mode chord after a waiting state was taken, and while the hit-stop holds.
  bool godModeAfterPending = false;
  bool godModeWhileHeld = false;
  // The end of the attack's time is tested while the hit-stop holds as well.
  bool endsWhileHeld = false;
};

// The eight attacks, ground ones first, in table order.
const std::vector<AttackPlan>& AttackPlans();
const AttackPlan& AttackPlanOf(PlayerStateSlot slot);
