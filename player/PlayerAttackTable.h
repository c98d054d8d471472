#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "actors/SwingFrames.h"
#include "platform/MathTypes.h"
#include "player/PlayerStateSlots.h"

// What makes each of the player's eight attacks its own, beside its frames in the frame table:
// when and where it strikes, what it sounds like and what it takes from the statistics. The
// attack state plays any row of it; each attack's input steps are its own.

// The footing an attack is made on, which decides how it ends.
enum class Footing : uint8_t { Ground, Air };

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
};

// The eight attacks, ground ones first, in table order.
const std::vector<AttackPlan>& AttackPlans();
const AttackPlan& AttackPlanOf(PlayerStateSlot slot);
