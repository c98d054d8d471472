#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "MenuFills.h"
#include "engine/BarMeter.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "menus/Menu.h"
#include "menus/MenuMultiplayer.h"
#include "menus/MenuTitle.h"
#include "platform/InputMapping.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

using Lobby = MenuMultiplayer;
constexpr int32_t Keyboard = Lobby::DeviceKeyboard;
constexpr const char* VersusMap = "Content\\Maps\\DemoVersusMap.gmf";

// The whole game from its title screen, with three pads plugged in beside the keyboard.
class LobbyGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    for (int pad = 0; pad < 3; ++pad) game.Platform().ConnectPad(pad, {});
    game.Step();
    world = GameStates->world;
    title = GameStates->menuTitle;
    lobby = GameStates->menuMultiplayer;
  }

  GameState* Current() const { return GameStates->current; }

  // From the title's main page onto Versus, confirmed by pad 0.
  void OpenLobbyOnPad0() {
    ASSERT_EQ(title->m_page, MenuTitle::PageMain);
    game.TapKey(VirtualKey::S);
    game.TapKey(VirtualKey::Enter);
    ASSERT_EQ(title->m_page, MenuTitle::PageMultiplayer);
    ASSERT_EQ(title->m_selection, MenuTitle::ButtonVersus);
    game.TapPad(0, platform::PadButton::A);
    ASSERT_EQ(Current(), lobby);
  }

  std::vector<int32_t> Devices() const {
    std::vector<int32_t> devices;
    for (size_t slot = 0; slot < world->players.size(); ++slot) {
      devices.push_back(lobby->m_slotDevices[slot]);
    }
    return devices;
  }

  // Every player's index is its list position and its picture stands on its own panel, the
  // panels 194 apart from x 109.
  void ExpectPlayersFollowTheirPositions() const {
    for (size_t slot = 0; slot < world->players.size(); ++slot) {
      const Player& player = *world->players[slot];
      const int at = static_cast<int>(slot);
      EXPECT_EQ(player.playerIndex, at);
      EXPECT_EQ(player.sprite->altPosition.x, 109.0f + 194.0f * static_cast<float>(at));
      EXPECT_EQ(lobby->Panel(at).altPosition.x, player.sprite->altPosition.x);
      EXPECT_EQ(lobby->Panel(at).fillColor, HighlightFill);
    }
    for (size_t slot = world->players.size(); slot < Lobby::SlotCount; ++slot) {
      EXPECT_EQ(lobby->Panel(static_cast<int>(slot)).fillColor, DisabledFill);
    }
  }

  GameHarness game;
  World* world = nullptr;
  MenuTitle* title = nullptr;
  Lobby* lobby = nullptr;
};

}  // namespace

