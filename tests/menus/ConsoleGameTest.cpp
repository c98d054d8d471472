#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>

#include "engine/EditorAtlas.h"
#include "engine/GameStateSet.h"
#include "engine/KeyboardLayer.h"
#include "engine/TextBox.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuConsole.h"
#include "support/PlayingWorld.h"

namespace {

// The headless window stands at (200, 200) on the screen.
constexpr int WindowX = 200;
constexpr int WindowY = 200;

class ConsoleGame : public PlayingWorld {
 protected:
  MenuConsole* Console() const { return GameStates->menuConsole; }

  // One key per frame; letters and digits are their own virtual codes.
  void Type(const std::string& text) {
    for (char c : text) {
      game.TapKey(c == ' ' ? VirtualKey::Space : std::toupper(static_cast<unsigned char>(c)));
    }
  }

  void MoveMouse(int x, int y) {
    game.Platform().SetMouse({x + WindowX, y + WindowY, false, false, false});
    // The update reads the mouse, the next input step tests it and the update after shows it.
    game.StepFrames(2);
  }
};

}  // namespace

TEST_F(ConsoleGame, TheBackquoteOpensTheConsoleWhichRunsTypedCommandsAndClosesAgain) {
  StartMusic();
  SetSwitch(ToggleEnableConsole, true);
  game.TapKey(VirtualKey::Tilde);
  ASSERT_EQ(GameStates->current, Console());
  EXPECT_EQ(Volume(), DimmedVolume);
  EXPECT_EQ(Console()->InputLine().GetText(), "") << "the opening key types nothing";

  Type("set player position 40 5");
  EXPECT_EQ(Console()->InputLine().GetText(), "set player position 40 5");
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(GameStates->current, Console());
  EXPECT_NEAR(player->body->position.x, 40.0f, 0.01f);
  EXPECT_EQ(Console()->InputLine().GetText(), "");
  game.TapKey(VirtualKey::Enter);
  Type("give stat");
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(Console()->History().size(), 3u);
  EXPECT_EQ(Console()->History()[0], "give stat");
  EXPECT_EQ(Console()->History()[1], "") << "an empty line is recorded too";

  // The cursor turns to the text cursor over the input line only.
  const TextBox& line = Console()->InputLine();
  MoveMouse(static_cast<int>(line.box->altPosition.x), static_cast<int>(line.box->altPosition.y));
  EXPECT_EQ(Console()->Cursor().sourceRect.left, EditorAtlas::Cells[EditorAtlas::CursorText].left);
  MoveMouse(400, 300);
  EXPECT_EQ(Console()->Cursor().sourceRect.left, EditorAtlas::Cells[EditorAtlas::CursorArrow].left);
  Type("play bg stop");
  ASSERT_TRUE(game.KeepFrame("console.png"));
  // A press on the line's left end puts the caret before the text; dragged past its right end,
  // the selection takes the whole line. Let go, the mouse leaves it as it is.
  const auto y = static_cast<int>(line.box->altPosition.y);
  const auto left = static_cast<int>(line.box->altPosition.x - line.box->width / 2) + 1;
  const auto right = static_cast<int>(line.box->altPosition.x + line.box->width / 2) - 1;
  for (const auto& [x, held] : {std::pair{left, false}, std::pair{left, true},
                                std::pair{right, true}, std::pair{right, false}}) {
    game.Platform().SetMouse({x + WindowX, y + WindowY, held, false, false});
    game.StepFrames(2);
  }
  EXPECT_EQ(line.anchor, 0);
  EXPECT_EQ(line.caret, 12);

  game.TapKey(VirtualKey::Tilde);
  EXPECT_EQ(GameStates->current, world);
  EXPECT_EQ(Volume(), FullVolume);

  for (int command = 0; command < 25; ++command) Console()->AddToHistory(std::to_string(command));
  ASSERT_EQ(Console()->History().size(), MenuConsole::HistoryLength);
  EXPECT_EQ(Console()->History().front(), "24");
  EXPECT_EQ(Console()->History().back(), "5");
}

TEST_F(ConsoleGame, EveryScreenButTheConsoleFeedsTheMusicAndEachRunsWithNoMusicOrNoSoundBank) {
  // The track stands still at its start, so a feed after a refill noted in the second half
  // refills that half and notes the first.
  const std::pair<ScreenSlot, bool> feeders[] = {
      {SlotWorld, true},       {SlotDebug, true}, {SlotConsole, false},
      {SlotPause, true},       {SlotTitle, true}, {SlotController, true},
      {SlotMultiplayer, true}, {SlotSave, true},  {SlotShop, true}};
  for (const auto& [slot, feeds] : feeders) {
    GameState& screen = *GameStates->screens[slot];
    SCOPED_TRACE(slot);
    MainSoundBank->StopMusic();
    screen.Update(GameHarness::FrameSeconds);
    SoundBank* bank = std::exchange(MainSoundBank, nullptr);
    screen.Update(GameHarness::FrameSeconds);
    MainSoundBank = bank;
    StartMusic();
    MainSoundBank->music->currentHalf = 1;
    screen.Update(GameHarness::FrameSeconds);
    EXPECT_EQ(MainSoundBank->music->currentHalf, feeds ? 0u : 1u);
  }
}
