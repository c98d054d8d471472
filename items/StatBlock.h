#pragma once

#include <array>
#include <string_view>

// The statistics sheet of every actor, item and state: one float per key, addressed by index.
// The key order below is the one order of the whole program: memory, item files, the player
// record and the editor's fields all use it.
#define QM_STAT_KEYS(X) \
  /* 0 */ \
  X(Mass) X(DragFactor) X(AirDragFactor) \
  /* 3 */ \
  X(BaseAttack) X(BaseDefense) X(BaseGuardDefense) X(BasePowershieldDefense) X(BaseHealth) \
  X(BaseHealthRecovery) X(BaseStamina) X(BaseStaminaRecovery) X(BaseBreakPoint1Factor) \
  X(BaseBreakPoint2Factor) X(BaseResistanceFactor) X(BaseStaminaDamage) X(BaseEndurance) \
  X(BaseGuardEndurance) X(BasePowershieldEndurance) X(BaseSP) X(BaseSPRecovery) \
  X(BaseSpecialAttackDamage) X(BaseSpecialAttackStaminaDamage) X(BaseSpecialAttackCost) \
  X(BaseAttackSpeedFactor) X(BaseDodgeSpeedFactor) X(BaseGuardSpeedFactor) \
  /* 26 */ \
  X(GainedAttack) X(GainedDefense) X(GainedGuardDefense) X(GainedPowershieldDefense) \
  X(GainedHealth) X(GainedHealthRecovery) X(GainedStamina) X(GainedStaminaRecovery) \
  X(GainedBreakPoint1Limit) X(GainedBreakPoint2Limit) X(GainedResistance) \
  X(GainedStaminaDamage) X(GainedEndurance) X(GainedGuardEndurance) \
  X(GainedPowershieldEndurance) X(GainedSP) X(GainedSPRecovery) X(GainedSpecialAttackDamage) \
  X(GainedSpecialAttackStaminaDamage) X(GainedSpecialAttackCost) X(GainedAttackSpeedFactor) \
  X(GainedDodgeSpeedFactor) X(GainedGuardSpeedFactor) \
  /* 49 */ \
  X(StatExperience) X(StatGivenExperience) X(StatGroundDist) X(StatAirDist) X(StatGroundTime) \
  X(StatAirTime) X(StatJumps) X(StatAirJumps) X(StatGroundDashes) X(StatAirDashes) \
  X(StatDamageDealt) X(StatDamageReceived) X(StatDamageDefended) X(StatDamageGuardDefended) \
  X(StatDamagePowershielded) X(StatDamageDodged) X(StatTimesBreakPoint1Broken) \
  X(StatTimesBreakPoint2Broken) X(StatTimesBreakPoint3Broken) X(StatTimesUsedSpecialAttack) \
  X(StatTimesUsedSpecialDefense) X(StatLandedAttacks) X(StatSPUsed) X(StatSPRecovered) \
  X(StatSpecialAttackDamageDealt) X(StatStunTime) X(StatStaminaDamageReceived) \
  X(StatStaminaDamageDefended) X(StatStaminaDamageRecovered) X(StatStaminaDamageDealt) \
  X(StatSpecialAttackStaminaDamageDealt) X(StatHealthRecovered) \
  /* 81 */ \
  X(InitExperience) X(RateExperience) X(InitGroundDist) X(RateGroundDist) X(InitJump) \
  X(RateJump) X(InitDash) X(RateDash) X(InitDamageDealt) X(RateDamageDealt) \
  X(InitDamageReceived) X(RateDamageReceived) X(InitDamageDefended) X(RateDamageDefended) \
  X(InitDamageGuardDefended) X(RateDamageGuardDefended) X(InitDamagePowershielded) \
  X(RateDamagePowershielded) X(InitDamageDodged) X(RateDamageDodged) \
  X(InitTimesBreakPoint1Broken) X(RateTimesBreakPoint1Broken) X(InitTimesBreakPoint2Broken) \
  X(RateTimesBreakPoint2Broken) X(InitTimesBreakPoint3Broken) X(RateTimesBreakPoint3Broken) \
  X(InitSpecialAttackUsage) X(RateSpecialAttackUsage) X(InitSpecialDefenseUsage) \
  X(RateSpecialDefenseUsage) X(InitSPUsed) X(RateSPUsed) X(InitSPRecovered) X(RateSPRecovered) \
  X(InitSpecialAttackDamageDealt) X(RateSpecialAttackDamageDealt) X(InitStunTime) \
  X(RateStunTime) X(InitStaminaDamageReceived) X(RateStaminaDamageReceived) \
  X(InitStaminaDamageDefended) X(RateStaminaDamageDefended) X(InitStaminaDamageRecovered) \
  X(RateStaminaDamageRecovered) X(InitStaminaDamageDealt) X(RateStaminaDamageDealt) \
  X(InitSpecialAttackStaminaDamageDealt) X(RateSpecialAttackStaminaDamageDealt) \
  X(InitHealthRecovered) X(RateHealthRecovered) \
  /* 131 */ \
  X(PtExperience) X(PtGivenExperience) X(PtGroundDist) X(PtAirDist) X(PtGroundTime) \
  X(PtAirTime) X(PtJumps) X(PtAirJumps) X(PtGroundDashes) X(PtAirDashes) X(PtDamageDealt) \
  X(PtDamageReceived) X(PtDamageDefended) X(PtDamageGuardDefended) X(PtDamagePowershielded) \
  X(PtDamageDodged) X(PtTimesBreakPoint1Broken) X(PtTimesBreakPoint2Broken) \
  X(PtTimesBreakPoint3Broken) X(PtTimesUsedSpecialAttack) X(PtTimesUsedSpecialDefense) \
  X(PtLandedAttacks) X(PtSPUsed) X(PtSPRecovered) X(PtSpecialAttackDamageDealt) X(PtStunTime) \
  X(PtStaminaDamageReceived) X(PtStaminaDamageDefended) X(PtStaminaDamageRecovered) \
  X(PtStaminaDamageDealt) X(PtSpecialAttackStaminaDamageDealt) X(PtHealthRecovered) \
  /* 163 */ \
  X(PtGainFactorExperience) X(PtGainFactorGivenExperience) X(PtGainFactorGroundDist) \
  X(PtGainFactorAirDist) X(PtGainFactorGroundTime) X(PtGainFactorAirTime) X(PtGainFactorJumps) \
  X(PtGainFactorAirJumps) X(PtGainFactorGroundDashes) X(PtGainFactorAirDashes) \
  X(PtGainFactorDamageDealt) X(PtGainFactorDamageReceived) X(PtGainFactorDamageDefended) \
  X(PtGainFactorDamageGuardDefended) X(PtGainFactorDamagePowershielded) \
  X(PtGainFactorDamageDodged) X(PtGainFactorTimesBreakPoint1Broken) \
  X(PtGainFactorTimesBreakPoint2Broken) X(PtGainFactorTimesBreakPoint3Broken) \
  X(PtGainFactorTimesUsedSpecialAttack) X(PtGainFactorTimesUsedSpecialDefense) \
  X(PtGainFactorLandedAttacks) X(PtGainFactorSPUsed) X(PtGainFactorSPRecovered) \
  X(PtGainFactorSpecialAttackDamageDealt) X(PtGainFactorStunTime) \
  X(PtGainFactorStaminaDamageReceived) X(PtGainFactorStaminaDamageDefended) \
  X(PtGainFactorStaminaDamageRecovered) X(PtGainFactorStaminaDamageDealt) \
  X(PtGainFactorSpecialAttackStaminaDamageDealt) X(PtGainFactorHealthRecovered) \
  /* 195 */ \
  X(DaggerProficiency) X(SwordProficiency) X(SpearProficiency) \
  /* 198 */ \
  X(WalkAccel) X(MaxWalkSpeed) X(DashStrength) X(MaxDashSpeed) X(GroundDashTime) X(AirDashTime) \
  X(CrouchWalkAccel) X(MaxCrouchWalkSpeed) X(RollStrength) X(DodgeTime) X(JumpStrength) \
  X(WallSlideSpeed) X(MaxFallSpeed) \
  /* 211 */ \
  X(DamageFactorDownAirAttack) X(DamageFactorDownAttack) X(DamageFactorForwardAirAttack) \
  X(DamageFactorGroundAttack1) X(DamageFactorGroundDashAttack) X(DamageFactorNeutralAirAttack) \
  X(DamageFactorUpAirAttack) X(DamageFactorUpAttack) \
  /* 219 */ \
  X(StaminaDamageFactorDownAirAttack) X(StaminaDamageFactorDownAttack) \
  X(StaminaDamageFactorForwardAirAttack) X(StaminaDamageFactorGroundAttack1) \
  X(StaminaDamageFactorGroundDashAttack) X(StaminaDamageFactorNeutralAirAttack) \
  X(StaminaDamageFactorUpAirAttack) X(StaminaDamageFactorUpAttack) \
  /* 227 */ \
  X(ForceDownAirAttack) X(ForceDownAttack) X(ForceForwardAirAttack) X(ForceGroundAttack1) \
  X(ForceGroundDashAttack) X(ForceNeutralAirAttack) X(ForceUpAirAttack) X(ForceUpAttack) \
  /* 235 */ \
  X(ForceFactorDownAirAttack) X(ForceFactorDownAttack) X(ForceFactorForwardAirAttack) \
  X(ForceFactorGroundAttack1) X(ForceFactorGroundDashAttack) X(ForceFactorNeutralAirAttack) \
  X(ForceFactorUpAirAttack) X(ForceFactorUpAttack) \
  /* 243 */ \
  X(MaxAirDashes) X(MaxAirJumps) X(AirDashCount) X(AirJumpCount) \
  /* 247 */ \
  X(StatDaggerEquipTime) X(StatSwordEquipTime) X(StatSpearEquipTime) X(StatTotalPlayTime) \
  /* 251 */ \
  X(InitDaggerProficiency) X(RateDaggerProficiency) X(InitSwordProficiency) \
  X(RateSwordProficiency) X(InitSpearProficiency) X(RateSpearProficiency) \
  /* 257 */ \
  X(PtDaggerProficiency) X(PtSwordProficiency) X(PtSpearProficiency) \
  /* 260 */ \
  X(PtGroundDashTime) X(PtAirDashTime) X(PtDodgeTime) \
  /* 263 */ \
  X(PtDaggerEquipTime) X(PtSwordEquipTime) X(PtSpearEquipTime) X(PtTotalPlayTime) \

namespace Stat {

#define QM_STAT_ENUM_ENTRY(key) key,
enum Index : int { QM_STAT_KEYS(QM_STAT_ENUM_ENTRY) Count };
#undef QM_STAT_ENUM_ENTRY

}  // namespace Stat

constexpr int StatCount = Stat::Count;
static_assert(StatCount == 267, "the sheet holds 267 statistics");

using StatBlock = std::array<float, StatCount>;

// The key of each index, in index order.
extern const std::array<std::string_view, StatCount> StatKeys;

// Adds each entry of the source to the same entry of the destination.
void AddStatBlock(StatBlock& destination, const StatBlock& source);
