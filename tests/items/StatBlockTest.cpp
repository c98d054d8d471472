#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "items/StatBlock.h"

TEST(StatBlockTest, KeysStandAtTheirIndices) {
  EXPECT_EQ(StatKeys[0], "Mass");
  EXPECT_EQ(StatKeys[2], "AirDragFactor");
  EXPECT_EQ(StatKeys[49], "StatExperience");
  EXPECT_EQ(StatKeys[81], "InitExperience");
  EXPECT_EQ(StatKeys[131], "PtExperience");
  EXPECT_EQ(StatKeys[163], "PtGainFactorExperience");
  EXPECT_EQ(StatKeys[210], "MaxFallSpeed");
  EXPECT_EQ(StatKeys[266], "PtTotalPlayTime");
  EXPECT_EQ(StatKeys.size(), 267u);
  EXPECT_EQ(Stat::PtJumps, 137);
  EXPECT_EQ(Stat::PtJumps - Stat::StatJumps, 82);
  EXPECT_EQ(Stat::PtGainFactorJumps - Stat::StatJumps, 114);
}

TEST(StatBlockTest, KeysAreUniqueAndFollowTheGroups) {
  std::set<std::string_view> seen(StatKeys.begin(), StatKeys.end());
  EXPECT_EQ(seen.size(), StatKeys.size());
  for (int i = Stat::StatExperience; i <= Stat::StatHealthRecovered; ++i) {
    const std::string_view counter = StatKeys[i].substr(4);
    EXPECT_EQ(StatKeys[i + 82], "Pt" + std::string(counter));
    EXPECT_EQ(StatKeys[i + 114], "PtGainFactor" + std::string(counter));
  }
  for (int i = Stat::InitExperience; i <= Stat::RateHealthRecovered; ++i) {
    EXPECT_TRUE(StatKeys[i].starts_with(i % 2 ? "Init" : "Rate")) << i;
  }
}
