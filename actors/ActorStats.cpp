#include <bitset>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "actors/Actor.h"
#include "actors/State.h"
#include "items/Item.h"

namespace {

// Distance from a counter to its growth points and to its gain factor in the sheet.
constexpr int CounterToPoints = Stat::PtExperience - Stat::StatExperience;
constexpr int CounterToGainFactor = Stat::PtGainFactorExperience - Stat::StatExperience;
constexpr int NoStat = -1;

constexpr float DefaultValue = 1.0f;
constexpr float DefaultRate = 1.4f;
constexpr float DefaultMaxFallSpeed = -50.0f;

struct LevelSource {
  int points;
  int extraPoints;
  int init;
  int rate;
};

// Indexed by Level::Index.
constexpr LevelSource LevelSources[Level::Count] = {
    {Stat::PtExperience, NoStat, Stat::InitExperience, Stat::RateExperience},
    {Stat::PtGroundDist, NoStat, Stat::InitGroundDist, Stat::RateGroundDist},
    {Stat::PtJumps, Stat::PtAirJumps, Stat::InitJump, Stat::RateJump},
    {Stat::PtGroundDashes, Stat::PtAirDashes, Stat::InitDash, Stat::RateDash},
    {Stat::PtDamageDealt, NoStat, Stat::InitDamageDealt, Stat::RateDamageDealt},
    {Stat::PtDamageDefended, NoStat, Stat::InitDamageDefended, Stat::RateDamageDefended},
    {Stat::PtDamageGuardDefended, NoStat, Stat::InitDamageGuardDefended,
     Stat::RateDamageGuardDefended},
    {Stat::PtDamagePowershielded, NoStat, Stat::InitDamagePowershielded,
     Stat::RateDamagePowershielded},
    {Stat::PtDamageReceived, NoStat, Stat::InitDamageReceived, Stat::RateDamageReceived},
    {Stat::PtDamageDodged, NoStat, Stat::InitDamageDodged, Stat::RateDamageDodged},
    {Stat::PtTimesBreakPoint1Broken, NoStat, Stat::InitTimesBreakPoint1Broken,
     Stat::RateTimesBreakPoint1Broken},
    {Stat::PtTimesBreakPoint2Broken, NoStat, Stat::InitTimesBreakPoint2Broken,
     Stat::RateTimesBreakPoint2Broken},
    {Stat::PtTimesBreakPoint3Broken, NoStat, Stat::InitTimesBreakPoint3Broken,
     Stat::RateTimesBreakPoint3Broken},
    {Stat::PtTimesUsedSpecialAttack, NoStat, Stat::InitSpecialAttackUsage,
     Stat::RateSpecialAttackUsage},
    {Stat::PtTimesUsedSpecialDefense, NoStat, Stat::InitSpecialDefenseUsage,
     Stat::RateSpecialDefenseUsage},
    {Stat::PtSPUsed, NoStat, Stat::InitSPUsed, Stat::RateSPUsed},
    {Stat::PtSPRecovered, NoStat, Stat::InitSPRecovered, Stat::RateSPRecovered},
    {Stat::PtSpecialAttackDamageDealt, NoStat, Stat::InitSpecialAttackDamageDealt,
     Stat::RateSpecialAttackDamageDealt},
    {Stat::PtStunTime, NoStat, Stat::InitStunTime, Stat::RateStunTime},
    {Stat::PtStaminaDamageReceived, NoStat, Stat::InitStaminaDamageReceived,
     Stat::RateStaminaDamageReceived},
    {Stat::PtStaminaDamageDefended, NoStat, Stat::InitStaminaDamageDefended,
     Stat::RateStaminaDamageDefended},
    {Stat::PtStaminaDamageRecovered, NoStat, Stat::InitStaminaDamageRecovered,
     Stat::RateStaminaDamageRecovered},
    {Stat::PtStaminaDamageDealt, NoStat, Stat::InitStaminaDamageDealt,
     Stat::RateStaminaDamageDealt},
    {Stat::PtSpecialAttackStaminaDamageDealt, NoStat, Stat::InitSpecialAttackStaminaDamageDealt,
     Stat::RateSpecialAttackStaminaDamageDealt},
    {Stat::PtHealthRecovered, NoStat, Stat::InitHealthRecovered, Stat::RateHealthRecovered},
    {Stat::DaggerProficiency, NoStat, Stat::InitDaggerProficiency,
     Stat::RateDaggerProficiency},
    {Stat::SwordProficiency, NoStat, Stat::InitSwordProficiency, Stat::RateSwordProficiency},
    {Stat::SpearProficiency, NoStat, Stat::InitSpearProficiency, Stat::RateSpearProficiency},
};

enum class FormulaKind { Sum, Product, Copy };

// A derived value: gained x E + base + levels, or a product or copy of derived values.
struct DerivedFormula {
  FormulaKind kind;
  int gained;
  int base;
  std::vector<int> levels;
  std::vector<int> inputs;
};

DerivedFormula Sum(int gained, int base, std::vector<int> levels = {}) {
  return {FormulaKind::Sum, gained, base, std::move(levels), {}};
}

const std::vector<int> DefenseLevels = {Level::DamageReceived, Level::DamageDefended,
                                        Level::DamageGuardDefended, Level::DamagePowershielded};
const std::vector<int> StaminaLevels = {Level::TimesBreakPoint1Broken,
                                        Level::TimesBreakPoint2Broken,
                                        Level::TimesBreakPoint3Broken,
                                        Level::StunTime,
                                        Level::StaminaDamageReceived,
                                        Level::StaminaDamageRecovered};

// Indexed by Derived::Index; every value reads only values before it.
const std::vector<DerivedFormula> DerivedFormulas = {
    Sum(Stat::GainedAttack, Stat::BaseAttack,
        {Level::DamageDealt, Level::DaggerProficiency, Level::SwordProficiency,
         Level::SpearProficiency, Level::SpecialAttackDamageDealt}),
    Sum(Stat::GainedDefense, Stat::BaseDefense, DefenseLevels),
    Sum(Stat::GainedGuardDefense, Stat::BaseGuardDefense, DefenseLevels),
    Sum(Stat::GainedPowershieldDefense, Stat::BasePowershieldDefense, DefenseLevels),
    Sum(Stat::GainedHealth, Stat::BaseHealth,
        {Level::DamageReceived, Level::GroundDist, Level::Jump, Level::Dash}),
    Sum(Stat::GainedHealthRecovery, Stat::BaseHealthRecovery, {Level::HealthRecovered}),
    Sum(Stat::GainedStamina, Stat::BaseStamina, StaminaLevels),
    Sum(Stat::GainedStaminaRecovery, Stat::BaseStaminaRecovery, StaminaLevels),
    Sum(Stat::GainedBreakPoint1Limit, Stat::BaseBreakPoint1Factor),
    Sum(Stat::GainedBreakPoint2Limit, Stat::BaseBreakPoint2Factor),
    Sum(Stat::GainedResistance, Stat::BaseResistanceFactor),
    {FormulaKind::Product, NoStat, NoStat, {}, {Derived::MaxStamina, Derived::BreakPoint1Factor}},
    {FormulaKind::Product, NoStat, NoStat, {}, {Derived::BreakPoint2Factor, Derived::MaxStamina}},
    {FormulaKind::Product, NoStat, NoStat, {}, {Derived::MaxStamina, Derived::ResistanceFactor}},
    Sum(Stat::GainedStaminaDamage, Stat::BaseStaminaDamage, {Level::StaminaDamageDealt}),
    Sum(Stat::GainedEndurance, Stat::BaseEndurance, {Level::StaminaDamageDefended}),
    Sum(Stat::GainedGuardEndurance, Stat::BaseGuardEndurance, {Level::StaminaDamageDefended}),
    Sum(Stat::GainedPowershieldEndurance, Stat::BasePowershieldEndurance,
        {Level::StaminaDamageDefended}),
    Sum(Stat::GainedSP, Stat::BaseSP, {Level::SPUsed}),
    Sum(Stat::GainedSPRecovery, Stat::BaseSPRecovery, {Level::SPUsed, Level::SPRecovered}),
    Sum(Stat::GainedSpecialAttackDamage, Stat::BaseSpecialAttackDamage,
        {Level::SpecialAttackDamageDealt}),
    Sum(Stat::GainedSpecialAttackStaminaDamage, Stat::BaseSpecialAttackStaminaDamage,
        {Level::SpecialAttackStaminaDamageDealt}),
    // The cost always equals the SP maximum; its own keys only make it refresh.
    {FormulaKind::Copy, Stat::GainedSpecialAttackCost, Stat::BaseSpecialAttackCost, {},
     {Derived::MaxSP}},
    Sum(Stat::GainedAttackSpeedFactor, Stat::BaseAttackSpeedFactor),
    Sum(Stat::GainedDodgeSpeedFactor, Stat::BaseDodgeSpeedFactor),
    Sum(Stat::GainedGuardSpeedFactor, Stat::BaseGuardSpeedFactor),
};

using DerivedSet = std::bitset<Derived::Count>;

// Who reads what, so one change refreshes only what depends on it.
struct Dependencies {
  std::vector<int> levelsOfStat[StatCount];
  DerivedSet derivedOfStat[StatCount];
  DerivedSet derivedOfLevel[Level::Count];
  DerivedSet derivedOfDerived[Derived::Count];

