#include "player/NewGameDefaults.h"

#include <utility>

#include "items/ItemStore.h"
#include "player/Player.h"

namespace {

// A new game, like a lost record, begins at the hub once the opening is over.
constexpr const char* NewGameMapPath = "Content\\Maps\\DemoHubMap.gmf";

constexpr std::pair<int, float> DefaultValues[] = {
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

// Runs of factors that start at 1, first and last included. The gain factors of the three
// break points (179 to 181) and the damage defended by stamina (190) are not among them.
constexpr std::pair<int, int> UnitRanges[] = {
    {Stat::PtGainFactorExperience, Stat::PtGainFactorDamageDodged},
    {Stat::PtGainFactorTimesUsedSpecialAttack, Stat::PtGainFactorStaminaDamageReceived},
    {Stat::PtGainFactorStaminaDamageRecovered, Stat::PtGainFactorHealthRecovered},
    {Stat::DamageFactorDownAirAttack, Stat::StaminaDamageFactorUpAttack},
    {Stat::ForceFactorDownAirAttack, Stat::ForceFactorUpAttack},
};

void AppendAll(std::vector<std::string>& list, std::initializer_list<const char*> names) {
  list.insert(list.end(), names.begin(), names.end());
}

}  // namespace

void SetDefaultStats(Player& player) {
  StatBlock& gained = *player.stats;
  gained.fill(0.0f);
  for (const auto& [index, value] : DefaultValues) gained[index] = value;
  for (const auto& [first, last] : UnitRanges) {
    for (int index = first; index <= last; ++index) gained[index] = 1.0f;
  }
  SetDefaultGrowthCurves(gained);
  player.SetTokens(0.0f);
  gained[Stat::AirDashCount] = gained[Stat::MaxAirDashes];
  gained[Stat::AirJumpCount] = gained[Stat::MaxAirJumps];
}

void Player::ResetStats() {
  SetDefaultStats(*this);
  RecomputeEquipmentStats();
  RecomputeTotalStats();
  RecomputeDerivedStats();
  UpdateMeters(0.0f);
  UpdateExperienceMeter();
}

void Player::ResetEquipment() {
  Item* noEquipment = itemStore ? itemStore->equipment.FindByName(EmptyItemName) : nullptr;
  Item* noRune = itemStore ? itemStore->runes.FindByName(EmptyItemName) : nullptr;
  for (int slot = 0; slot < EquipSlotCount; ++slot) {
    Item*& worn = equipped[static_cast<size_t>(slot)];
    if (auto* rune = dynamic_cast<Rune*>(worn)) rune->Unbind();
    worn = slot < FirstRuneSlot ? noEquipment : noRune;
  }
  RecomputeEquipmentStats();
  RecomputeTotalStats();
}

void Player::ResetInventory() {
  if (!itemStore) return;
  for (Item* item : itemStore->GetAllItems()) {
    item->quantity = 0;
    item->recordValue = 0.0f;
  }
}

void Player::SetDefaultSkills() {
  AppendAll(skills, {"Dodge", "Roll", "Dash", "Air Jump", "Air Dash", "Wall Slide"});
}

void Player::SetDefaultJournal() {
  journal.push_back({"Journal Entry Intro", {0, 1}});
  journal.push_back({"Demo Journal Entry", {0, 2, 5}});
}

void Player::SetDefaultTerms() {
  AppendAll(terms, {"Term List", "Beast", "Lionheart", "Midgard", "Miasma", "Mystic", "Rune",
                    "Yggdrasil"});
}

void Player::SetDefaultPeople() { AppendAll(people, {"Jennifer"}); }

void Player::SetDefaultBestiary() {
  AppendAll(bestiary, {"Nidhogglet", "Passive Nidhogglet", "Ratatoskr"});
}

void Player::StartNewGame() {
  mapPath = NewGameMapPath;
  respawnPosition = {};
  // The old gear comes off first, so that no derived value is computed with it still worn.
  ResetEquipment();
  ResetStats();
  // The last game's wounds and spent stamina are not carried into the new one.
  FillMeters();
  skills.clear();
  journal.clear();
  terms.clear();
  people.clear();
  bestiary.clear();
  ResetInventory();
  SetDefaultSkills();
  SetDefaultJournal();
  SetDefaultTerms();
  SetDefaultPeople();
  SetDefaultBestiary();
  if (body) {
    body->passThroughList.clear();
    body->pushingList.clear();
  }
}
