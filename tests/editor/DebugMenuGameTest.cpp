#include <gtest/gtest.h>

#include <cstdint>

#include "editor/MenuDebug.h"
#include "engine/CheckBox.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/TextBox.h"
#include "menus/MenuConsole.h"
#include "support/PlayingWorld.h"

namespace {

// Music volumes of the streaming buffer, in hundredths of a decibel.
constexpr int32_t DimmedVolume = -1200;
constexpr int32_t FullVolume = 0;
// The headless window stands at (200, 200) on the screen.
constexpr int WindowX = 200;
constexpr int WindowY = 200;

class DebugMenuGame : public PlayingWorld {
 protected:
  void SetUp() override {
    ShowFloor();
    MainSoundBank->PlayMusic("Content\\Audio\\Meadow.ogg");
    ASSERT_NE(MainSoundBank->music, nullptr);
    PlayingWorld::SetUp();
    menu = GameStates->menuDebug;
    DebugMode = 1;
  }

  int32_t Volume() const { return MainSoundBank->music->Buffer().Volume(); }

  void MoveMouse(float x, float y, bool left = false) {
    game.Platform().SetMouse(
        {static_cast<int>(x) + WindowX, static_cast<int>(y) + WindowY, left, false, false});
  }
  // Down for one frame, up for the next, over a point of the client area.
  void Click(float x, float y) {
    MoveMouse(x, y, true);
    game.Step();
    MoveMouse(x, y, false);
    game.Step();
  }
  void ClickSwitch(DebugToggle toggle) {
    const platform::Vector3 at = menu->m_switches.Box(toggle).box->altPosition;
    Click(at.x, at.y);
  }

  MenuDebug* menu = nullptr;
};

TEST_F(DebugMenuGame, OpensOverTheDarkenedWorldAndSetsTheSwitches) {
  game.TapKey(VirtualKey::Tab);
  ASSERT_EQ(GameStates->current, menu);
  EXPECT_EQ(Volume(), DimmedVolume);
  MoveMouse(400, 300);
  game.StepFrames(2);
  ASSERT_TRUE(game.KeepFrame("debug-main.png"));
  Click(782, 17);
  ASSERT_EQ(menu->m_mode, MenuDebug::ModeSettings);
  ClickSwitch(ToggleMouseFeed);
  ClickSwitch(ToggleStateInfo);
  ClickSwitch(ToggleCameraInfo);
  ASSERT_TRUE(game.KeepFrame("debug-settings.png"));
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(menu->m_mode, MenuDebug::ModeEdit);
  ASSERT_TRUE(game.KeepFrame("debug-overlay.png"));
  game.TapKey(VirtualKey::Tab);
  EXPECT_EQ(GameStates->current, world);
  EXPECT_EQ(Volume(), FullVolume);
}

}  // namespace
