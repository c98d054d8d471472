// The busiest shipped map in play on the headless platform (SDL's software renderer): the
// world's frame drawn from places across the map, with the allocations SDL makes for it; a
// map's load; and an actor's items, read from the item files or copied from the world's store.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <memory>

#include "app/Application.h"
#include "engine/Camera.h"
#include "engine/DeferredDeleteList.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "items/ItemStore.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

constexpr const char* BusiestMap = "Content\\Maps\\DemoHubMap.gmf";
const char* const ShippedMaps[] = {"Content\\Maps\\DemoNewGameMap.gmf", BusiestMap,
                                   "Content\\Maps\\DemoVersusMap.gmf"};
// Across the square between its two gates (at -41 and 41.5), clear of both: a player standing
// in a gate would be measured on its way to another map.
constexpr float Places[] = {-38.0f, -24.0f, -10.0f, 0.0f, 12.0f, 30.0f, 39.0f};
constexpr float GroundHeight = 1.3f;
constexpr int FadeFramesLimit = 600;

// Every allocation SDL makes, counted on its way to the C library.
std::atomic<long> SdlAllocations{0};

void* CountedMalloc(size_t size) {
  ++SdlAllocations;
  return std::malloc(size);
}
void* CountedCalloc(size_t count, size_t size) {
  ++SdlAllocations;
  return std::calloc(count, size);
}
void* CountedRealloc(void* memory, size_t size) {
  ++SdlAllocations;
  return std::realloc(memory, size);
}

GameHarness& Game() {
  static GameHarness game;
  return game;
}

World& PlayingOn(const char* map) {
  GameHarness& game = Game();
  World& world = *GameStates->world;
  if (world.GetMapName() != map) {
    world.ClearLevel();
    world.LoadMap(map);
    GameStates->SwitchTo(&world);
  }
  game.StepFrames(2);
  // A frame at rest is one the entering fade no longer darkens.
  for (int frame = 0; frame < FadeFramesLimit && MainCamera->fading; ++frame) game.Step();
  return world;
}

// The frame drawn with the camera at rest over each place in turn.
void BM_BusiestMapFrameDraw(benchmark::State& state) {
  World& world = PlayingOn(BusiestMap);
  const float place = Places[state.range(0)];
  world.GetFirstPlayer()->body->SetPositionXYZ(place, GroundHeight, 0.0f);
  Game().StepFrames(40);
  long allocations = 0;
  for (auto _ : state) {
    const long before = SdlAllocations;
    RenderFrame();
    allocations += SdlAllocations - before;
  }
  state.counters["place_x"] = place;
  state.counters["sdl_allocations"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BusiestMapFrameDraw)->DenseRange(0, std::size(Places) - 1)->Unit(benchmark::kMillisecond);

void BM_MapLoad(benchmark::State& state) {
  PlayingOn(BusiestMap);
  World& world = *GameStates->world;
  const char* map = ShippedMaps[state.range(0)];
  for (auto _ : state) {
    world.ClearLevel();
    world.LoadMap(map);
    // What the load left to finish (pictures still being decoded) is part of it.
    GameStates->SwitchTo(&world);
    RenderFrame();
    DeferredDeletes->Empty();
  }
}
BENCHMARK(BM_MapLoad)->DenseRange(0, std::size(ShippedMaps) - 1)->Unit(benchmark::kMillisecond);

// An actor's own items: as each actor and shop took them before, read from the four item files,
// and as they take them now, copied from the world's store.
void BM_ActorItemsReadFromFiles(benchmark::State& state) {
  Game();
  for (auto _ : state) benchmark::DoNotOptimize(std::make_unique<ItemStore>());
}
BENCHMARK(BM_ActorItemsReadFromFiles)->Unit(benchmark::kMicrosecond);

void BM_ActorItemsCopiedFromWorld(benchmark::State& state) {
  Game();
  for (auto _ : state) benchmark::DoNotOptimize(ItemStore::CopyOf(*GameStates->world->itemStore));
}
BENCHMARK(BM_ActorItemsCopiedFromWorld)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Before SDL allocates anything, so that every block it frees was counted out.
  SDL_SetMemoryFunctions(CountedMalloc, CountedCalloc, CountedRealloc, std::free);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
