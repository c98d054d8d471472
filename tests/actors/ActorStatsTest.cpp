#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <random>
#include <vector>

#include "actors/State.h"
#include "actors/TestActor.h"

namespace {

class StatState : public InertState {};

// Every statistic that has a named setter, by index.
std::array<void (Actor::*)(float), StatCount> SetterTable() {
  std::array<void (Actor::*)(float), StatCount> table{};
#define QM_TEST_SETTER_ENTRY(i) table[i] = &Actor::SetGainedStat##i;
  QM_STAT_SETTER_INDICES(QM_TEST_SETTER_ENTRY)
#undef QM_TEST_SETTER_ENTRY
  return table;
}

struct Snapshot {
  StatBlock totals;
  std::array<float, Level::Count> levels;
  std::array<float, Derived::Count> derived;
};

Snapshot Take(const Actor& actor) { return {actor.totalStats, actor.levels, actor.derived}; }

// Compares the incrementally refreshed values with a full recomputation of the same actor.
void ExpectConsistent(Actor& actor, const char* what, int index) {
  const Snapshot refreshed = Take(actor);
  actor.RecomputeTotalStats();
  actor.RecomputeDerivedStats();
  const Snapshot full = Take(actor);
  ASSERT_EQ(FirstDifference(refreshed.totals, full.totals), -1) << what << ' ' << index;
  ASSERT_EQ(FirstDifference(refreshed.levels, full.levels), -1) << what << ' ' << index;
  ASSERT_EQ(FirstDifference(refreshed.derived, full.derived), -1) << what << ' ' << index;
  ASSERT_EQ(full.derived[Derived::SpecialAttackCost], full.derived[Derived::MaxSP]);
}

// A sheet of plausible values: curve parameters mostly positive, some zero or negative.
void Randomise(StatBlock& sheet, std::mt19937& random) {
  std::uniform_real_distribution<float> value(-50.0f, 2000.0f);
  std::uniform_real_distribution<float> rate(0.5f, 3.0f);
  std::uniform_int_distribution<int> rare(0, 9);
  for (int i = 0; i < StatCount; ++i) {
    const bool isRate = i >= Stat::InitExperience && i <= Stat::RateHealthRecovered && i % 2 == 0;
    sheet[i] = isRate ? rate(random) : value(random);
    if (rare(random) == 0) sheet[i] = 0.0f;
  }
}

constexpr int NoPoints = -1;

// Each level with the totals it reads, as the level table lists them.
struct LevelSource {
  Level::Index level;
  int points;
  int extraPoints;
  int init;
  int rate;
};

constexpr LevelSource LevelTable[] = {
    {Level::Experience, Stat::PtExperience, NoPoints, Stat::InitExperience, Stat::RateExperience},
    {Level::GroundDist, Stat::PtGroundDist, NoPoints, Stat::InitGroundDist, Stat::RateGroundDist},
    {Level::Jump, Stat::PtJumps, Stat::PtAirJumps, Stat::InitJump, Stat::RateJump},
    {Level::Dash, Stat::PtGroundDashes, Stat::PtAirDashes, Stat::InitDash, Stat::RateDash},
    {Level::DamageDealt, Stat::PtDamageDealt, NoPoints, Stat::InitDamageDealt,
     Stat::RateDamageDealt},
    {Level::DamageDefended, Stat::PtDamageDefended, NoPoints, Stat::InitDamageDefended,
     Stat::RateDamageDefended},
    {Level::DamageGuardDefended, Stat::PtDamageGuardDefended, NoPoints,
     Stat::InitDamageGuardDefended, Stat::RateDamageGuardDefended},
    {Level::DamagePowershielded, Stat::PtDamagePowershielded, NoPoints,
     Stat::InitDamagePowershielded, Stat::RateDamagePowershielded},
    {Level::DamageReceived, Stat::PtDamageReceived, NoPoints, Stat::InitDamageReceived,
     Stat::RateDamageReceived},
    {Level::DamageDodged, Stat::PtDamageDodged, NoPoints, Stat::InitDamageDodged,
     Stat::RateDamageDodged},
    {Level::TimesBreakPoint1Broken, Stat::PtTimesBreakPoint1Broken, NoPoints,
     Stat::InitTimesBreakPoint1Broken, Stat::RateTimesBreakPoint1Broken},
    {Level::TimesBreakPoint2Broken, Stat::PtTimesBreakPoint2Broken, NoPoints,
     Stat::InitTimesBreakPoint2Broken, Stat::RateTimesBreakPoint2Broken},
    {Level::TimesBreakPoint3Broken, Stat::PtTimesBreakPoint3Broken, NoPoints,
     Stat::InitTimesBreakPoint3Broken, Stat::RateTimesBreakPoint3Broken},
    {Level::SpecialAttackUsage, Stat::PtTimesUsedSpecialAttack, NoPoints,
     Stat::InitSpecialAttackUsage, Stat::RateSpecialAttackUsage},
    {Level::SpecialDefenseUsage, Stat::PtTimesUsedSpecialDefense, NoPoints,
     Stat::InitSpecialDefenseUsage, Stat::RateSpecialDefenseUsage},
    {Level::SPUsed, Stat::PtSPUsed, NoPoints, Stat::InitSPUsed, Stat::RateSPUsed},
    {Level::SPRecovered, Stat::PtSPRecovered, NoPoints, Stat::InitSPRecovered,
     Stat::RateSPRecovered},
    {Level::SpecialAttackDamageDealt, Stat::PtSpecialAttackDamageDealt, NoPoints,
     Stat::InitSpecialAttackDamageDealt, Stat::RateSpecialAttackDamageDealt},
    {Level::StunTime, Stat::PtStunTime, NoPoints, Stat::InitStunTime, Stat::RateStunTime},
    {Level::StaminaDamageReceived, Stat::PtStaminaDamageReceived, NoPoints,
     Stat::InitStaminaDamageReceived, Stat::RateStaminaDamageReceived},
    {Level::StaminaDamageDefended, Stat::PtStaminaDamageDefended, NoPoints,
     Stat::InitStaminaDamageDefended, Stat::RateStaminaDamageDefended},
    {Level::StaminaDamageRecovered, Stat::PtStaminaDamageRecovered, NoPoints,
     Stat::InitStaminaDamageRecovered, Stat::RateStaminaDamageRecovered},
    {Level::StaminaDamageDealt, Stat::PtStaminaDamageDealt, NoPoints, Stat::InitStaminaDamageDealt,
     Stat::RateStaminaDamageDealt},
    {Level::SpecialAttackStaminaDamageDealt, Stat::PtSpecialAttackStaminaDamageDealt, NoPoints,
     Stat::InitSpecialAttackStaminaDamageDealt, Stat::RateSpecialAttackStaminaDamageDealt},
    {Level::HealthRecovered, Stat::PtHealthRecovered, NoPoints, Stat::InitHealthRecovered,
     Stat::RateHealthRecovered},
    {Level::DaggerProficiency, Stat::DaggerProficiency, NoPoints, Stat::InitDaggerProficiency,
     Stat::RateDaggerProficiency},
    {Level::SwordProficiency, Stat::SwordProficiency, NoPoints, Stat::InitSwordProficiency,
     Stat::RateSwordProficiency},
    {Level::SpearProficiency, Stat::SpearProficiency, NoPoints, Stat::InitSpearProficiency,
     Stat::RateSpearProficiency},
};
static_assert(std::size(LevelTable) == Level::Count);

// Row k of the level table gets Init k + 2 and Rate 1, 2 or 3 in turn, and the points that
// put it at level k + 2 (split a third and two thirds where two totals add up). So the
// experience level is 2, and E = 2.
void SetLevelsToTheirRowPlusTwo(TestActor& actor) {
  StatBlock& gained = *actor.stats;
  for (size_t k = 0; k < std::size(LevelTable); ++k) {
    const LevelSource& row = LevelTable[k];
    const float init = static_cast<float>(k) + 2.0f;
    const float rate = 1.0f + static_cast<float>(k % 3);
    const float points = init * std::pow(init, rate);
    gained[row.init] = init;
    gained[row.rate] = rate;
    if (row.extraPoints == NoPoints) {
      gained[row.points] = points;
    } else {
      gained[row.points] = points / 3.0f;
      gained[row.extraPoints] = points - points / 3.0f;
    }
  }
  // Base values 3 to 25 are 100 to 2300; gained values 26 to 48 are 1 to 23.
  for (int i = Stat::BaseAttack; i <= Stat::BaseGuardSpeedFactor; ++i) {
    gained[i] = 100.0f * static_cast<float>(i - Stat::BaseAttack + 1);
  }
  for (int i = Stat::GainedAttack; i <= Stat::GainedGuardSpeedFactor; ++i) {
    gained[i] = static_cast<float>(i - Stat::GainedAttack + 1);
  }
  actor.RecomputeTotalStats();
  actor.RecomputeDerivedStats();
}

}  // namespace

