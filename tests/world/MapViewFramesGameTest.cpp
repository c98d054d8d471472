// Frames of every shipped map seen from a row of places across it, the camera at rest on the
// player. With QM_KEEP_FRAMES they are kept, so that two versions of the drawing code can be
// compared pixel by pixel (scripts/compare-frames.sh); without it each frame must show the map.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

const char* const ShippedMaps[] = {"DemoNewGameMap", "DemoHubMap", "DemoVersusMap"};
constexpr int ViewsPerMap = 9;
// Where no camera limit holds, the row spans this far either side of the middle.
constexpr float OpenHalfWidth = 60.0f;
constexpr float ViewHeight = 1.3f;
constexpr unsigned FrameSeed = 36;

float Limited(float limit, float open) { return std::isfinite(limit) ? limit : open; }

TEST(MapViewFrames, EveryShippedMapIsDrawnFromARowOfPlacesAcrossIt) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  World* world = GameStates->world;
  for (const char* name : ShippedMaps) {
    world->ClearLevel();
    world->LoadMap(std::string("Content\\Maps\\") + name + ".gmf");
    GameStates->SwitchTo(world);
    const float left = Limited(world->cameraLimits.left, -OpenHalfWidth);
    const float right = Limited(world->cameraLimits.right, OpenHalfWidth);
    for (int view = 0; view < ViewsPerMap; ++view) {
      std::srand(FrameSeed);
      const float x = left + (right - left) * static_cast<float>(view) / (ViewsPerMap - 1);
      Player* player = world->GetFirstPlayer();
      player->body->SetPositionXYZ(x, ViewHeight, 0.0f);
      player->body->SetVelocity(0.0f, 0.0f, 0.0f);
      game.StepFrames(40);
      const std::string frame = std::string(name) + "-" + std::to_string(view);
      ASSERT_TRUE(game.KeepFrame(frame + ".png"));
      EXPECT_NE(game.Pixel(400, 300), ClearColor.ToD3DColor()) << frame;
    }
  }
}

}  // namespace