  Dependencies() {
    for (int level = 0; level < Level::Count; ++level) {
      const LevelSource& source = LevelSources[level];
      for (int stat : {source.points, source.extraPoints, source.init, source.rate}) {
        if (stat != NoStat) levelsOfStat[stat].push_back(level);
      }
    }
    for (int value = 0; value < Derived::Count; ++value) {
      const DerivedFormula& formula = DerivedFormulas[value];
      for (int stat : {formula.gained, formula.base}) {
        if (stat != NoStat) derivedOfStat[stat].set(value);
      }
      for (int level : formula.levels) derivedOfLevel[level].set(value);
      for (int input : formula.inputs) derivedOfDerived[input].set(value);
    }
  }
};

const Dependencies& StatDependencies() {
  static const Dependencies dependencies;
  return dependencies;
}

bool IsCounter(int index) {
  return index >= Stat::StatExperience && index <= Stat::StatHealthRecovered;
}

}  // namespace

float StatLevel(float points, float init, float rate) {
  if (init == 0.0f || rate == 0.0f) return 0.0f;
  const float ratio = points / init;
  if (!(ratio > 0.0f)) return 0.0f;
  const float exponent = 1.0f / rate;
  const float level = std::pow(ratio, exponent);
  return std::isfinite(level) ? level : 0.0f;
}