TEST(ActorStatsTest, EveryLevelReadsItsOwnPointsInitAndRate) {
  TestActor actor;
  SetLevelsToTheirRowPlusTwo(actor);
  for (size_t k = 0; k < std::size(LevelTable); ++k) {
    EXPECT_NEAR(actor.levels[LevelTable[k].level], static_cast<float>(k) + 2.0f, 1e-4f) << k;
  }
}

// Worked by hand from the derived-value formulas with the levels above: gained x 2 + base +
// the levels each formula names (Experience 2, GroundDist 3, Jump 4 ... SpearProficiency 29).
TEST(ActorStatsTest, DerivedValuesFollowTheirFormulas) {
  struct Expected {
    Derived::Index value;
    float amount;
  };
  constexpr Expected expected[] = {
      {Derived::Attack, 2 + 100 + 6 + 27 + 28 + 29 + 19},
      {Derived::Defense, 4 + 200 + 10 + 7 + 8 + 9},
      {Derived::GuardDefense, 6 + 300 + 10 + 7 + 8 + 9},
      {Derived::PowershieldDefense, 8 + 400 + 10 + 7 + 8 + 9},
      {Derived::MaxHealth, 10 + 500 + 10 + 3 + 4 + 5},
      {Derived::HealthRecovery, 12 + 600 + 26},
      {Derived::MaxStamina, 14 + 700 + 12 + 13 + 14 + 20 + 21 + 23},
      {Derived::StaminaRecovery, 16 + 800 + 12 + 13 + 14 + 20 + 21 + 23},
      {Derived::BreakPoint1Factor, 18 + 900},
      {Derived::BreakPoint2Factor, 20 + 1000},
      {Derived::ResistanceFactor, 22 + 1100},
      {Derived::BreakPoint1, 817.0f * 918.0f},
      {Derived::BreakPoint2, 1020.0f * 817.0f},
      {Derived::BreakPoint3, 817.0f * 1122.0f},
      {Derived::StaminaDamage, 24 + 1200 + 24},
      {Derived::Endurance, 26 + 1300 + 22},
      {Derived::GuardEndurance, 28 + 1400 + 22},
      {Derived::PowershieldEndurance, 30 + 1500 + 22},
      {Derived::MaxSP, 32 + 1600 + 17},
      {Derived::SPRecovery, 34 + 1700 + 17 + 18},
      {Derived::SpecialAttackDamage, 36 + 1800 + 19},
      {Derived::SpecialAttackStaminaDamage, 38 + 1900 + 25},
      // The SP maximum, whatever its own two keys hold.
      {Derived::SpecialAttackCost, 1649},
      {Derived::AttackSpeedFactor, 42 + 2100},
      {Derived::DodgeSpeedFactor, 44 + 2200},
      {Derived::GuardSpeedFactor, 46 + 2300},
  };
  static_assert(std::size(expected) == Derived::Count);
  TestActor actor;
  SetLevelsToTheirRowPlusTwo(actor);
  for (const Expected& e : expected) {
    EXPECT_NEAR(actor.derived[e.value], e.amount, e.amount * 1e-5f) << e.value;
  }
}

