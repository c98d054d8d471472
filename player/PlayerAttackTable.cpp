#include "player/PlayerAttackTable.h"

#include <algorithm>

#include "items/StatBlock.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

// Every attack strikes in the same rhythm: a wind-up, the cut as long as the swing frame, the
// follow-through. The swing sound starts with the cut.
constexpr std::array<float, AttackStepCount> StrikeTimes{0.1f, 1.0f / 15.0f, 2.0f / 15.0f};
constexpr std::array<float, AttackStepCount> SoundTimes{0.1f, 1.0f / 15.0f, 0.0f};
constexpr float GroundFreeze = 0.2f;
constexpr float UpFreeze = 0.15f;
constexpr float AirFreeze = 0.2f;
constexpr Vector3 GroundAttackHitBox{1.6f, 2.2f, 0.0f};

StrikePlan Quad(float width, float height, Vector3 offset, Vector3 direction, Vector3 hotSpot,
                ReachRule reach, float freezeTime) {
  return {StrikeForm::Quad, {width, height, 0.0f}, offset, direction, hotSpot, reach, freezeTime};
}

// Where on a quad of that size the knock-back starts.
Vector3 BottomMiddle(float height) { return {0.0f, -height / 2, 0.0f}; }
Vector3 TopMiddle(float height) { return {0.0f, height / 2, 0.0f}; }
Vector3 LeftMiddle(float width) { return {-width / 2, 0.0f, 0.0f}; }

AttackPlan Row(Footing footing, PlayerStateSlot slot, const wchar_t* strikeFrameName,
               StrikePlan strike, int swingSound, int damageFactor, int staminaDamageFactor,
               int force, int forceFactor) {
  return {slot,         strikeFrameName,     StrikeTimes, SoundTimes,  strike, swingSound,
          damageFactor, staminaDamageFactor, force,       forceFactor, footing};
}

std::vector<AttackPlan> BuildPlans() {
  std::vector<AttackPlan> plans;

  AttackPlan first = Row(
      Footing::Ground, SlotGroundAttacking1, L"Ground Attack pFrame",
      Quad(3.4738693f, 2.1829042f, {1.2f, -0.2f, 0.0f}, {}, {}, ReachRule::None, GroundFreeze),
      Player::SoundSwing1, Stat::DamageFactorGroundAttack1, Stat::StaminaDamageFactorGroundAttack1,
      Stat::ForceGroundAttack1, Stat::ForceFactorGroundAttack1);
  first.hitBoxSize = GroundAttackHitBox;
  plans.push_back(first);

  constexpr float UpHeight = 3.027899f;
  plans.push_back(Row(Footing::Ground, SlotUpAttacking, L"Up Attack pFrame",
                      Quad(3.074843f, UpHeight, {-0.1f, 0.3f, 0.0f}, {0.0f, 3.0f, 0.0f},
                           BottomMiddle(UpHeight), ReachRule::Height, UpFreeze),
                      Player::SoundSwing3, Stat::DamageFactorUpAttack,
                      Stat::StaminaDamageFactorUpAttack, Stat::ForceUpAttack,
                      Stat::ForceFactorUpAttack));

  plans.push_back(Row(Footing::Ground, SlotDownAttacking, L"Down Attack pFrame",
                      Quad(5.609830f, 1.244020f, {0.42f, -0.4f, 0.0f}, {0.0f, -1.0f, 0.0f}, {},
                           ReachRule::OffsetPlusExtent, GroundFreeze),
                      Player::SoundSwing4, Stat::DamageFactorDownAttack,
                      Stat::StaminaDamageFactorDownAttack, Stat::ForceDownAttack,
                      Stat::ForceFactorDownAttack));

  constexpr float DashWidth = 4.553586f;
  plans.push_back(Row(Footing::Ground, SlotGroundDashAttacking, L"Ground Dash Attack pFrame",
                      Quad(DashWidth, 2.018600f, {0.5f, 0.0f, 0.0f}, {1.0f, 0.5f, 0.0f},
                           LeftMiddle(DashWidth), ReachRule::OffsetPlusExtent, GroundFreeze),
                      Player::SoundSwing1, Stat::DamageFactorGroundDashAttack,
                      Stat::StaminaDamageFactorGroundDashAttack, Stat::ForceGroundDashAttack,
                      Stat::ForceFactorGroundDashAttack));

  // A circle on the body's centre strikes on every side; the knock-back leads away from below.
  constexpr float SpinRadius = 1.3f;
  plans.push_back(Row(Footing::Air, SlotNeutralAirAttacking, L"Up Attack pFrame",
                      {StrikeForm::Circle,
                       {SpinRadius, 0.0f, 0.0f},
                       {},
                       {0.0f, 1.0f, 0.0f},
                       {0.0f, -SpinRadius, 0.0f},
                       ReachRule::OffsetPlusExtent,
                       AirFreeze},
                      Player::SoundSwing4, Stat::DamageFactorNeutralAirAttack,
                      Stat::StaminaDamageFactorNeutralAirAttack, Stat::ForceNeutralAirAttack,
                      Stat::ForceFactorNeutralAirAttack));

  constexpr float ForwardWidth = 3.544286f;
  plans.push_back(Row(Footing::Air, SlotForwardAirAttacking, L"Dashing Forward Air Attack pFrame",
                      Quad(ForwardWidth, 2.558458f, {0.86f, 0.22f, 0.0f}, {1.0f, 1.3f, 0.0f},
                           LeftMiddle(ForwardWidth), ReachRule::OffsetPlusExtent, AirFreeze),
                      Player::SoundSwing1, Stat::DamageFactorForwardAirAttack,
                      Stat::StaminaDamageFactorForwardAirAttack, Stat::ForceForwardAirAttack,
                      Stat::ForceFactorForwardAirAttack));

  constexpr float UpAirHeight = 2.722762f;
  plans.push_back(Row(Footing::Air, SlotUpAirAttacking, L"Dashing Up Air Attack pFrame",
                      Quad(1.854295f, UpAirHeight, {-0.3f, 0.9f, 0.0f}, {0.0f, 1.0f, 0.0f},
                           BottomMiddle(UpAirHeight), ReachRule::OffsetPlusExtent, AirFreeze),
                      Player::SoundSwing1, Stat::DamageFactorUpAirAttack,
                      Stat::StaminaDamageFactorUpAirAttack, Stat::ForceUpAirAttack,
                      Stat::ForceFactorUpAirAttack));

  constexpr float DownAirHeight = 2.652347f;
  plans.push_back(Row(Footing::Air, SlotDownAirAttacking, L"Dashing Down Air Attack pFrame",
                      Quad(2.300265f, DownAirHeight, {0.2f, -0.8f, 0.0f}, {0.0f, -2.0f, 0.0f},
                           TopMiddle(DownAirHeight), ReachRule::OffsetPlusExtent, AirFreeze),
                      Player::SoundSwing2, Stat::DamageFactorDownAirAttack,
                      Stat::StaminaDamageFactorDownAirAttack, Stat::ForceDownAirAttack,
                      Stat::ForceFactorDownAirAttack));
  return plans;
}

}  // namespace

const std::vector<AttackPlan>& AttackPlans() {
  static const std::vector<AttackPlan> plans = BuildPlans();
  return plans;
}

const AttackPlan& AttackPlanOf(PlayerStateSlot slot) {
  const auto& plans = AttackPlans();
  return *std::find_if(plans.begin(), plans.end(),
                       [slot](const AttackPlan& plan) { return plan.slot == slot; });
}
