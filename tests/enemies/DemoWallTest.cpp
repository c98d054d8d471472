#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "collision/Strike.h"
#include "enemies/DemoWall.h"
#include "enemies/StandingStates.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

// A wall read from its map line, standing on the floor from x 8.35 to 11.65, and a body that
// walks at it from the left.
class DemoWallFight : public RatatoskrWorld {
 protected:
  static constexpr float WallX = 10.0f;
  static constexpr float WallLeftFace = WallX - DemoWall::BodyWidth / 2;
  static constexpr float WalkSpeed = 3.0f;

  DemoWallFight() : walker(&world, "Walker") {
    std::istringstream line("4 0 10 2 r\n");
    wall = PutInPlay<DemoWall>(ReadLine(line, DemoWall::Kind));
    walker.PlaceAt(5.0f, 1.0f);
    world.AddActor(&walker);
    swing.SetDimensions(2.0f, 2.0f, 0.0f);
    swing.owner = &player;
    swing.force = 3.0f;
    swing.freezeTime = 0.1f;
  }
  // The walker goes first; the world must not update or forget it after that.
  ~DemoWallFight() override { std::erase(world.actors, &walker); }

  // The walker keeps walking right for that many frames.
  void Walk(int frames) {
    for (int frame = 0; frame < frames; ++frame) {
      walker.bodyQuad.velocity.x = WalkSpeed;
      Step();
    }
  }
  // A new swing of that damage at the wall's face: it has hit nothing yet.
  void Swing(float damage) {
    wall->hitBox->Forget(&swing);
    swing.hitList.clear();
    swing.damage = damage;
    swing.SetPosition(wall->body->position - platform::Vector3{1.0f, 0.0f, 0.0f});
    world.playerStrikes = {&swing};
  }
  bool Broken() const { return wall->state == wall->GetState(DemoWall::Dead); }

  DemoWall* wall = nullptr;  // the world's
  WorldBody walker;
  StrikeQuad swing;
};

TEST_F(DemoWallFight, ItBlocksTheWayTakesStrikesWithoutMovingAndOnceBrokenLetsTheWalkerThrough) {
  // Its health is 3, its stamina bar has no room and is drawn empty.
  EXPECT_EQ(wall->healthMeter->value, 3.0f);
  EXPECT_EQ(wall->staminaMeter->maximum, 0.0f);
  Walk(180);
  EXPECT_NEAR(walker.bodyQuad.position.x, WallLeftFace - 0.5f, 0.01f) << "stopped at the block";
  EXPECT_EQ(wall->staminaMeter->fill->width, 0.0f);
  EXPECT_EQ(wall->Block()->position, wall->body->position);
  EXPECT_NEAR(wall->body->position.y, DemoWall::BodyHeight / 2, 0.01f);

  // A strike of 1 lands once however long it overlaps, freezes both sides and moves nothing.
  const platform::Vector3 standing = wall->body->position;
  Swing(1.0f);
  Step();
  EXPECT_EQ(wall->healthMeter->value, 2.0f);
  EXPECT_EQ(wall->state->holdTimer, 0.1f);
  EXPECT_EQ(player.state->holdTimer, 0.1f);
  EXPECT_EQ(wall->body->velocity, (platform::Vector3{}));
  for (int frame = 0; frame < 30; ++frame) Step();
  EXPECT_EQ(wall->healthMeter->value, 2.0f);
  EXPECT_EQ(wall->body->position, standing);
  ASSERT_EQ(world.floatingTexts->texts.size(), 1u);
  EXPECT_EQ(world.floatingTexts->texts[0]->text, "1");

  // A strike of 5 breaks it in the update it lands: the block has no size and pays nothing.
  Swing(5.0f);
  Step();
  EXPECT_TRUE(Broken());
  EXPECT_EQ(wall->healthMeter->value, 0.0f);
  EXPECT_EQ(wall->Block()->width, 0.0f);
  EXPECT_EQ((*player.stats)[Stat::StatExperience], 0.0f);
  EXPECT_TRUE(world.enemyStrikes.empty()) << "its contact strike never went into play";
  world.playerStrikes.clear();

  Walk(180);
  EXPECT_GT(walker.bodyQuad.position.x, WallX + DemoWall::BodyWidth / 2 + 0.5f);
  EXPECT_TRUE(Broken());
  EXPECT_EQ(wall->body->position, standing) << "the broken wall stays as a picture";

  // A wall destroyed in play takes its block out of the boundary pass.
  auto second = Make<DemoWall>(20.0f, 2.0f);
  EXPECT_EQ(world.actorBoundaries.size(), 2u);
  second.reset();
  EXPECT_EQ(world.actorBoundaries, std::vector<BoundingShape*>{wall->Block()});
}

}  // namespace
