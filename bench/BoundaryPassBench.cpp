// Cost of the world's boundary pass in one frame: 50 bodies falling and running among 2,000
// boundaries (floors, steps, turned slopes and round rocks) spread over a level 4,000 units
// wide, each body pushed out of every boundary near it. The world's pass finds them through its
// grid; beside it, the step over every boundary that it replaced.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "collision/Boundary.h"
#include "support/EveryBoundaryPass.h"
#include "world/World.h"

namespace {

constexpr int BodyCount = 50;
constexpr int BoundaryCount = 2000;
constexpr float LevelWidth = 4000.0f;
constexpr float SegmentWidth = LevelWidth / BoundaryCount;
constexpr float Dt = 1.0f / 60.0f;
constexpr float Gravity = 30.0f;
constexpr float RunSpeed = 4.0f;
constexpr float DropHeight = 12.0f;
constexpr float FloorLimit = -40.0f;

struct Level {
  Level() : world(nullptr, nullptr) {
    std::mt19937 engine(2026);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < BoundaryCount; ++i) {
      const float x = (i + 0.5f) * SegmentWidth;
      const float y = 6.0f * unit(engine);
      if (i % 10 == 9) {
        auto rock = std::make_unique<BoundingCircle>();
        rock->SetPositionXYZ(x, y, 0.0f);
        rock->SetRadius(0.5f + unit(engine));
        rock->previousPosition = rock->position;
        Keep(std::move(rock));
        continue;
      }
      auto quad = std::make_unique<BoundingQuad>();
      quad->SetPositionXYZ(x, y, 0.0f);
      quad->SetDimensions(SegmentWidth * (1.0f + unit(engine)), 1.0f + 2.0f * unit(engine), 0.0f);
      if (i % 4 == 0) quad->SetRotation(30.0f * unit(engine) - 15.0f);
      if (i % 25 == 0) quad->SetEdgeFlag3(0);
      quad->previousPosition = quad->position;
      Keep(std::move(quad));
    }
    for (int i = 0; i < BodyCount; ++i) {
      auto body = std::make_unique<BoundingQuad>();
      body->SetDimensions(0.8f, 1.6f, 0.0f);
      body->SetPositionXYZ(LevelWidth * i / BodyCount, DropHeight, 0.0f);
      body->SetVelocity(RunSpeed, 0.0f, 0.0f);
      bodies.push_back(std::move(body));
    }
  }

  void Keep(std::unique_ptr<BoundingShape> boundary) { world.AddBoundary(std::move(boundary)); }

  // One frame of every body's physics step, through the world's pass or the step over every
  // boundary.
  void Frame(bool everyBoundary) {
    for (auto& body : bodies) {
      body->velocity.y -= Gravity * Dt;
      body->Move(Dt);
      if (body->position.y < FloorLimit || body->position.x > LevelWidth) {
        body->SetPositionXYZ(body->position.x > LevelWidth ? 0.0f : body->position.x, DropHeight,
                             0.0f);
        body->velocity = {RunSpeed, 0.0f, 0.0f};
      }
      const platform::Vector3 push = everyBoundary ? CollideWithEveryBoundary(world, *body)
                                                   : world.CollideWithBoundaries(body.get());
      body->SetPosition(body->position + push);
      if (push.y > 0.0f) body->velocity.y = 0.0f;
    }
  }

  World world;
  std::vector<std::unique_ptr<BoundingQuad>> bodies;
};

void BoundaryPassFrame(benchmark::State& state, bool everyBoundary) {
  Level level;
  // Let the bodies land first, so that the measured frames hold resting and running contacts.
  for (int i = 0; i < 120; ++i) level.Frame(everyBoundary);
  for (auto _ : state) {
    level.Frame(everyBoundary);
    benchmark::ClobberMemory();
  }
  state.counters["bodies"] = BodyCount;
  state.counters["boundaries"] = BoundaryCount;
}

void BM_BoundaryPassFrame(benchmark::State& state) { BoundaryPassFrame(state, false); }
BENCHMARK(BM_BoundaryPassFrame)->Unit(benchmark::kMicrosecond);

void BM_BoundaryPassFrameEveryBoundary(benchmark::State& state) { BoundaryPassFrame(state, true); }
BENCHMARK(BM_BoundaryPassFrameEveryBoundary)->Unit(benchmark::kMicrosecond);

// One pass of a moving body far above the level: no boundary is within reach.
void FarBody(benchmark::State& state, bool everyBoundary) {
  Level level;
  BoundingQuad& body = *level.bodies.front();
  body.SetPositionXYZ(LevelWidth / 2, 1000.0f, 0.0f);
  body.previousPosition = {LevelWidth / 2, 1001.0f, 0.0f};
  for (auto _ : state) {
    benchmark::DoNotOptimize(everyBoundary ? CollideWithEveryBoundary(level.world, body)
                                           : level.world.CollideWithBoundaries(&body));
  }
}

void BM_FarBody(benchmark::State& state) { FarBody(state, false); }
BENCHMARK(BM_FarBody)->Unit(benchmark::kMicrosecond);

void BM_FarBodyEveryBoundary(benchmark::State& state) { FarBody(state, true); }
BENCHMARK(BM_FarBodyEveryBoundary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
