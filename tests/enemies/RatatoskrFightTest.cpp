#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

#include "collision/Collide.h"
#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

class RatatoskrFight : public RatatoskrWorld {
 protected:
  RatatoskrFight() {
    std::srand(7);
    // Read from its map line like every placed enemy: home (0, 0.35), range 4.
    std::istringstream line("1 0 0 0.35 0 0.35 4 r\n");
    rat = PutInPlay<Ratatoskr>(ReadLine(line));
  }

  bool In(int index) const { return rat->state == rat->GetState(index); }
  bool StepUntil(std::initializer_list<int> states) {
    return RatatoskrWorld::StepUntil(*rat, states);
  }
  float X() const { return rat->body->position.x; }
  float Distance() const { return std::fabs(player.body->position.x - X()); }

  Ratatoskr* rat = nullptr;  // the world's
};

TEST_F(RatatoskrFight, ItRoamsNoticesLuresLeapsBitesAndDiesPayingThePlayer) {
  // It has not touched the floor before its first frame, so it lands and skids first; then it
  // idles and roams its range.
  Step();
  ASSERT_TRUE(In(RatatoskrFalling));
  ASSERT_TRUE(StepUntil({RatatoskrIdling, RatatoskrCautious}));
  std::set<int> seen;
  for (int frame = 0; frame < 600; ++frame) {
    Step();
    for (int index = 0; index < RatatoskrStateCount; ++index) {
      if (In(index)) seen.insert(index);
    }
    ASSERT_LT(std::fabs(X()), 5.0f);
    ASSERT_NEAR(rat->body->position.y, Standing, 0.05f);
  }
  EXPECT_EQ(seen, (std::set<int>{RatatoskrIdling, RatatoskrCautious, RatatoskrRunning}));

  // A player two steps in front startles it; it turns away and runs.
  ASSERT_TRUE(StepUntil({RatatoskrIdling, RatatoskrCautious}));
  PlacePlayer(X() + 2.0f * static_cast<float>(rat->facing), 1.0f);
  Step();
  ASSERT_TRUE(In(RatatoskrFrontAlerted));
  ASSERT_TRUE(StepUntil({RatatoskrLuring}));
  const float luredFrom = Distance();
  ASSERT_TRUE(StepUntil({RatatoskrAttackPrepping}));
  EXPECT_GT(Distance(), luredFrom + 3.0f);

  // Within reach it dashes back at the player and bites (a jump may sail over the body).
  PlacePlayer(X() - 4.0f * static_cast<float>(rat->facing), 1.0f);
  ForceCoins({1});
  ASSERT_TRUE(StepUntil({RatatoskrGroundAttacking}));
  ASSERT_TRUE(StepUntil({RatatoskrAttacking}));
  StrikeShape* bite = static_cast<RatatoskrStateAttacking&>(*rat->state).Bite();
  EXPECT_EQ(world.enemyStrikes, std::vector<StrikeShape*>{bite});
  bool reached = false;
  while (In(RatatoskrAttacking)) {
    reached = reached || Collide(bite, player.hitBox);
    Step();
  }
  EXPECT_TRUE(reached);
  EXPECT_TRUE(world.enemyStrikes.empty());
  ASSERT_TRUE(StepUntil({RatatoskrSkidding}));

  // A strike of 4 from its left lands once per swing and knocks it right around a hit-stop;
  // the third one kills it.
  StrikeQuad swing;
  swing.SetDimensions(2.0f, 2.0f, 0.0f);
  swing.owner = &player;
  swing.damage = 4.0f;
  swing.force = 3.0f;
  swing.freezeTime = 0.1f;
  const float levelBefore = player.levels[Level::Experience];
  int swings = 0;
  while (!In(RatatoskrDead) && swings < 10) {
    ++swings;
    swing.SetPosition(rat->body->position - platform::Vector3{0.5f, 0.0f, 0.0f});
    world.playerStrikes = {&swing};
    const float health = rat->healthMeter->value;
    Step();
    const float x = X();
    for (int frame = 0; frame < 5; ++frame) Step();
    ASSERT_NEAR(rat->healthMeter->value, std::max(health - 4.0f, 0.0f), 0.05f);
    const bool held = In(RatatoskrDead) || X() == x;
    EXPECT_TRUE(held);
    world.playerStrikes.clear();
    rat->hitBox->Forget(&swing);
    swing.hitList.clear();
    for (int frame = 0; frame < 10; ++frame) Step();
    EXPECT_GT(X(), x);
  }
  EXPECT_EQ(swings, 3);
  EXPECT_EQ(world.floatingTexts->texts.size(), 3u);
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 12.0f);
  EXPECT_GT(player.levels[Level::Experience], levelBefore);

  // It stays dead and pays once.
  for (int frame = 0; frame < 120; ++frame) Step();
  EXPECT_TRUE(In(RatatoskrDead));
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 12.0f);
}

TEST_F(RatatoskrFight, ItFollowsTheGroundDownAndFacesWithItsSprite) {
  // The floor ends at x = 0, where a step 0.25 lower begins.
  PlaceBoundary(*floor, -100.0f, -0.5f, 200.0f, 1.0f);
  AddBoundaryQuad(world, 5.0f, -0.75f, 10.0f, 1.0f);
  rat->SwitchState(RatatoskrRunning);
  rat->body->SetPositionXYZ(-1.0f, Standing, 0.0f);
  Step();
  ASSERT_NE(rat->groundContact, nullptr);
  static_cast<RatatoskrState&>(*rat->state).timeLimit = 10.0f;
  rat->SetHome({0.0f, 0.0f, 0.0f}, 10.0f);
  while (X() < 1.0f) {
    Step();
    ASSERT_NE(rat->groundContact, nullptr) << "walking off the step keeps it on the ground";
  }
  EXPECT_NEAR(rat->body->position.y, Standing - 0.25f, 0.01f);
  EXPECT_EQ(rat->sprite->flipHorizontal, 0);
  rat->facing = -1;
  Step();
  EXPECT_EQ(rat->sprite->flipHorizontal, 1);
  EXPECT_EQ(rat->sprite->position, rat->body->position);
}

}  // namespace
