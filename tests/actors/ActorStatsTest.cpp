#include <gtest/gtest.h>

#include <cmath>
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

}  // namespace

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
  EXPECT_EQ(actor.levels[Level::Jump], StatLevel(1.0f, 1140.0f, 1.4f));
  EXPECT_EQ(actor.derived[Derived::MaxHealth], 1.0f + actor.levels[Level::Jump]);
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