#define QM_STAT_ADDER_ENTRY(i) &Actor::AddGainedStat##i,
const std::array<Actor::StatAdder, StatCount> Actor::statAdders = {
    QM_ALL_STAT_INDICES(QM_STAT_ADDER_ENTRY)};
#undef QM_STAT_ADDER_ENTRY

void SetDefaultGrowthCurves(StatBlock& sheet) {
  for (int i = Stat::RateExperience; i <= Stat::RateHealthRecovered; i += 2) {
    sheet[i] = DefaultRate;
  }
  sheet[Stat::InitExperience] = 200.0f;
  sheet[Stat::InitGroundDist] = 4200.0f;
  sheet[Stat::InitJump] = 1140.0f;
  sheet[Stat::InitDash] = 990.0f;
  for (int i : {Stat::InitDamageDealt, Stat::InitDamageReceived, Stat::InitDamageDefended,
                Stat::InitDamageGuardDefended, Stat::InitDamagePowershielded,
                Stat::InitDamageDodged, Stat::InitStaminaDamageDealt}) {
    sheet[i] = 1000.0f;
  }
  for (int i : {Stat::InitTimesBreakPoint1Broken, Stat::InitTimesBreakPoint2Broken,
                Stat::InitTimesBreakPoint3Broken}) {
    sheet[i] = 50.0f;
  }
  sheet[Stat::InitSpecialAttackUsage] = 3.0f;
  sheet[Stat::InitSpecialDefenseUsage] = 3.0f;
  sheet[Stat::InitSPUsed] = 1800.0f;
  sheet[Stat::InitSPRecovered] = 1800.0f;
  for (int i : {Stat::InitSpecialAttackDamageDealt, Stat::InitStunTime,
                Stat::InitStaminaDamageReceived, Stat::InitStaminaDamageDefended,
                Stat::InitStaminaDamageRecovered, Stat::InitSpecialAttackStaminaDamageDealt}) {
    sheet[i] = 300.0f;
  }
  sheet[Stat::InitHealthRecovered] = 90.0f;
}

