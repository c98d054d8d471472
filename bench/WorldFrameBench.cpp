// Cost of one world frame, its update and its draw apart, on a level of 2,000 boundaries with a
// textured quad over each, and four players running along it on the software renderer: the
// update takes every modifier, actor, floating text and the camera; the draw every layer, the
// interfaces and the fade.
#include <benchmark/benchmark.h>

#include <memory>

#include "collision/Boundary.h"
#include "engine/draw/Quad.h"
#include "player/Player.h"
#include "support/RenderGlobals.h"
#include "world/World.h"

namespace {

constexpr int BoundaryCount = 2000;
constexpr int PlayerCount = 4;
constexpr int SceneryLayers = 4;
constexpr float SegmentWidth = 2.0f;
constexpr float LevelWidth = BoundaryCount * SegmentWidth;
constexpr float FloorTop = -1.225f;
constexpr float Dt = 1.0f / 60.0f;
constexpr float Gravity = 53.0f;
constexpr float RunSpeed = 6.0f;

// A long floor of steps with its scenery, the four players standing on it.
struct Level : RenderGlobals {
  Level() {
    SetInterfaceColors();
    world = std::make_unique<World>(nullptr, camera.get());
    world->gravity = Gravity;
    for (int i = 0; i < BoundaryCount; ++i) {
      const float x = (i + 0.5f) * SegmentWidth;
      // Every tenth segment is a step up, so that bodies are pushed up and across now and then.
      const float top = FloorTop + (i % 10 == 9 ? 0.3f : 0.0f);
      auto floor = std::make_unique<BoundingQuad>();
      floor->SetPositionXYZ(x, top - 1.0f, 0.0f);
      floor->previousPosition = floor->position;
      floor->SetDimensions(SegmentWidth, 2.0f, 0.0f);
      world->AddBoundary(std::move(floor));
      auto scenery = std::make_unique<Quad>();
      scenery->SetPositionXYZ(x, top - 1.0f, 0.0f);
      scenery->SetDimensions(SegmentWidth, 2.0f, 0.0f);
      scenery->SetFillColorRGBA(255, 90, 140, 70);
      world->shapeLayers.Insert(i % SceneryLayers, std::move(scenery));
    }
    while (static_cast<int>(world->players.size()) < PlayerCount) world->AddPlayer();
    for (int i = 0; i < PlayerCount; ++i) {
      Player& player = *world->players[static_cast<size_t>(i)];
      player.playerIndex = i;
      player.body->SetPositionXYZ(10.0f + 3.0f * i, 0.0f, 0.0f);
    }
    world->Enter();
    for (int i = 0; i < 60; ++i) Update();
  }

  // The frame's update, the players kept running as their input steps would keep them.
  void Update() {
    for (Player* player : world->players) {
      if (player->body->position.x > LevelWidth - 20.0f) player->body->position.x = 10.0f;
      player->body->velocity.x = RunSpeed;
    }
    world->Update(Dt);
    MainCamera->Update();
  }

  std::unique_ptr<World> world;
};

void BM_WorldUpdate(benchmark::State& state) {
  Level level;
  for (auto _ : state) {
    level.Update();
    benchmark::ClobberMemory();
  }
  state.counters["boundaries"] = BoundaryCount;
  state.counters["players"] = PlayerCount;
}
BENCHMARK(BM_WorldUpdate)->Unit(benchmark::kMicrosecond);

void BM_WorldDraw(benchmark::State& state) {
  Level level;
  for (auto _ : state) {
    level.renderer->Clear(0xFF000000u);
    level.world->Draw();
    level.renderer->Present();
  }
  state.counters["shapes"] = BoundaryCount;
}
BENCHMARK(BM_WorldDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
