#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "menus/MenuDialog.h"
#include "menus/MenuSave.h"
#include "menus/MenuTitle.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Failure {
  const char* what;
  // Makes the next save fail; the second undoes it.
  std::function<void(const fs::path& saves, World&, Player&)> cause;
  std::function<void(const fs::path& saves, World&, Player&)> mend;
};

// A game saved once at the hub's first save point, its save screen open again.
class SaveFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    player = world->GetFirstPlayer();
    save = GameStates->menuSave;
    saves = game.Folder() / "Content" / "Saves";
    GameStates->menuTitle->m_page = MenuTitle::PageStory;
    GameStates->menuTitle->m_selection = MenuTitle::ButtonNewGame;
    game.TapKey(VirtualKey::Enter);
    while (GameStates->current == GameStates->menuDialog) game.TapKey(VirtualKey::J);
    ASSERT_EQ(ExecuteCommand("load Content\\Maps\\DemoHubMap.gmf -7 1"), CommandDone);
    game.StepFrames(40);
    ASSERT_EQ(ExecuteCommand("set stat 4 7.25"), CommandDone);
    game.TapKey(VirtualKey::J);
    ASSERT_EQ(GameStates->current, save);
    game.TapKey(VirtualKey::J);
    ASSERT_EQ(save->m_mode, MenuSave::ModeSaved);
    game.TapKey(VirtualKey::J);
    ASSERT_EQ(GameStates->current, world);
    oldRecord = ReadWhole(saves / "Player.rff");
    ASSERT_NE(oldRecord.find("\n7.25\n"), std::string::npos);
    ASSERT_EQ(ExecuteCommand("set stat 4 1"), CommandDone);
    game.StepFrames(5);
    game.TapKey(VirtualKey::J);
    ASSERT_EQ(GameStates->current, save);
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  MenuSave* save = nullptr;
  fs::path saves;
  std::string oldRecord;
};

}  // namespace

TEST_F(SaveFailure, AFailedSaveKeepsTheOldRecordAndThePrompt) {
  const std::string mapName = world->mapName;
  const std::vector<Failure> failures = {
      {"no room on the disk",
       [](const fs::path& s, World&, Player&) {
         fs::create_symlink("/dev/full", s / "Player.rff.tmp");
       },
       [](const fs::path& s, World&, Player&) { fs::remove(s / "Player.rff.tmp"); }},
      {"the temporary file cannot be made",
       [](const fs::path& s, World&, Player&) { fs::create_directory(s / "Player.rff.tmp"); },
       [](const fs::path& s, World&, Player&) { fs::remove(s / "Player.rff.tmp"); }},
      {"a blank in the map path",
       [](const fs::path&, World& w, Player&) { w.mapName = "Content\\Maps\\Demo Hub.gmf"; },
       [mapName](const fs::path&, World& w, Player&) { w.mapName = mapName; }},
      {"a line feed in a name",
       [](const fs::path&, World&, Player& p) { p.people.push_back("Old\nMan"); },
       [](const fs::path&, World&, Player& p) { p.people.pop_back(); }},
      {"a name the reader takes for the next section",
       [](const fs::path&, World&, Player& p) { p.skills.push_back("*Jump"); },
       [](const fs::path&, World&, Player& p) { p.skills.pop_back(); }},
  };
  // Where a death brings the player back stays where it was, too: a place no stone saves.
  player->mapPath = "Content\\Maps\\DemoWildsMap.gmf";
  player->respawnPosition = {33.5f, 2.75f, 0.0f};
  bool kept = false;
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.what);
    failure.cause(saves, *world, *player);
    game.TapKey(VirtualKey::J);
    EXPECT_EQ(GameStates->current, save);
    EXPECT_EQ(save->m_mode, MenuSave::ModePrompt);
    EXPECT_TRUE(save->m_saveFailed);
    EXPECT_EQ(ReadWhole(saves / "Player.rff"), oldRecord);
    EXPECT_EQ(player->mapPath, "Content\\Maps\\DemoWildsMap.gmf");
    EXPECT_EQ(player->respawnPosition.x, 33.5f);
    EXPECT_EQ(player->respawnPosition.y, 2.75f);
    if (!kept) kept = game.KeepFrame("save-failed.png");
    failure.mend(saves, *world, *player);
  }
  EXPECT_FALSE(fs::exists(saves / "Player.rff.tmp"));

  // Once the cause is gone the next press saves.
  game.TapKey(VirtualKey::J);
  EXPECT_EQ(save->m_mode, MenuSave::ModeSaved);
  EXPECT_FALSE(save->m_saveFailed);
  EXPECT_NE(ReadWhole(saves / "Player.rff"), oldRecord);
}

// A save that keeps failing holds nobody on the screen: after a failure Back, Escape or cancel
// returns to play without saving; before one they do nothing.
TEST_F(SaveFailure, AfterAFailureBackOrCancelReturnsToPlayWithTheOldRecord) {
  // A record its reader could not take back is never written.
  world->mapName = "Content\\Maps\\Demo Hub.gmf";
  for (int key : {VirtualKey::Backspace, VirtualKey::Esc, VirtualKey::I}) {
    SCOPED_TRACE(key);
    game.TapKey(key);
    ASSERT_EQ(GameStates->current, save) << "nothing has failed yet";
    game.TapKey(VirtualKey::J);
    ASSERT_TRUE(save->m_saveFailed);
    game.TapKey(key);
    EXPECT_EQ(GameStates->current, world);
    EXPECT_EQ(player->CurrentState(), player->StateAt(SlotIdling));
    EXPECT_EQ(ReadWhole(saves / "Player.rff"), oldRecord);
    game.StepFrames(5);
    game.TapKey(VirtualKey::J);
    ASSERT_EQ(GameStates->current, save) << "the save point opens the screen again";
  }
}

// A portal's map change while the screen is up takes its save point away: the save fails and
// touches nothing freed (AddressSanitizer shows it).
TEST_F(SaveFailure, AMapChangeUnderTheScreenTakesItsSavePointAway) {
  world->ClearLevel();
  world->LoadMap("Content\\Maps\\DemoNewGameMap.gmf");
  game.Step();
  game.TapKey(VirtualKey::J);
  EXPECT_EQ(GameStates->current, save);
  EXPECT_TRUE(save->m_saveFailed);
  EXPECT_EQ(ReadWhole(saves / "Player.rff"), oldRecord);
}

TEST_F(SaveFailure, AKillBetweenWriteAndRenameLeavesTheOldRecordToContinueFrom) {
  // A save cut off before its rename leaves its temporary file beside the whole old record.
  std::ofstream(saves / "Player.rff.tmp") << "Content\\Maps\\DemoHubMap.gmf 0 0\n1\n2\n";
  GameStates->SwitchTo(GameStates->menuTitle);
  GameStates->menuTitle->m_page = MenuTitle::PageStory;
  GameStates->menuTitle->m_selection = MenuTitle::ButtonContinue;
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(GameStates->current, world);
  EXPECT_EQ((*player->stats)[4], 7.25f);
  EXPECT_EQ(player->respawnPosition.x, -7.0f);
}

TEST_F(SaveFailure, AMissingSavesFolderIsMade) {
  fs::remove_all(saves);
  game.TapKey(VirtualKey::J);
  EXPECT_EQ(save->m_mode, MenuSave::ModeSaved);
  EXPECT_NE(ReadWhole(saves / "Player.rff").find("\n1\n"), std::string::npos);
}