void Actor::SetDefaultGrowth() {
  StatBlock& gained = *stats;
  for (int i = Stat::Mass; i <= Stat::GainedGuardSpeedFactor; ++i) gained[i] = DefaultValue;
  gained[Stat::StatExperience] = 0.0f;
  SetDefaultGrowthCurves(gained);
  for (int i = Stat::PtGainFactorExperience; i <= Stat::PtGainFactorHealthRecovered; ++i) {
    gained[i] = DefaultValue;
  }
  gained[Stat::MaxFallSpeed] = DefaultMaxFallSpeed;
}

float Actor::ComputeLevel(int level) const {
  const LevelSource& source = LevelSources[level];
  float points = totalStats[source.points];
  if (source.extraPoints != NoStat) points += totalStats[source.extraPoints];
  if (points == 0.0f) return 0.0f;
  return StatLevel(points, totalStats[source.init], totalStats[source.rate]);
}

float Actor::ExperienceFactor() const { return std::trunc(levels[Level::Experience]); }

float Actor::ComputeDerived(int value) const {
  const DerivedFormula& formula = DerivedFormulas[value];
  switch (formula.kind) {
    case FormulaKind::Product: return derived[formula.inputs[0]] * derived[formula.inputs[1]];
    case FormulaKind::Copy: return derived[formula.inputs[0]];
    case FormulaKind::Sum: break;
  }
  const float scaled = totalStats[formula.gained] * ExperienceFactor();
  float sum = scaled + totalStats[formula.base];
  for (int level : formula.levels) sum += levels[level];
  return sum;
}

void Actor::RecomputeLevels() {
  for (int level = 0; level < Level::Count; ++level) levels[level] = ComputeLevel(level);
}

void Actor::RecomputeDerivedStats() {
  RecomputeLevels();
  for (int value = 0; value < Derived::Count; ++value) derived[value] = ComputeDerived(value);
}

void Actor::RecomputeTotalStats() {
  totalStats = *stats;
  AddStatBlock(totalStats, baseStats);
  if (state) AddStatBlock(totalStats, state->stats);
}

void Actor::RecomputeEquipmentStats() {
  baseStats.fill(0.0f);
  for (const Item* item : equipped) {
    if (item) AddStatBlock(baseStats, *item->stats);
  }
}

void Actor::RefreshStat(int index) {
  totalStats[index] = baseStats[index] + (*stats)[index];
  if (state) totalStats[index] += state->stats[index];

  const Dependencies& dependencies = StatDependencies();
  DerivedSet stale = dependencies.derivedOfStat[index];
  for (int level : dependencies.levelsOfStat[index]) {
    if (level == Level::Experience) {
      RecomputeDerivedStats();
      return;
    }
    levels[level] = ComputeLevel(level);
    stale |= dependencies.derivedOfLevel[level];
  }
  for (int value = 0; value < Derived::Count; ++value) {
    if (!stale.test(value)) continue;
    derived[value] = ComputeDerived(value);
    stale |= dependencies.derivedOfDerived[value];
  }
}

void Actor::SetGainedStat(int index, float value) {
  (*stats)[index] = value;
  RefreshStat(index);
}

void Actor::AddGainedStat(int index, float delta) {
  (*stats)[index] += delta;
  RefreshStat(index);
  if (IsCounter(index)) {
    AddGainedStat(index + CounterToPoints, delta * totalStats[index + CounterToGainFactor]);
  }
}
