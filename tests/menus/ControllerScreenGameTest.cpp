#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "MenuFills.h"
#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Quad.h"
#include "menus/Menu.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuTitle.h"
#include "platform/InputMapping.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "support/GameHarness.h"
#include "triggers/ConversationShape.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

namespace {

// Letter keys' virtual codes are their capitals.
constexpr int KeyK = 'K';
constexpr int KeyL = 'L';
constexpr int ActionRow = 1;
constexpr int UpRow = 5;
constexpr int KeyColumn = 1;
constexpr int ButtonColumn = 2;

// The whole game from its title screen, with one pad plugged in.
class ControllerScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    game.Platform().ConnectPad(0, {});
    game.Step();
    world = GameStates->world;
    player = world->GetFirstPlayer();
    title = GameStates->menuTitle;
    screen = GameStates->menuController;
  }

  GameState* Current() const { return GameStates->current; }
  std::array<uint32_t, BindingCount>& Edited() const { return player->controls->bindings; }
  void Tap(int key) { game.TapKey(key); }

  // From the title's main page through Settings and Controller.
  void OpenScreen() {
    ASSERT_EQ(title->m_page, MenuTitle::PageMain);
    Tap(VirtualKey::S);
    Tap(VirtualKey::S);
    Tap(VirtualKey::Enter);
    Tap(VirtualKey::S);
    ASSERT_EQ(title->m_selection, MenuTitle::ButtonController);
    Tap(VirtualKey::Enter);
    ASSERT_EQ(Current(), screen);
    EXPECT_EQ(screen->ConfirmButton().fillColor, HighlightFill);
    EXPECT_EQ(screen->ConfirmButton().altPosition, (platform::Vector3{705.0f, 560.0f, 0.0f}));
    // The grid's cells 110 apart from x 290 and 40 apart from y 160; the labels in the normal
    // fill below an empty corner.
    for (int row : {0, 4, 8}) {
      for (int column : {0, 2}) {
        EXPECT_EQ(screen->Cell(row, column).altPosition,
                  (platform::Vector3{290.0f + 110.0f * column, 160.0f + 40.0f * row, 0.0f}));
      }
    }
    EXPECT_EQ(screen->Cell(0, 0).fillColor, Color4{});
    EXPECT_EQ(screen->Cell(1, 0).fillColor, NormalFill);
  }

  // From Confirm down to the row, then waiting for its new key.
  void StartRebind(int row) {
    for (int step = 0; step < row; ++step) Tap(VirtualKey::S);
    Tap(VirtualKey::Enter);
    ASSERT_EQ(screen->m_mode, MenuController::ModeRebind);
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  MenuTitle* title = nullptr;
  MenuController* screen = nullptr;
};

}  // namespace

// The screen answers the pad even when the controls being edited listen to no pad in play.
TEST_F(ControllerScreen, APadMovesDownAndUpAndConfirmsARowsRebind) {
  player->controls->padEnabled = {0, 0, 0, 0};
  OpenScreen();
  game.TapPad(0, platform::PadButton::DPadDown);
  EXPECT_EQ(screen->m_selection, &screen->Cell(1, 0));
  game.TapPad(0, platform::PadButton::DPadUp);
  EXPECT_EQ(screen->m_selection, &screen->ConfirmButton());
  // The column wraps: up from the buttons to the last row, down from it to the buttons.
  game.TapPad(0, platform::PadButton::DPadUp);
  EXPECT_EQ(screen->m_selection, &screen->Cell(8, 0));
  game.TapPad(0, platform::PadButton::DPadDown);
  EXPECT_EQ(screen->m_selection, &screen->ConfirmButton());
  game.TapPad(0, platform::PadButton::DPadDown);
  game.TapPad(0, platform::PadButton::A);
  EXPECT_EQ(screen->m_mode, MenuController::ModeRebind);
  Tap(VirtualKey::I);
  EXPECT_EQ(screen->m_mode, MenuController::ModeBrowse);

  // The pad that moves the screen is the one the edited controls play with.
  game.TapPad(0, platform::PadButton::DPadUp);
  Tap(VirtualKey::Enter);
  ASSERT_EQ(Current(), title);
  game.Platform().ConnectPad(1, {});
  player->controls->activePad = 1;
  Tap(VirtualKey::S);
  Tap(VirtualKey::Enter);
  ASSERT_EQ(Current(), screen);
  game.TapPad(0, platform::PadButton::DPadDown);
  EXPECT_EQ(screen->m_selection, &screen->ConfirmButton());
  game.TapPad(1, platform::PadButton::DPadDown);
  EXPECT_EQ(screen->m_selection, &screen->Cell(1, 0));
}