TEST(ActorStatsTest, TheCurveFollowsItsEdgeCases) {
  EXPECT_EQ(StatLevel(200.0f, 200.0f, 1.4f), 1.0f);
  EXPECT_EQ(StatLevel(50.0f, 0.0f, 1.4f), 0.0f);
  EXPECT_EQ(StatLevel(50.0f, 200.0f, 0.0f), 0.0f);
  EXPECT_FLOAT_EQ(StatLevel(800.0f, 200.0f, 2.0f), 2.0f);
  // What would be NaN or infinite counts as no level at all.
  EXPECT_EQ(StatLevel(-10.0f, 200.0f, 1.4f), 0.0f);
  EXPECT_EQ(StatLevel(10.0f, -200.0f, 1.4f), 0.0f);
  EXPECT_EQ(StatLevel(std::numeric_limits<float>::quiet_NaN(), 200.0f, 1.4f), 0.0f);
  EXPECT_EQ(StatLevel(1e30f, 1e-30f, 0.01f), 0.0f);
}

TEST(ActorStatsTest, ExperienceLevelScalesGainedValuesByItsWholePart) {
  TestActor actor;
  actor.SetGainedStat131(200.0f);
  EXPECT_EQ(actor.levels[Level::Experience], 1.0f);
  const float threshold = 200.0f * std::pow(2.0f, 1.4f);
  EXPECT_NEAR(threshold, 527.8f, 0.1f);
  actor.SetGainedStat131(threshold * 0.999f);
  EXPECT_LT(actor.levels[Level::Experience], 2.0f);
  // GainedAttack 1 x E + BaseAttack 1, no other level yet.
  EXPECT_EQ(actor.derived[Derived::Attack], 2.0f);
  actor.SetGainedStat131(threshold * 1.001f);
  EXPECT_GE(actor.levels[Level::Experience], 2.0f);
  EXPECT_EQ(actor.derived[Derived::Attack], 3.0f);
  actor.SetGainedStat131(0.0f);
  EXPECT_EQ(actor.levels[Level::Experience], 0.0f);
  EXPECT_EQ(actor.derived[Derived::Attack], 1.0f);
}

