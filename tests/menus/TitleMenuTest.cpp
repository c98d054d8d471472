#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MenuFills.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Quad.h"
#include "menus/MenuTitle.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

using Button = MenuTitle::Button;

struct Route {
  // Keys pressed one after another from the main page: S down, W up, A left, D right,
  // E confirm, B cancel.
  std::string keys;
  MenuTitle::Page page;
  Button selection;
};

int KeyOf(char key) {
  switch (key) {
    case 'S':
      return VirtualKey::S;
    case 'W':
      return VirtualKey::W;
    case 'A':
      return VirtualKey::A;
    case 'D':
      return VirtualKey::D;
    case 'E':
      return VirtualKey::Enter;
    default:
      return VirtualKey::Backspace;
  }
}

class TitleMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    title = GameStates->menuTitle;
  }

  Color4 ColorOf(Button button) const { return title->ButtonAt(button).fillColor; }

  // The title entered afresh from play, then the route's keys tapped one a frame.
  void Follow(const Route& route) {
    GameStates->SwitchTo(GameStates->world);
    GameStates->SwitchTo(title);
    for (char key : route.keys) game.TapKey(KeyOf(key));
  }

  GameHarness game;
  MenuTitle* title = nullptr;
};

}  // namespace

TEST_F(TitleMenu, PagesWrapAndReturnToTheMainPage) {
  const std::vector<Route> routes = {
      {"", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"S", MenuTitle::PageMain, MenuTitle::ButtonMultiplayer},
      {"SSSS", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"W", MenuTitle::PageMain, MenuTitle::ButtonQuit},
      {"B", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"E", MenuTitle::PageStory, MenuTitle::ButtonContinue},
      {"EW", MenuTitle::PageStory, MenuTitle::ButtonBack},
      {"ESSSS", MenuTitle::PageStory, MenuTitle::ButtonContinue},
      {"ESSE", MenuTitle::PageStory, MenuTitle::ButtonNewGamePlus},
      {"EE", MenuTitle::PageStory, MenuTitle::ButtonContinue},
      {"ESB", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"EWE", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"SE", MenuTitle::PageMultiplayer, MenuTitle::ButtonVersus},
      {"SEW", MenuTitle::PageMultiplayer, MenuTitle::ButtonBack},
      {"SESSS", MenuTitle::PageMultiplayer, MenuTitle::ButtonVersus},
      {"SESE", MenuTitle::PageMultiplayer, MenuTitle::ButtonCoop},
      {"SEB", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"SSE", MenuTitle::PageSettings, MenuTitle::ButtonWindowed},
      {"SSEE", MenuTitle::PageSettings, MenuTitle::ButtonWindowed},
      {"SSEA", MenuTitle::PageSettings, MenuTitle::ButtonFullScreen},
      {"SSEAD", MenuTitle::PageSettings, MenuTitle::ButtonWindowed},
      {"SSEAE", MenuTitle::PageSettings, MenuTitle::ButtonFullScreen},
      {"SSEAS", MenuTitle::PageSettings, MenuTitle::ButtonController},
      {"SSESS", MenuTitle::PageSettings, MenuTitle::ButtonBack},
      {"SSESSS", MenuTitle::PageSettings, MenuTitle::ButtonWindowed},
      {"SSESSD", MenuTitle::PageSettings, MenuTitle::ButtonBack},
      {"SSEW", MenuTitle::PageSettings, MenuTitle::ButtonBack},
      {"SSEWW", MenuTitle::PageSettings, MenuTitle::ButtonController},
      {"SSESW", MenuTitle::PageSettings, MenuTitle::ButtonWindowed},
      {"SSESSE", MenuTitle::PageMain, MenuTitle::ButtonStory},
      {"SSEB", MenuTitle::PageMain, MenuTitle::ButtonStory},
  };
  for (const Route& route : routes) {
    SCOPED_TRACE("keys " + route.keys);
    Follow(route);
    EXPECT_EQ(GameStates->current, title);
    EXPECT_EQ(title->m_page, route.page);
    EXPECT_EQ(title->m_selection, route.selection);
    EXPECT_EQ(ColorOf(route.selection), HighlightFill);
  }
}

// A list takes one move or one confirm a frame: down and confirm together only move.
TEST_F(TitleMenu, DownAndConfirmInOneFrameMoveWithoutConfirming) {
  const std::vector<Route> routes = {
      {"", MenuTitle::PageMain, MenuTitle::ButtonMultiplayer},
      {"E", MenuTitle::PageStory, MenuTitle::ButtonNewGame},
      {"SES", MenuTitle::PageMultiplayer, MenuTitle::ButtonBack},
  };
  for (const Route& route : routes) {
    SCOPED_TRACE("keys " + route.keys);
    Follow(route);
    game.PressKey(VirtualKey::S);
    game.PressKey(VirtualKey::Enter);
    game.Step();
    game.ReleaseKey(VirtualKey::S);
    game.ReleaseKey(VirtualKey::Enter);
    game.Step();
    EXPECT_EQ(GameStates->current, title);
    EXPECT_EQ(title->m_page, route.page);
    EXPECT_EQ(title->m_selection, route.selection);
  }
}

TEST_F(TitleMenu, GreyButtonsTakeTheHighlightOnlyWhileSelected) {
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(title->m_page, MenuTitle::PageStory);
  ASSERT_TRUE(game.KeepFrame("title-story.png"));
  // Without a player record Continue is grey and does nothing.
  EXPECT_EQ(ColorOf(MenuTitle::ButtonNewGamePlus), DisabledFill);
  EXPECT_EQ(ColorOf(MenuTitle::ButtonNewGame), NormalFill);
  game.TapKey(VirtualKey::S);
  EXPECT_EQ(ColorOf(MenuTitle::ButtonContinue), DisabledFill);
  game.TapKey(VirtualKey::W);
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(GameStates->current, title);

  // A record written while the page shows turns Continue normal at the next move.
  std::ofstream(game.Folder() / "Content" / "Saves" / "Player.rff") << "\n";
  game.TapKey(VirtualKey::S);
  EXPECT_EQ(ColorOf(MenuTitle::ButtonContinue), NormalFill);
}

TEST_F(TitleMenu, QuitStopsTheProgram) {
  game.TapKey(VirtualKey::W);
  ASSERT_EQ(title->m_selection, MenuTitle::ButtonQuit);
  game.PressKey(VirtualKey::Enter);
  game.Step();
  EXPECT_EQ(Running, 0);
}

TEST_F(TitleMenu, ANewGameMapWithoutAnOpeningConversationGoesStraightToPlay) {
  // The default map stands in for a new-game map that cannot be read: it has no modifier.
  std::filesystem::remove(game.Folder() / "Content" / "Maps" / "DemoNewGameMap.gmf");
  game.TapKey(VirtualKey::Enter);
  game.TapKey(VirtualKey::S);
  game.TapKey(VirtualKey::Enter);
  World* world = GameStates->world;
  EXPECT_EQ(GameStates->current, world);
  EXPECT_TRUE(world->modifiers.empty());
  EXPECT_EQ(world->GetFirstPlayer()->CurrentState(), world->GetFirstPlayer()->StateAt(SlotIdling));
}
