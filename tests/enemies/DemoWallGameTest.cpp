#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "enemies/DemoWall.h"
#include "enemies/StandingStates.h"
#include "engine/BarMeter.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/Sprite.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

// The village map with a wall on the open ground right of where the player starts: the map's
// sky, hills and trees lie on sprite layers of their own behind the play.
class DemoWallInTheVillage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    std::ifstream hub(game.Folder() / "Content/Maps/DemoHubMap.gmf", std::ios::binary);
    std::stringstream text;
    text << hub.rdbuf();
    std::string map = text.str();
    const std::string section = "*Enemies \n";
    map.insert(map.find(section) + section.size(), "6 1 0 3 2.2 r\n");
    std::ofstream(game.Folder() / "Content/Maps/WallVillage.gmf", std::ios::binary) << map;
    world = GameStates->world;
    world->ClearLevel();
    world->LoadMap("Content\\Maps\\WallVillage.gmf");
    ASSERT_EQ(world->enemies.size(), 1u);
    wall = static_cast<DemoWall*>(world->enemies[0].get());
    world->GetFirstPlayer()->body->SetPositionXYZ(0.0f, 1.3f, 0.0f);
    GameStates->SwitchTo(world);
    game.StepFrames(120);
  }

  // The share of the screen pixels under the picture's lowest `part` of its height that the
  // picture changes: the scene is drawn once more without it.
  float ShareDrawn(float part) {
    auto& picture = dynamic_cast<Sprite&>(*wall->sprite);
    const platform::Vector3 topLeft = picture.GetScreenTopLeft();
    const platform::Vector3 bottomRight = picture.GetScreenBottomRight();
    const int left = static_cast<int>(topLeft.x) + 2;
    const int right = static_cast<int>(bottomRight.x) - 2;
    const int bottom = static_cast<int>(bottomRight.y) - 2;
    const int top = bottom - static_cast<int>((bottomRight.y - topLeft.y) * part) + 2;
    std::vector<uint32_t> with;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) with.push_back(game.Pixel(x, y));
    }
    auto entry = world->spriteLayers.FindEntry(&picture);
    if (entry == world->spriteLayers.end()) return 0.0f;
    const int32_t layer = entry->first;
    world->spriteLayers.entries.erase(entry);
    game.Step();
    world->spriteLayers.InsertBorrowed(layer, &picture);
    size_t changed = 0;
    size_t index = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) changed += game.Pixel(x, y) != with[index++] ? 1 : 0;
    }
    return with.empty() ? 0.0f : static_cast<float>(changed) / static_cast<float>(with.size());
  }

  GameHarness game;
  World* world = nullptr;
  DemoWall* wall = nullptr;  // the world's
};

// The stones fill most of the standing picture (a bush stands in front of its foot);
// the rubble lies along the lowest fifth of the broken one.
TEST_F(DemoWallInTheVillage, ItsStandingAndItsBrokenPictureShowInFrontOfTheBackdrop) {
  ASSERT_NEAR(wall->body->position.y, 2.0f, 0.2f) << "it stands on the village's ground";
  ASSERT_TRUE(game.KeepFrame("demowall-standing.png"));
  EXPECT_GT(ShareDrawn(1.0f), 0.5f);

  wall->healthMeter->value = 0.0f;
  game.StepFrames(2);
  ASSERT_EQ(wall->state, wall->GetState(DemoWall::Dead));
  ASSERT_TRUE(game.KeepFrame("demowall-broken.png"));
  EXPECT_GT(ShareDrawn(0.2f), 0.25f);
}

}  // namespace