TEST(ActorStatsTest, InitOrRateZeroGivesLevelZeroWhateverThePoints) {
  TestActor actor;
  actor.AddGainedStat133(5000.0f);
  EXPECT_GT(actor.levels[Level::GroundDist], 1.0f);
  actor.AddGainedStat83(-4200.0f);
  EXPECT_EQ(actor.levels[Level::GroundDist], 0.0f);
  actor.AddGainedStat83(4200.0f);
  actor.AddGainedStat84(-1.4f);
  EXPECT_EQ(actor.levels[Level::GroundDist], 0.0f);
}

TEST(ActorStatsTest, NegativePointsGiveNoNaN) {
  TestActor actor;
  actor.AddGainedStat133(-100.0f);
  EXPECT_EQ(actor.levels[Level::GroundDist], 0.0f);
  EXPECT_FALSE(std::isnan(actor.derived[Derived::MaxHealth]));
}

TEST(ActorStatsTest, ACounterFeedsOnlyItsOwnGrowthPoints) {
  TestActor actor;
  actor.AddGainedStat55(1.0f);
  EXPECT_EQ((*actor.stats)[Stat::StatJumps], 1.0f);
  EXPECT_EQ(actor.totalStats[Stat::PtJumps], 1.0f);
  EXPECT_EQ(actor.totalStats[Stat::PtAirTime], 0.0f);
  // (1 / 1140) ^ (1 / 1.4), and the health maximum 1 x E (0) + 1 + that level.
  EXPECT_NEAR(actor.levels[Level::Jump], 0.0065539f, 1e-6f);
  EXPECT_NEAR(actor.derived[Derived::MaxHealth], 1.0065539f, 1e-6f);
  actor.SetGainedStat49(10.0f);
  EXPECT_EQ(actor.totalStats[Stat::PtExperience], 0.0f);
}

TEST(ActorStatsTest, SettersRefreshTheirDerivedValuesAtOnce) {
  TestActor actor;
  actor.SetGainedStat21(7.0f);
  EXPECT_EQ(actor.derived[Derived::SpecialAttackStaminaDamage], 7.0f);
  actor.SetGainedStat48(0.25f);
  EXPECT_EQ(actor.derived[Derived::GuardSpeedFactor], 1.0f);
  actor.SetGainedStat131(200.0f);
  actor.SetGainedStat48(0.25f);
  EXPECT_EQ(actor.derived[Derived::GuardSpeedFactor], 1.25f);
}

