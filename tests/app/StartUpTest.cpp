#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Application.h"
#include "engine/Controls.h"
#include "engine/FileIO.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "menus/MenuTitle.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const char* const ExpectedDefaultMap =
    "0 0 1000 -1000 -1000 1000 42 82 101 115 53 30 0 m s 0 0 0\n"
    "*Resources \n"
    "*Enemies \n"
    "*NPCs \n"
    "*Boundaries \n"
    "q 60 0 0 0 1 221764120 0 120 0 200 0 255 0 0 0 0 0 0 0 1.01993 -2.6018 0 0 3.62179 3.31665 "
    "1 1 1 1 1 1 1 1\n"
    "*Textured_Primitives \n"
    "*Modifiers \n";

TEST(StartUp, OpensTheFixedWindowAndHidesTheCursor) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  const platform::WindowRequest& window = game.Platform().Window();
  EXPECT_EQ(window.title, "QuellmarkMain");
  EXPECT_EQ(window.x, 200);
  EXPECT_EQ(window.y, 200);
  EXPECT_EQ(window.clientWidth, 800);
  EXPECT_EQ(window.clientHeight, 600);
  EXPECT_FALSE(game.Platform().CursorVisible());
  EXPECT_EQ(Running, 1);
  EXPECT_EQ(WindowActive, 1);
  EXPECT_EQ(TimeScale, 1.0f);
  EXPECT_EQ(DebugMode, 0);
  EXPECT_EQ(ShowLoadInfo, 0);
  EXPECT_NE(MainSoundSystem, nullptr);
  EXPECT_NE(MainSoundBank, nullptr);
  EXPECT_NE(SmallFont, nullptr);
  EXPECT_NE(LargeFont, nullptr);
}

TEST(StartUp, RewritesTheDefaultMapEveryTime) {
  GameHarness game;
  const auto mapPath = game.Folder() / "Content/Maps/DefaultMap.gmf";
  EXPECT_EQ(ReadFile(mapPath), ExpectedDefaultMap);

  std::ofstream(mapPath) << "edited";
  EXPECT_TRUE(WriteDefaultMap());
  EXPECT_EQ(ReadFile(mapPath), ExpectedDefaultMap);
}

TEST(StartUp, BuildsEveryScreenInOrderWithTheTitleMenuCurrent) {
  GameHarness game;
  ASSERT_NE(GameStates, nullptr);
  const wchar_t* names[GameStateCount] = {
      L"World",       L"Debug Menu",    L"Console Menu",
      L"Pause Menu",  L"Title Menu",    L"Controller Configuration Menu",
      L"Multiplayer Menu", L"Dialog Menu", L"Dialog Menu",
      L"Pause Menu",  L"Death Screen"};
  for (int i = 0; i < GameStateCount; ++i) {
    ASSERT_NE(GameStates->screens[i], nullptr);
    EXPECT_EQ(GameStates->screens[i]->GetName(), names[i]) << i;
    EXPECT_EQ(GameStates->screens[i]->set, GameStates);
    EXPECT_EQ(GameStates->screens[i]->holdTimer, 0.0f);
  }
  EXPECT_EQ(GameStates->screens[4].get(), GameStates->menuTitle);
  EXPECT_EQ(GameStates->screens[0].get(), GameStates->world);
  EXPECT_EQ(GameStates->current, GameStates->menuTitle);
  EXPECT_EQ(GameStates->previous, GameStates->menuTitle);
  EXPECT_EQ(GameStates->menuTitle->GetTitle(), L"Title Menu");
  // Entering the title menu switched every input device on.
  EXPECT_EQ(GameControls->keyboardEnabled, 1);
  EXPECT_EQ(GameControls->padEnabled, (std::array<uint8_t, 4>{1, 1, 1, 1}));
  // Eleven screen lines and the world's three pool lines moved the position down by 10 each;
  // x is where it started.
  EXPECT_FLOAT_EQ(ProgressTextPosition.y, 180.0f);
  EXPECT_FLOAT_EQ(ProgressTextPosition.x, 60.0f);
}

TEST(StartUp, SwitchingToTheCurrentStateMakesItItsOwnPrevious) {
  GameHarness game;
  GameState* world = GameStates->screens[0].get();
  GameStates->SwitchTo(world);
  EXPECT_EQ(GameStates->previous, GameStates->menuTitle);
  EXPECT_EQ(GameStates->current, world);
  GameStates->SwitchTo(world);
  EXPECT_EQ(GameStates->previous, world);
  EXPECT_EQ(GameStates->current, world);

  // A screen that is missing from the set is no target: nothing changes.
  GameStates->SwitchTo(nullptr);
  EXPECT_EQ(GameStates->previous, world);
  EXPECT_EQ(GameStates->current, world);
  game.Step();
  EXPECT_EQ(GameStates->current, world);
}

TEST(StartUp, RunsThreeHundredTitleFramesAndShutsDown) {
  GameHarness game;
  game.StepFrames(300);
  EXPECT_EQ(TickCounter, 300u);
  EXPECT_EQ(GameStates->current, GameStates->menuTitle);
  // The title's picture covers the clear colour that the world set when it was built.
  EXPECT_NE(game.Pixel(400, 300), 0x2A526573u);
  EXPECT_EQ(game.Pixel(400, 300) >> 24, 0xFFu);
}

TEST(StartUp, ClosingTheWindowEndsTheProgramWithStatusZero) {
  ResetGlobals();
  TempFolder folder;
  PrepareContentFolder(folder.Path());
  WorkingFolder inFolder(folder.Path());
  platform::HeadlessPlatform platform;
  platform.PushEvent(platform::WindowEvent::CloseRequested);
  EXPECT_EQ(RunGame(platform), 0);
  EXPECT_EQ(GameStates, nullptr);
  EXPECT_EQ(Device, nullptr);
  EXPECT_EQ(MainSoundSystem, nullptr);
  EXPECT_EQ(MainSoundBank, nullptr);
  EXPECT_EQ(SmallFont, nullptr);
  ResetGlobals();
}

}  // namespace
