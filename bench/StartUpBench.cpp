// Start-up as a player waits for it: from the start of a new process to the first drawn frame of
// the title on the headless platform; and the memory the game holds once it plays its busiest
// map. Each measure runs the game in a child process (this program started again with a
// command word), so that nothing loaded earlier is found ready.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/Application.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "menus/MenuTitle.h"
#include "platform/HeadlessPlatform.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "support/TempFolder.h"
#include "world/World.h"

extern char** environ;

namespace {

constexpr const char* BootWord = "--boot";
constexpr const char* PlayWord = "--play";
constexpr const char* BusiestMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr uint64_t FrameMicroseconds = 16'667;
constexpr int FramesInPlay = 120;

// The resident memory of this process in kilobytes, from the kernel's status file.
long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmRSS:") {
      long kilobytes = 0;
      status >> kilobytes;
      return kilobytes;
    }
  }
  return 0;
}

// The child: starts the game in the prepared folder and answers on its standard output, once
// the title is drawn ("T"), and with play, once the busiest map has played for two seconds
// (its resident kilobytes).
int RunChild(const char* folder, bool play) {
  if (chdir(folder) != 0) return EXIT_FAILURE;
  platform::HeadlessPlatform platform;
  if (!StartUp(platform)) return EXIT_FAILURE;
  platform.AdvanceClock(FrameMicroseconds);
  RunFramePass();
  if (GameStates->current != GameStates->menuTitle) {
    return EXIT_FAILURE;
  }
  if (!play) {
    std::fputs("T", stdout);
    std::fflush(stdout);
    std::_Exit(EXIT_SUCCESS);
  }
  World* world = GameStates->world;
  world->ClearLevel();
  world->LoadMap(BusiestMap);
  GameStates->SwitchTo(world);
  world->GetFirstPlayer()->body->SetPositionXYZ(0.0f, 1.3f, 0.0f);
  for (int i = 0; i < FramesInPlay; ++i) {
    platform.AdvanceClock(FrameMicroseconds);
    RunFramePass();
  }
  std::printf("%ld", ResidentKilobytes());
  std::fflush(stdout);
  std::_Exit(EXIT_SUCCESS);
}

// The game's folder, prepared once for every child.
const std::string& GameFolder() {
  static TempFolder folder;
  static const bool prepared = (PrepareContentFolder(folder.Path()), true);
  (void)prepared;
  static const std::string path = folder.Path().string();
  return path;
}

std::string SelfPath() {
  char path[4096] = {};
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

// Starts the child with the command word and returns what it wrote, timing from the spawn to
// its first byte.
std::string RunGameChild(const char* word, double& secondsToFirstByte) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  const std::string self = SelfPath();
  const std::string folder = GameFolder();
  char* arguments[] = {const_cast<char*>(self.c_str()), const_cast<char*>(word),
                       const_cast<char*>(folder.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const bool spawned =
      posix_spawn(&child, self.c_str(), &actions, nullptr, arguments, environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::string answer;
  char buffer[64];
  ssize_t got = 0;
  bool first = true;
  while (spawned && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
    if (first) {
      secondsToFirstByte =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      first = false;
    }
    answer.append(buffer, static_cast<size_t>(got));
  }
  close(pipeEnds[0]);
  if (spawned) waitpid(child, nullptr, 0);
  return answer;
}

void BM_StartUpToTitleFrame(benchmark::State& state) {
  for (auto _ : state) {
    double seconds = 0.0;
    if (RunGameChild(BootWord, seconds) != "T") {
      state.SkipWithError("the game did not reach its title");
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartUpToTitleFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_MemoryInPlay(benchmark::State& state) {
  long kilobytes = 0;
  for (auto _ : state) {
    double seconds = 0.0;
    kilobytes = std::atol(RunGameChild(PlayWord, seconds).c_str());
    if (kilobytes <= 0) {
      state.SkipWithError("the game did not play the map");
      return;
    }
    state.SetIterationTime(seconds);
  }
  state.counters["resident_MB"] = static_cast<double>(kilobytes) / 1024.0;
}
BENCHMARK(BM_MemoryInPlay)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && (std::string(argv[1]) == BootWord || std::string(argv[1]) == PlayWord)) {
    return RunChild(argv[2], std::string(argv[1]) == PlayWord);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
