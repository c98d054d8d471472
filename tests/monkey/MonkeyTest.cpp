// The whole game under a random player. QM_MONKEY_SEED picks the seed ("random" for a fresh
// one, printed) and QM_MONKEY_SECONDS how long it plays; a failure names the seed and the frame,
// and the same seed plays the same frames again.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "editor/MenuDebug.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "menus/DeathScreen.h"
#include "menus/MenuConsole.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuMultiplayer.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "monkey/Invariants.h"
#include "monkey/Monkey.h"
#include "monkey/Watchdog.h"
#include "monkey/WrittenFiles.h"
#include "support/GameHarness.h"
#include "world/World.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

constexpr uint64_t FixedSeed = 20261207;
constexpr double DefaultSeconds = 10.0;
// Far beyond the slowest map load under the sanitizers.
constexpr std::chrono::seconds FrameLimit{60};
// Drawing takes most of a headless frame: only every third frame is drawn, and every first
// frame of a screen or page.
constexpr uint64_t DrawEvery = 3;

// Where the run is, for whoever reports its end: a signal, a sanitizer, the watchdog.
std::atomic<uint64_t> runSeed{0};
std::atomic<uint64_t> runFrame{0};

void NoteReplay() {
  std::fprintf(stderr, "monkey: seed %llu, frame %llu; replay with QM_MONKEY_SEED=%llu\n",
               static_cast<unsigned long long>(runSeed.load()),
               static_cast<unsigned long long>(runFrame.load()),
               static_cast<unsigned long long>(runSeed.load()));
}

void NoteAndRaise(int signal) {
  NoteReplay();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void NoteEveryEnd() {
  for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) std::signal(signal, NoteAndRaise);
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_set_death_callback(NoteReplay);
#endif
}

uint64_t SeedToUse() {
  const char* asked = std::getenv("QM_MONKEY_SEED");
  if (!asked || !*asked) return FixedSeed;
  if (std::string(asked) == "random") return std::random_device{}();
  return std::strtoull(asked, nullptr, 10);
}

double SecondsToPlay() {
  const char* asked = std::getenv("QM_MONKEY_SECONDS");
  return asked && *asked ? std::strtod(asked, nullptr) : DefaultSeconds;
}

// Some screens share a name: the monkey tells them apart by their place in the set.
const char* Label(const GameStateSet& set) {
  const GameState* screen = set.current;
  if (screen == set.world) return "world";
  if (screen == set.menuTitle) return "title";
  if (screen == set.menuDialog) return "conversation";
  if (screen == set.menuSave) return "save";
  if (screen == set.menuShop) return "shop";
  if (screen == set.menuPause) return "pause";
  if (screen == set.menuConsole) return "console";
  if (screen == set.menuDebug) return "debug menu";
  if (screen == set.menuMultiplayer) return "lobby";
  if (screen == set.menuController) return "controller";
  return screen == set.deathScreen ? "death screen" : "unknown";
}

// The screen's page, tab or editor mode, where it has them.
int PageOf(const GameStateSet& set) {
  if (set.current == set.menuTitle) return set.menuTitle->m_page;
  if (set.current == set.menuPause) return set.menuPause->GetTabIndex();
  if (set.current == set.menuShop) return set.menuShop->GetPage();
  if (set.current == set.menuDebug) return set.menuDebug->Mode();
  return -1;
}

struct Visits {
  uint64_t frames = 0;
  uint64_t entries = 0;
};

struct Tally {
  uint64_t frames = 0;
  int sessions = 0;
  // Sessions that ended by Quit Game or by closing the window.
  int quits = 0;
  int written = 0;
  int readBack = 0;
  std::map<std::pair<std::string, int>, Visits> screens;
  std::map<std::string, uint64_t> mapFrames;
  const GameState* lastScreen = nullptr;
  int lastPage = -2;
  // The last frame changed the screen or its page.
  bool changed = false;