TEST_F(ControllerScreen, DefaultAndBackUndoRebindsThatCancelAndPadButtonsLeaveAlone) {
  const std::array<uint32_t, BindingCount> factory = Edited();
  // Controls left listening to a pad alone still leave the screen to the keyboard.
  player->controls->keyboardEnabled = 0;
  player->controls->padEnabled = {1, 0, 0, 0};
  OpenScreen();

  // Cancel keeps the key; a pad button means nothing to a direction row.
  StartRebind(UpRow);
  EXPECT_EQ(screen->Cell(UpRow, KeyColumn).fillColor, (Color4{120, 50, 50, 50})) << "tinted";
  EXPECT_EQ(screen->Cell(UpRow, ButtonColumn).fillColor, DarkCellFill) << "a direction row's pad";
  game.TapPad(0, platform::PadButton::X);
  EXPECT_EQ(screen->m_mode, MenuController::ModeRebind);
  ASSERT_TRUE(game.KeepFrame("controller.png"));
  Tap(VirtualKey::I);
  EXPECT_EQ(screen->m_mode, MenuController::ModeBrowse);
  EXPECT_EQ(Edited(), factory);
  EXPECT_EQ(screen->Cell(UpRow, KeyColumn).fillColor, DarkCellFill);

  // In rebind mode the arrow key is taken, not obeyed; a key and a button together set both.
  Tap(VirtualKey::Enter);
  Tap(VirtualKey::UpArrow);
  EXPECT_EQ(Edited()[BindUp], static_cast<uint32_t>(VirtualKey::UpArrow));
  Tap(VirtualKey::W);
  Tap(VirtualKey::W);
  Tap(VirtualKey::W);
  Tap(VirtualKey::W);
  Tap(VirtualKey::Enter);
  game.PressKey(KeyK);
  game.TapPad(0, platform::PadButton::Y);
  game.ReleaseKey(KeyK);
  EXPECT_EQ(Edited()[BindAction1Key], static_cast<uint32_t>(KeyK));
  EXPECT_EQ(Edited()[BindAction1Button], platform::PadButton::Y);
  EXPECT_EQ(screen->Cell(ActionRow, ButtonColumn).fillColor, DarkCellFill);

  // Default restores the factory table at once and stays; Back undoes whatever came since entering.
  Tap(VirtualKey::W);
  Tap(VirtualKey::A);
  Tap(VirtualKey::A);
  Tap(VirtualKey::Enter);
  EXPECT_EQ(Current(), screen);
  EXPECT_EQ(Edited(), factory);
  EXPECT_EQ(GameControls->bindings, factory);
  StartRebind(ActionRow + 1);
  Tap(KeyL);
  Tap(VirtualKey::W);
  Tap(VirtualKey::W);
  Tap(VirtualKey::D);
  Tap(VirtualKey::D);
  Tap(VirtualKey::Enter);
  EXPECT_EQ(Current(), title);
  EXPECT_EQ(title->m_page, MenuTitle::PageSettings);
  EXPECT_EQ(Edited(), factory);
  EXPECT_EQ(GameControls->bindings, factory);
}

TEST_F(ControllerScreen, AConfirmedActionKeyReadsTheConversationAndAttacksInPlay) {
  OpenScreen();
  StartRebind(ActionRow);
  Tap(KeyK);
  Tap(VirtualKey::W);
  Tap(VirtualKey::Enter);
  ASSERT_EQ(Current(), title);
  EXPECT_EQ(Edited()[BindAction1Key], static_cast<uint32_t>(KeyK));
  EXPECT_EQ(GameControls->bindings, Edited()) << "talking and saving read the game's controls";

  // Back on the main page, a new game opens on its conversation.
  Tap(VirtualKey::Backspace);
  Tap(VirtualKey::Enter);
  Tap(VirtualKey::S);
  Tap(VirtualKey::Enter);
  MenuDialog* dialog = GameStates->menuDialog;
  ASSERT_EQ(Current(), dialog);
  const auto* opening = static_cast<const ConversationShape*>(dialog->conversation);
  const int32_t line = opening->lineIndex;
  Tap(VirtualKey::J);
  EXPECT_EQ(opening->lineIndex, line) << "J no longer reads on";
  for (int read = 0; read < 20 && Current() == dialog; ++read) Tap(KeyK);
  ASSERT_EQ(Current(), world);
  // Away from the opening conversation's region, where the key would talk again.
  ASSERT_EQ(ExecuteCommand("load Content\\Maps\\DemoHubMap.gmf -20 2"), CommandDone);
  game.StepFrames(40);
  ASSERT_EQ(player->CurrentState(), player->StateAt(SlotIdling));
  Tap(VirtualKey::J);
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotIdling));
  Tap(KeyK);
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotGroundAttacking1))
      << player->CurrentState()->GetName();
}

TEST_F(ControllerScreen, OnlyTheFirstPlayersRebindsReachTheGamesOwnControls) {
  const std::array<uint32_t, BindingCount> factory = Edited();
  OpenScreen();
  // Another player's controls, sharing the devices but not the bindings.
  Controls other = *player->controls;
  screen->m_editedControls = &other;
  StartRebind(ActionRow);
  Tap(KeyK);
  EXPECT_EQ(other.bindings[BindAction1Key], static_cast<uint32_t>(KeyK));
  EXPECT_EQ(GameControls->bindings, factory);
  EXPECT_EQ(Edited(), factory);

  screen->m_editedControls = player->controls;
  Tap(VirtualKey::Enter);
  Tap(KeyL);
  EXPECT_EQ(Edited()[BindAction1Key], static_cast<uint32_t>(KeyL));
  EXPECT_EQ(GameControls->bindings, Edited());
}