TEST(ActorStatsTest, BaseStaminaRefreshesTheBreakPoints) {
  TestActor actor;
  actor.SetGainedStat9(100.0f);
  EXPECT_EQ(actor.derived[Derived::MaxStamina], 100.0f);
  actor.SetGainedStat11(0.66f);
  actor.SetGainedStat12(0.33f);
  actor.SetGainedStat13(0.5f);
  actor.SetGainedStat9(120.0f);
  EXPECT_EQ(actor.derived[Derived::BreakPoint1], 120.0f * 0.66f);
  EXPECT_EQ(actor.derived[Derived::BreakPoint2], 0.33f * 120.0f);
  EXPECT_EQ(actor.derived[Derived::BreakPoint3], 120.0f * 0.5f);
}

TEST(ActorStatsTest, TotalsIncludeTheCurrentStateOnlyWhenThereIsOne) {
  TestActor actor;
  actor.baseStats[Stat::BaseAttack] = 2.0f;
  actor.AddGainedStat3(1.0f);
  EXPECT_EQ(actor.totalStats[Stat::BaseAttack], 4.0f);
  StatState state;
  state.stats[Stat::BaseAttack] = 10.0f;
  actor.state = &state;
  actor.AddGainedStat3(1.0f);
  EXPECT_EQ(actor.totalStats[Stat::BaseAttack], 15.0f);
  actor.state = nullptr;
}

TEST(ActorStatsTest, InitializeLeavesDefaultsWithLevelsAndDerivedValuesAtZero) {
  TestActor actor;
  EXPECT_EQ(actor.totalStats[Stat::Mass], 1.0f);
  EXPECT_EQ(actor.totalStats[Stat::RateJump], 1.4f);
  EXPECT_EQ(actor.totalStats[Stat::InitJump], 1140.0f);
  EXPECT_EQ(actor.totalStats[Stat::InitHealthRecovered], 90.0f);
  EXPECT_EQ(actor.totalStats[Stat::PtGainFactorHealthRecovered], 1.0f);
  EXPECT_EQ(actor.totalStats[Stat::MaxFallSpeed], -50.0f);
  EXPECT_EQ(actor.totalStats[Stat::InitDaggerProficiency], 0.0f);
  EXPECT_EQ(actor.drawLayer, 1);
  for (float value : actor.derived) EXPECT_EQ(value, 0.0f);
}

TEST(ActorStatsTest, AnySingleChangeMatchesAFullRecomputation) {
  const auto setters = SetterTable();
  std::mt19937 random(20261207);
  std::uniform_real_distribution<float> delta(-100.0f, 600.0f);
  StatState state;
  for (int round = 0; round < 4; ++round) {
    TestActor actor;
    Randomise(*actor.stats, random);
    Randomise(actor.baseStats, random);
    Randomise(state.stats, random);
    actor.state = round % 2 ? &state : nullptr;
    actor.RecomputeTotalStats();
    actor.RecomputeDerivedStats();
    for (int index = 0; index < StatCount; ++index) {
      (actor.*Actor::statAdders[index])(delta(random));
      ExpectConsistent(actor, "adder", index);
      if (setters[index]) {
        (actor.*setters[index])(delta(random));
        ExpectConsistent(actor, "setter", index);
      }
    }
    actor.state = nullptr;
  }
}

TEST(ActorStatsTest, ACountedStatEarnsItsPointsTimesItsGainFactor) {
  TestActor actor;
  actor.baseStats[Stat::PtGainFactorJumps] = 1.5f;
  actor.RecomputeTotalStats();
  const float factor = actor.totalStats[Stat::PtGainFactorJumps];
  ASSERT_NE(factor, 1.0f);
  const float points = (*actor.stats)[Stat::PtJumps];
  (actor.*Actor::statAdders[Stat::StatJumps])(2.0f);
  EXPECT_FLOAT_EQ((*actor.stats)[Stat::PtJumps], points + 2.0f * factor);
}