  void Count(const GameStateSet& set) {
    ++frames;
    const int page = PageOf(set);
    Visits& visits = screens[{Label(set), page}];
    ++visits.frames;
    if (set.world) ++mapFrames[set.world->mapName];
    changed = set.current != lastScreen || page != lastPage;
    if (changed) ++visits.entries;
    lastScreen = set.current;
    lastPage = page;
  }

  void Print(uint64_t seed, double seconds) const {
    std::printf("monkey: seed %llu played %llu frames in %d sessions (%d quit) over %.0f s\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(frames),
                sessions, quits, seconds);
    std::printf("monkey: %d files written, %d read back through the game's readers\n", written,
                readBack);
    for (const auto& [screen, visits] : screens) {
      std::printf("monkey:   %-16s %3s %9llu frames %6llu entries\n", screen.first.c_str(),
                  screen.second < 0 ? "" : std::to_string(screen.second).c_str(),
                  static_cast<unsigned long long>(visits.frames),
                  static_cast<unsigned long long>(visits.entries));
    }
    for (const auto& [map, count] : mapFrames) {
      std::printf("monkey:   map %-40s %9llu frames\n", map.c_str(),
                  static_cast<unsigned long long>(count));
    }
  }
};

std::string Where(uint64_t seed, uint64_t frame) {
  return "seed " + std::to_string(seed) + ", frame " + std::to_string(frame);
}

}  // namespace

TEST(Monkey, PlaysTheWholeGameWithoutBreakingIt) {
  const uint64_t seed = SeedToUse();
  const double seconds = SecondsToPlay();
  runSeed = seed;
  std::printf("monkey: seed %llu for %.0f s (QM_MONKEY_SEED=%llu replays it)\n",
              static_cast<unsigned long long>(seed), seconds,
              static_cast<unsigned long long>(seed));
  std::fflush(stdout);
  NoteEveryEnd();
  Watchdog watchdog(FrameLimit, NoteReplay);
  Monkey monkey(seed);
  Tally tally;
  const auto start = Watchdog::Clock::now();
  const auto end = start + std::chrono::duration_cast<Watchdog::Clock::duration>(
                               std::chrono::duration<double>(seconds));
  while (Watchdog::Clock::now() < end) {
    // Starting the program and reading its files back are held to the frame's limit too.
    watchdog.FrameStarted();
    GameHarness game;
    ASSERT_TRUE(game.Started()) << Where(seed, tally.frames);
    // The game's own random numbers follow the seed too.
    std::srand(static_cast<unsigned>(seed + static_cast<uint64_t>(tally.sessions)));
    ++tally.sessions;
    tally.lastScreen = nullptr;
    monkey.Attach(game.Platform());
    const ContentSnapshot before(game.Folder());
    while (Running && Watchdog::Clock::now() < end) {
      runFrame = tally.frames;
      monkey.BeforeFrame();
      watchdog.FrameStarted();
      if (tally.frames % DrawEvery == 0 || tally.changed) {
        game.Step();
      } else {
        game.StepUndrawn();
      }
      tally.Count(*GameStates);
      const std::string broken = BrokenInvariant(*GameStates);
      ASSERT_TRUE(broken.empty()) << broken << " (" << Where(seed, tally.frames - 1) << ")";
    }
    if (!Running) ++tally.quits;
    watchdog.FrameStarted();
    const std::vector<std::filesystem::path> written = before.WrittenSince();
    const bool itemFilesWritten = std::any_of(written.begin(), written.end(), IsItemFile);
    for (const std::filesystem::path& file : written) {
      ++tally.written;
      if (!IsReadBack(file)) continue;
      ++tally.readBack;
      EXPECT_EQ(ReadBackProblem(file, itemFilesWritten), "")
          << file << " (" << Where(seed, tally.frames) << ")";
    }
  }
  tally.Print(seed, std::chrono::duration<double>(Watchdog::Clock::now() - start).count());
}