TEST_F(LobbyGame, FourPlayersJoinLeaveRejoinThenFightOnTheVersusMap) {
  OpenLobbyOnPad0();
  EXPECT_EQ(Devices(), std::vector<int32_t>{Lobby::PadDevice(0)});
  // The first player's own pad cannot join twice; J is no joining press.
  game.TapPad(0, platform::PadButton::Start);
  game.TapKey(VirtualKey::J);
  EXPECT_EQ(world->players.size(), 1u);

  // Backing out with a second player aboard leaves only the first on the next visit.
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(world->players.size(), 2u);
  game.TapPad(0, platform::PadButton::B);
  ASSERT_EQ(Current(), title);
  EXPECT_EQ(title->m_page, MenuTitle::PageMultiplayer);
  EXPECT_EQ(world->players.size(), 1u);
  // Pad 0 takes over even from another pad a visit through pad 1 would have left active.
  Controls& firstControls = *world->GetFirstPlayer()->controls;
  firstControls.activePad = 1;
  game.TapPad(0, platform::PadButton::A);
  ASSERT_EQ(Current(), lobby);
  EXPECT_EQ(world->players.size(), 1u);
  EXPECT_EQ(firstControls.activePad, 0);
  // Left of Start, the Back button leads to the title as cancel does.
  game.TapPad(0, platform::PadButton::DPadLeft);
  game.TapPad(0, platform::PadButton::A);
  ASSERT_EQ(Current(), title);
  game.TapPad(0, platform::PadButton::A);
  ASSERT_EQ(Current(), lobby);

  game.TapKey(VirtualKey::Enter);
  game.TapPad(1, platform::PadButton::Start);
  game.TapPad(2, platform::PadButton::Start);
  ASSERT_EQ(world->players.size(), 4u);
  EXPECT_EQ(Devices(), (std::vector<int32_t>{Lobby::PadDevice(0), Keyboard, Lobby::PadDevice(1),
                                             Lobby::PadDevice(2)}));
  ExpectPlayersFollowTheirPositions();

  // The keyboard player leaves; the pads behind it move down and the keyboard joins again last.
  Player* padOnePlayer = world->players[2];
  ASSERT_EQ(GameControls->keyboardEnabled, 1);
  game.TapKey(VirtualKey::Backspace);
  ASSERT_EQ(world->players.size(), 3u);
  EXPECT_EQ(GameControls->keyboardEnabled, 0) << "the device that left is disabled";
  EXPECT_EQ(world->players[1], padOnePlayer);
  ExpectPlayersFollowTheirPositions();
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(world->players.size(), 4u);
  EXPECT_EQ(Devices(), (std::vector<int32_t>{Lobby::PadDevice(0), Lobby::PadDevice(1),
                                             Lobby::PadDevice(2), Keyboard}));
  ExpectPlayersFollowTheirPositions();
  ASSERT_TRUE(game.KeepFrame("lobby.png"));

  // Settings does nothing; Start loads the versus map with everyone at its spawn point.
  game.TapPad(0, platform::PadButton::DPadRight);
  game.Step();
  EXPECT_EQ(lobby->SettingsButton().fillColor, HighlightFill);
  game.TapPad(0, platform::PadButton::A);
  EXPECT_EQ(Current(), lobby);
  game.TapPad(0, platform::PadButton::DPadLeft);
  game.Step();
  EXPECT_EQ(lobby->SettingsButton().fillColor, DisabledFill);
  game.TapPad(0, platform::PadButton::A);
  ASSERT_EQ(Current(), world);
  EXPECT_EQ(world->GetMapName(), VersusMap);
  ASSERT_EQ(world->players.size(), 4u);
  const platform::Vector3 spawn = world->spawnPoint;
  std::array<bool, 4> corners{};
  for (Player* player : world->players) {
    EXPECT_NEAR(player->body->position.x, spawn.x, 0.01f);
    const platform::Vector3 hud = player->hudFirstSprite->altPosition;
    const int right = hud.x > ScreenWidth / 2 ? 1 : 0;
    const int bottom = hud.y > ScreenHeight / 2 ? 2 : 0;
    corners[static_cast<size_t>(right + bottom)] = true;
  }
  EXPECT_EQ(corners, (std::array<bool, 4>{true, true, true, true}));
  game.StepFrames(60);
  ASSERT_TRUE(game.KeepFrame("versus.png"));

  // Pad 1's player strikes the weakened first player down; the versus map respawns it.
  Player* first = world->GetFirstPlayer();
  first->healthMeter->value = 1.0f;
  for (int swing = 0; swing < 10 && first->healthMeter->value > 0.0f; ++swing) {
    game.TapPad(1, platform::PadButton::X);
    game.StepFrames(10);
  }
  EXPECT_EQ(first->CurrentState(), first->StateAt(SlotRespawning))
      << first->CurrentState()->GetName();
  game.StepFrames(300);
  EXPECT_EQ(first->healthMeter->value, first->healthMeter->maximum);
  EXPECT_NE(first->CurrentState(), first->StateAt(SlotRespawning));
  EXPECT_EQ(Current(), world);
}
