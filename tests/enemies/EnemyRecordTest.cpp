#include <gtest/gtest.h>

#include <sstream>

#include "enemies/DemoEnemy.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoWall.h"
#include "enemies/EnemyRecord.h"
#include "enemies/Goblin.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletPassive.h"
#include "engine/BarMeter.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

using EnemyLines = RatatoskrWorld;

TEST_F(EnemyLines, ARatatoskrLineRoundTrips) {
  std::istringstream in("7 2 3.5 -1.25 10 -2 4 l\n");
  auto enemy = ReadLine(in);
  ASSERT_NE(enemy, nullptr);
  auto& read = static_cast<Ratatoskr&>(*enemy);
  EXPECT_EQ(read.body->id, 7);
  EXPECT_EQ(read.body->position, (platform::Vector3{3.5f, -1.25f, 0.0f}));
  EXPECT_EQ(read.facing, -1);
  EXPECT_EQ(read.leftBound, 6.0f);
  EXPECT_EQ(read.rightBound, 14.0f);
  EXPECT_NEAR(read.levels[Level::Experience], 2.0f, 1e-5f);
  // Level 2 is 200 x 2 ^ 1.4 experience; the meters are refreshed and full.
  EXPECT_NEAR((*read.stats)[Stat::StatExperience], 527.803f, 1e-2f);
  EXPECT_EQ(read.healthMeter->value, read.healthMeter->maximum);
  EXPECT_EQ(read.healthMeter->maximum, read.derived[Derived::MaxHealth]);

  std::ostringstream out, second;
  read.WriteRecord(out);
  EXPECT_EQ(out.str(), "3 7 2 3.5 -1.25 10 -2 4 l\n");
  std::istringstream again(out.str().substr(2));
  ReadLine(again)->WriteRecord(second);
  EXPECT_EQ(second.str(), out.str());

  // A Ratatoskr placed without a line has range 0; a failed write shows in the stream.
  std::ostringstream placed, broken;
  MakeRatatoskr(1.0f)->WriteRecord(placed);
  EXPECT_EQ(placed.str(), "3 0 0 1 0.35 1 0.35 0 r\n");
  broken.setstate(std::ios::badbit);
  read.WriteRecord(broken);
  EXPECT_FALSE(broken.good());
}

TEST_F(EnemyLines, BadLinesMakeNothingAndTheNextLineStillReads) {
  const char* bad[] = {
      "",                         // nothing at all
      "1 0 4 0.35\n",             // no home or range
      "1 x 4 0.35 0 0 4 r\n",     // the level is not a number
      "1 0 nan 0.35 0 0 4 r\n",   // nor is x
      "1 0 4 inf 0 0 4 r\n",      // y is not finite
      "1 1e39 4 0.35 0 0 4 r\n",  // the level overflows a float
      "1 0 4 0.35 0 0 1e40 r\n",  // so does the range
  };
  for (const char* line : bad) {
    std::istringstream in(std::string(line) + "2 0 5 0.35 0 0 1 r\n");
    std::istringstream whole(line);
    EXPECT_EQ(ReadLine(whole), nullptr) << line;
    if (*line == '\0') continue;
    EXPECT_EQ(ReadLine(in), nullptr) << line;
    auto next = ReadLine(in);
    ASSERT_NE(next, nullptr) << line;
    EXPECT_EQ(next->body->id, 2);
  }
  std::istringstream failed("1 0 4 0.35 0 0 4 r\n");
  failed.setstate(std::ios::failbit);
  EXPECT_EQ(ReadLine(failed), nullptr);
}

TEST_F(EnemyLines, TheKindsWithoutExtrasReadAndWriteTheCommonLine) {
  // The level a line of level 2 reads back as: the goblin's experience is set without growth
  // points, so its level stays 0.
  struct Case {
    int kind;
    const char* name;
    int level;
  };
  const Case cases[] = {{DemoEnemy::Kind, "Demo Enemy", 2},
                        {NidhoggletPassive::Kind, "Passive Nidhogglet", 2},
                        {NidhoggletAggressive::Kind, "Nidhogglet", 2},
                        {Goblin::Kind, "Goblin", 0},
                        {DemoGoblin::Kind, "DemoGoblin", 2},
                        {DemoWall::Kind, "DemoWall", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in("7 2 3.5 -1.25 l\n");
    auto read = ReadLine(in, c.kind);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->name, c.name);
    EXPECT_EQ(read->enemyKind, c.kind);
    EXPECT_EQ(read->body->id, 7);
    EXPECT_EQ(read->body->position, (platform::Vector3{3.5f, -1.25f, 0.0f}));
    EXPECT_EQ(read->facing, -1);
    EXPECT_NEAR(read->levels[Level::Experience], static_cast<float>(c.level), 1e-5f);
    EXPECT_EQ(read->healthMeter->value, read->healthMeter->maximum);

    std::ostringstream out, second;
    read->WriteRecord(out);
    EXPECT_EQ(out.str(),
              std::to_string(c.kind) + " 7 " + std::to_string(c.level) + " 3.5 -1.25 l\n");
    std::istringstream again(out.str().substr(2));
    ReadLine(again, c.kind)->WriteRecord(second);
    EXPECT_EQ(second.str(), out.str());

    for (const char* bad : {"", "1 0 4\n", "1 x 4 0.35 r\n", "1 0 nan 0.35 r\n", "1 0 4 inf r\n"}) {
      std::istringstream lines(std::string(bad) + "2 0 5 0.35 r\n");
      if (*bad != '\0') {
        EXPECT_EQ(ReadLine(lines, c.kind), nullptr) << bad;
      }
      auto next = ReadLine(lines, c.kind);
      ASSERT_NE(next, nullptr) << bad;
      EXPECT_EQ(next->body->id, 2);
    }
  }
}

TEST_F(EnemyLines, AGoblinsLevelBecomesItsExperienceButNotItsGrowthPoints) {
  // Level 2 is 200 x 2 ^ 1.4 experience.
  std::istringstream in("7 2 3.5 -1.25 l\n");
  auto goblin = ReadLine(in, Goblin::Kind);
  ASSERT_NE(goblin, nullptr);
  EXPECT_NEAR((*goblin->stats)[Stat::StatExperience], 527.803f, 1e-2f);
  EXPECT_EQ((*goblin->stats)[Stat::PtExperience], 0.0f);
}

TEST(EnemyLineFields, LevelFacingAndIdAreReadForgivingly) {
  struct Case {
    const char* text;
    int32_t id;
    float level;
    int32_t facing;
  };
  const Case cases[] = {
      {"5 -3 1 2 r\n", 5, 0.0f, 1},
      {"5 2 1 2 L\n", 5, 2.0f, 1},
      {"5 2 1 2 q\n", 5, 2.0f, 1},
      {"5 2 1 2\r\n", 5, 2.0f, 1},
      {"5 2 1 2 l\r\n", 5, 2.0f, -1},
      {"-9 2 1 2 left\n", -9, 2.0f, -1},
      {"99999999999 2 1 2 l\n", 0, 2.0f, -1},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    EnemyLine line;
    ASSERT_TRUE(ReadEnemyLine(in, 0, line)) << c.text;
    EXPECT_EQ(line.id, c.id) << c.text;
    EXPECT_EQ(line.level, c.level) << c.text;
    EXPECT_EQ(line.facing, c.facing) << c.text;
  }
}

}  // namespace
