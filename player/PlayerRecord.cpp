#include <initializer_list>
#include <utility>

#include "player/Player.h"

namespace {

constexpr const char* MissingRecordMap = "Content\\Maps\\DefaultMap.gmf";
constexpr float DefaultGrowthRate = 1.4f;

// The new-game statistics: every entry 0 but those listed.
void SetDefaultStats(Player& player) {
  StatBlock& gained = *player.stats;
  gained.fill(0.0f);
  const std::initializer_list<std::pair<int, float>> values = {
      {Stat::Mass, 1.0f},
      {Stat::DragFactor, 1.0f},
      {Stat::AirDragFactor, 1.0f},
      {Stat::BaseAttack, 5.0f},
      {Stat::BaseDefense, 1.0f},
      {Stat::BaseGuardDefense, 10.0f},
      {Stat::BasePowershieldDefense, 100.0f},
      {Stat::BaseHealth, 100.0f},
      {Stat::BaseHealthRecovery, 0.3f},
      {Stat::BaseStamina, 120.0f},
      {Stat::BaseStaminaRecovery, 20.0f},
      {Stat::BaseBreakPoint1Factor, 0.66f},
      {Stat::BaseBreakPoint2Factor, 0.33f},
      {Stat::BaseResistanceFactor, 0.5f},
      {Stat::BaseStaminaDamage, 1.0f},
      {Stat::BaseEndurance, 1.0f},
      {Stat::BaseGuardEndurance, 10.0f},
      {Stat::BaseSP, 600.0f},
      {Stat::BaseSPRecovery, 1.0f},
      {Stat::BaseSpecialAttackDamage, 100.0f},
      {Stat::BaseSpecialAttackStaminaDamage, 100.0f},
      {Stat::BaseSpecialAttackCost, 600.0f},
      {Stat::BaseAttackSpeedFactor, 1.0f},
      {Stat::BaseDodgeSpeedFactor, 1.0f},
      {Stat::BaseGuardSpeedFactor, 1.0f},
      {Stat::GainedAttack, 1.0f},
      {Stat::GainedDefense, 1.0f},
      {Stat::GainedGuardDefense, 2.0f},
      {Stat::GainedPowershieldDefense, 20.0f},
      {Stat::GainedHealth, 20.0f},
      {Stat::GainedHealthRecovery, 0.06f},
      {Stat::GainedStamina, 0.5f},
      {Stat::GainedStaminaDamage, 1.0f},
      {Stat::GainedGuardEndurance, 1.0f},
      {Stat::GainedPowershieldEndurance, 10.0f},
      {Stat::GainedSP, 3.0f},
      {Stat::GainedSPRecovery, 0.005f},
      {Stat::GainedSpecialAttackDamage, 20.0f},
      {Stat::GainedSpecialAttackStaminaDamage, 20.0f},
      {Stat::GainedSpecialAttackCost, -3.0f},
      {Stat::InitExperience, 200.0f},
      {Stat::InitGroundDist, 4200.0f},
      {Stat::InitJump, 1140.0f},
      {Stat::InitDash, 990.0f},
      {Stat::InitDamageDealt, 1000.0f},
      {Stat::InitDamageReceived, 1000.0f},
      {Stat::InitDamageDefended, 1000.0f},
      {Stat::InitDamageGuardDefended, 1000.0f},
      {Stat::InitDamagePowershielded, 1000.0f},
      {Stat::InitDamageDodged, 1000.0f},
      {Stat::InitTimesBreakPoint1Broken, 50.0f},
      {Stat::InitTimesBreakPoint2Broken, 50.0f},
      {Stat::InitTimesBreakPoint3Broken, 50.0f},
      {Stat::InitSpecialAttackUsage, 3.0f},
      {Stat::InitSpecialDefenseUsage, 3.0f},
      {Stat::InitSPUsed, 1800.0f},
      {Stat::InitSPRecovered, 1800.0f},
      {Stat::InitSpecialAttackDamageDealt, 300.0f},
      {Stat::InitStunTime, 300.0f},
      {Stat::InitStaminaDamageReceived, 300.0f},
      {Stat::InitStaminaDamageDefended, 300.0f},
      {Stat::InitStaminaDamageRecovered, 300.0f},
      {Stat::InitStaminaDamageDealt, 1000.0f},
      {Stat::InitSpecialAttackStaminaDamageDealt, 300.0f},
      {Stat::InitHealthRecovered, 90.0f},
      {Stat::PtGainFactorStaminaDamageDefended, 0.5f},
      {Stat::WalkAccel, 100.0f},
      {Stat::MaxWalkSpeed, 8.0f},
      {Stat::DashStrength, 30.0f},
      {Stat::MaxDashSpeed, 12.0f},
      {Stat::GroundDashTime, 0.3f},
      {Stat::AirDashTime, 0.25f},
      {Stat::CrouchWalkAccel, 90.0f},
      {Stat::MaxCrouchWalkSpeed, 6.0f},
      {Stat::RollStrength, 28.0f},
      {Stat::DodgeTime, 0.3f},
      {Stat::JumpStrength, 20.0f},
      {Stat::WallSlideSpeed, -4.0f},
      {Stat::MaxFallSpeed, -50.0f},
      {Stat::ForceDownAirAttack, 20.0f},
      {Stat::ForceDownAttack, 20.0f},
      {Stat::ForceForwardAirAttack, 25.0f},
      {Stat::ForceGroundAttack1, 20.0f},
      {Stat::ForceGroundDashAttack, 20.0f},
      {Stat::ForceNeutralAirAttack, 12.0f},
      {Stat::ForceUpAirAttack, 20.0f},
      {Stat::ForceUpAttack, 20.0f},
      {Stat::MaxAirDashes, 2.0f},
      {Stat::MaxAirJumps, 1.0f},
  };
  for (int rate = Stat::RateExperience; rate <= Stat::RateHealthRecovered; rate += 2) {
    gained[rate] = DefaultGrowthRate;
  }
  // The gain factors of the three break points stay 0, and the stamina defended gains half.
  for (int i = Stat::PtGainFactorExperience; i <= Stat::PtGainFactorHealthRecovered; ++i) {
    gained[i] = 1.0f;
  }
  for (int i : {Stat::PtGainFactorTimesBreakPoint1Broken, Stat::PtGainFactorTimesBreakPoint2Broken,
                Stat::PtGainFactorTimesBreakPoint3Broken}) {
    gained[i] = 0.0f;
  }
  for (int i = Stat::DamageFactorDownAirAttack; i <= Stat::StaminaDamageFactorUpAttack; ++i) {
    gained[i] = 1.0f;
  }
  for (int i = Stat::ForceFactorDownAirAttack; i <= Stat::ForceFactorUpAttack; ++i) gained[i] = 1.0f;
  for (const auto& [index, value] : values) gained[index] = value;
  gained[Stat::AirDashCount] = gained[Stat::MaxAirDashes];
  gained[Stat::AirJumpCount] = gained[Stat::MaxAirJumps];
  player.price = 0.0f;
}

}  // namespace

// The record reader is not written yet: every player starts as one whose record is missing,
// with the new-game statistics, "Empty" in every slot and the default map.
void Player::LoadRecord(std::istream&) {
  mapPath = MissingRecordMap;
  respawnPosition.x = 0.0f;
  respawnPosition.y = 0.0f;
  SetDefaultStats(*this);
  // A slot given nothing takes its pool's "Empty"; each change recomputes the totals.
  for (auto equip : {&Player::EquipSlot0, &Player::EquipSlot1, &Player::EquipSlot2,
                     &Player::EquipSlot3, &Player::EquipSlot4}) {
    (this->*equip)(nullptr);
  }
  for (auto equip : {&Player::EquipSlot5, &Player::EquipSlot6, &Player::EquipSlot7,
                     &Player::EquipSlot8, &Player::EquipSlot9}) {
    (this->*equip)(nullptr);
  }
}
