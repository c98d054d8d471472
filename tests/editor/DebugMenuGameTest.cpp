#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "editor/MenuDebug.h"
#include "engine/CheckBox.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/TextBox.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuConsole.h"
#include "player/PlayerStateSlots.h"
#include "platform/Image.h"
#include "platform/Renderer.h"
#include "support/DebugMenuSession.h"
#include "support/DrawnTexts.h"
#include "support/PixelColors.h"

namespace {

namespace Layout = EditorLayout;

constexpr float SettingsIconX = Layout::ToolbarIconX[2];
// The longest step the frame loop gives an update.
constexpr float MaxStep = 0.02f;

struct Area {
  int left, top, right, bottom;
};

bool Yellowish(uint32_t pixel) {
  const uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return r > 180 && g > 180 && b < 90;
}

uint32_t Brightness(uint32_t pixel) {
  return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
}

// The debug menu over the game, with its settings page at hand.
class DebugMenuSettings : public DebugMenuSession {
 protected:
  void ClickSwitch(DebugToggle toggle) { Click(*menu->Switches().Box(toggle).box); }
  bool On(DebugToggle toggle) const { return menu->Switches().IsOn(toggle); }

  void OpenSettings() {
    Click(SettingsIconX, Layout::TopBar.bottom / 2);
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeSettings);
  }

  int CountYellow(const Area& area) const {
    return pixel::CountIn(Device->ReadFrame(), {area.left, area.top, area.right, area.bottom},
                          Yellowish);
  }
};

TEST_F(DebugMenuSettings, TabOpensTheEditorOverTheDarkenedWorldAndReturnsToPlayAtFullVolume) {
  const uint32_t floor = game.Pixel(400, 455);
  const uint32_t topRow = game.Pixel(500, 0);
  MoveMouse(400, 300);
  OpenMenu();
  EXPECT_EQ(Volume(), DimmedVolume);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  game.StepFrames(2);
  const uint32_t dimmed = game.Pixel(400, 455);
  EXPECT_LT(Brightness(dimmed), Brightness(floor)) << "the world shows darkened";
  EXPECT_GT(Brightness(dimmed), Brightness(floor) / 2);
  EXPECT_NE(game.Pixel(500, 0), topRow) << "the darkening reaches the window's top edge";
  ASSERT_TRUE(game.KeepFrame("debug-main.png"));
  // Frozen: the world's own clock of play stands still while the menu is open.
  const float playTime = player->totalStats[Stat::StatTotalPlayTime];
  game.StepFrames(10);
  EXPECT_EQ(player->totalStats[Stat::StatTotalPlayTime], playTime);

  Leave();
  EXPECT_EQ(Volume(), FullVolume);
  game.StepFrames(10);
  EXPECT_GT(player->totalStats[Stat::StatTotalPlayTime], playTime);
  DebugMode = 0;
  game.TapKey(VirtualKey::Tab);
  EXPECT_EQ(GameStates->current, world) << "no way in without debug mode";
}

// Centres and sizes on the 800 by 600 screen, from the panels' and title bar's edges.
TEST_F(DebugMenuSettings, TheSettingsAndItemListWidgetsStandWhereTheirEdgesPutThem) {
  struct Row {
    const char* widget;
    const Quad& quad;
    float x, y, width, height;
  };
  const Row rows[] = {
      {"swatch", menu->Settings().Button("Background Color"), 60, 87, 16, 16},
      {"time field", *menu->Settings().Field("Update Factor:").box, 135, 447, 40, 19},
      {"Set Map Music", menu->Settings().Button("Set Map Music"), 103, 497, 100, 20},
      {"OK", menu->Settings().Button("OK"), 735, 575, 100, 20},
      {"Cancel", menu->Settings().Button("Cancel"), 630, 575, 100, 20},
      {"Save List", menu->Items().ListWidgets().Button("Save List"), 111.5f, 27, 60, 26},
      {"Change", menu->Items().ListWidgets().Button("Change"), 735, 575, 100, 20},
      {"Delete", menu->Items().ListWidgets().Button("Delete"), 630, 575, 100, 20},
      {"New Item", menu->Items().ListWidgets().Button("New Item"), 525, 575, 100, 20},
      {"list Cancel", menu->Items().ListWidgets().Button("Cancel"), 420, 575, 100, 20},
      {"Save", menu->Items().EditWidgets().Button("Save"), 735, 575, 100, 21},
      {"edit Cancel", menu->Items().EditWidgets().Button("Cancel"), 630, 575, 100, 21},
      {"name field", *menu->Items().EditWidgets().Field("Name").box, 143.5f, 27, 255, 19},
      {"description field", *menu->Items().EditWidgets().Field("Description").box, 421.5f, 62, 700,
       19},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.quad.altPosition.x, row.x) << row.widget;
    EXPECT_EQ(row.quad.altPosition.y, row.y) << row.widget;
    EXPECT_EQ(row.quad.width, row.width) << row.widget;
    EXPECT_EQ(row.quad.height, row.height) << row.widget;
  }
}

TEST_F(DebugMenuSettings, AVisitKeepsTheBackgroundColourTheLoadedMapBrought) {
  world->LoadMap("Content\\Maps\\DemoHubMap.gmf");
  player->body->SetPosition(world->spawnPoint);
  game.StepFrames(40);
  const Color4 mapColor = ClearColor;
  MoveMouse(420, 260);
  OpenMenu();
  game.Step();
  ASSERT_TRUE(game.KeepFrame("debug-hub.png"));
  Leave();
  EXPECT_EQ(ClearColor, mapColor);
}

TEST_F(DebugMenuSettings, TheSettingsPageCommitsAndUndoesTheSwitchesAsItsKeysAndButtonsSay) {
  OpenMenu();
  OpenSettings();
  ClickSwitch(ToggleMouseFeed);
  ClickSwitch(ToggleEnableConsole);
  ASSERT_TRUE(On(ToggleMouseFeed));
  // Tab leaves at once: the first four switches fall back, the others keep the click.
  Leave();
  EXPECT_FALSE(On(ToggleMouseFeed));
  EXPECT_TRUE(On(ToggleEnableConsole));
  EXPECT_EQ(Volume(), FullVolume);

  // Enter commits the first four.
  OpenMenu();
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit) << "every entry starts on the main page";
  OpenSettings();
  ClickSwitch(ToggleMouseFeed);
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  Leave();
  EXPECT_TRUE(On(ToggleMouseFeed));

  // Cancel undoes every switch; the load lines follow their switch at once and back.
  OpenMenu();
  OpenSettings();
  ClickSwitch(ToggleObjectData);
  ClickSwitch(ToggleGameStateLoadInfo);
  EXPECT_EQ(ShowLoadInfo, 1);
  ClickSwitch(ToggleEnableConsole);
  Click(menu->Settings().Button("Cancel"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_FALSE(On(ToggleObjectData));
  EXPECT_EQ(ShowLoadInfo, 0);
  EXPECT_TRUE(On(ToggleEnableConsole));
  EXPECT_TRUE(On(ToggleMouseFeed));

  // OK commits all ten.
  OpenSettings();
  ClickSwitch(ToggleVisibleCollision);
  ClickSwitch(ToggleMouseFeed);
  ASSERT_TRUE(game.KeepFrame("debug-settings.png"));
  Click(menu->Settings().Button("OK"));
  Leave();
  EXPECT_TRUE(On(ToggleVisibleCollision));
  EXPECT_FALSE(On(ToggleMouseFeed));
}

// Leaving without committing puts back the mouse feed, state info, object data and visible
// collision switches; the six after them keep what was clicked. Escape cancels the page first.
TEST_F(DebugMenuSettings, TabPutsBackTheFirstFourUncommittedSwitchesAndEscapeEveryOne) {
  for (int i = 0; i < DebugToggleCount; ++i) {
    const auto toggle = static_cast<DebugToggle>(i);
    OpenMenu();
    OpenSettings();
    ClickSwitch(toggle);
    Leave(VirtualKey::Esc);
    EXPECT_FALSE(On(toggle) || ShowLoadInfo) << i;
    OpenMenu();
    OpenSettings();
    ClickSwitch(toggle);
    Leave();
    EXPECT_EQ(On(toggle), i >= 4) << i;
    if (!On(toggle)) continue;
    OpenMenu();
    OpenSettings();
    ClickSwitch(toggle);
    Leave();
    ASSERT_FALSE(On(toggle)) << i;
  }
}

TEST_F(DebugMenuSettings, EachBoxFlipsOnlyItsOwnSwitchAndOnlyTheLoadBoxShowsTheLoadLines) {
  OpenMenu();
  OpenSettings();
  for (int clicked = 0; clicked < DebugToggleCount; ++clicked) {
    std::array<bool, DebugToggleCount> before{};
    for (int i = 0; i < DebugToggleCount; ++i) before[i] = On(static_cast<DebugToggle>(i));
    ClickSwitch(static_cast<DebugToggle>(clicked));
    for (int i = 0; i < DebugToggleCount; ++i) {
      EXPECT_EQ(On(static_cast<DebugToggle>(i)), before[i] != (i == clicked))
          << "box " << clicked << ", switch " << i;
    }
    EXPECT_EQ(ShowLoadInfo, clicked == ToggleGameStateLoadInfo ? 1 : 0) << clicked;
    ClickSwitch(static_cast<DebugToggle>(clicked));
  }
}

TEST_F(DebugMenuSettings, TheTimeFactorIsTypedAndTakesEffectOnlyWhenConfirmed) {
  OpenMenu();
  OpenSettings();
  const TextBox& field = menu->Settings().Field("Update Factor:");
  EXPECT_EQ(field.text, "1");
  // A press at the field's right end opens it with the caret after the text.
  Click(field.box->altPosition.x + field.box->width / 2 - 2, field.box->altPosition.y);
  ASSERT_EQ(menu->Field().Current(), &field);
  EXPECT_EQ(field.caret, 1);
  MoveMouse(field.box->altPosition.x - field.box->width / 2 + 2, field.box->altPosition.y);
  game.Step();
  EXPECT_EQ(field.caret, 1) << "a mouse moved with the button up leaves the caret";
  MoveMouse(field.box->altPosition.x + field.box->width / 2 - 2, field.box->altPosition.y);
  game.Step();
  Type({VirtualKey::Backspace, VirtualKey::Digit0, VirtualKey::Period, VirtualKey::Digit0 + 5});
  EXPECT_EQ(field.text, "0.5");
  // Seven characters at most: of five more digits the last is refused.
  Type({VirtualKey::Digit0, VirtualKey::Digit0, VirtualKey::Digit0, VirtualKey::Digit0,
        VirtualKey::Digit0 + 1});
  EXPECT_EQ(field.text, "0.50000");
  Type({VirtualKey::Backspace, VirtualKey::Backspace, VirtualKey::Backspace, VirtualKey::Backspace});
  EXPECT_EQ(field.text, "0.5");
  EXPECT_EQ(TimeScale, 1.0f) << "typing alone changes nothing";
  ASSERT_TRUE(game.KeepFrame("debug-settings-typing.png"));
  Click(menu->Settings().Button("OK"));
  EXPECT_EQ(menu->Field().Current(), nullptr) << "a press off the field closes it";
  EXPECT_EQ(TimeScale, 0.5f);
  game.Step(0.01f);
  EXPECT_FLOAT_EQ(GameTimeStep, 0.005f);

  // Cancel keeps the old factor; the page shows it again when it opens.
  OpenSettings();
  EXPECT_EQ(field.text, "0.5");
  Click(field.box->altPosition.x, field.box->altPosition.y);
  Type({VirtualKey::Digit0 + 9});
  Click(menu->Settings().Button("Cancel"));
  EXPECT_EQ(TimeScale, 0.5f);

  // A negative factor stops time instead of running it backwards.
  OpenSettings();
  Click(field.box->altPosition.x, field.box->altPosition.y);
  Type({VirtualKey::Minus});
  EXPECT_EQ(field.text, "-0.5");
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(TimeScale, 0.0f);
  EXPECT_EQ(menu->Field().Current(), nullptr) << "leaving the page closes the field";
}

TEST_F(DebugMenuSettings, GodModeAndTheConsoleSwitchTakeEffectInPlay) {
  game.PressKey(VirtualKey::LeftShift);
  game.Step();
  EXPECT_NE(player->CurrentState(), player->StateAt(SlotGodModing));
  game.ReleaseKey(VirtualKey::LeftShift);
  game.TapKey(VirtualKey::Tilde);
  EXPECT_EQ(GameStates->current, world);

  OpenMenu();
  OpenSettings();
  ClickSwitch(ToggleEnableGodMode);
  ClickSwitch(ToggleEnableConsole);
  Click(menu->Settings().Button("OK"));
  Leave();
  game.StepFrames(40);
  game.PressKey(VirtualKey::LeftShift);
  game.Step();
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotGodModing));
  game.ReleaseKey(VirtualKey::LeftShift);
  game.TapKey(VirtualKey::Tilde);
  EXPECT_EQ(GameStates->current, GameStates->menuConsole);
}

TEST_F(DebugMenuSettings, TheOverlayShowsEachGroupItsSwitchTurnsOn) {
  const Area mouseFeed{600, 69, 796, 210};
  const Area stateInfo{44, 430, 250, 470};
  const Area cameraInfo{520, 440, 790, 470};
  MoveMouse(300, 250);
  OpenMenu();
  game.Step();
  EXPECT_EQ(CountYellow(mouseFeed), 0);
  EXPECT_EQ(CountYellow(stateInfo), 0);
  EXPECT_EQ(CountYellow(cameraInfo), 0);
  OpenSettings();
  ClickSwitch(ToggleMouseFeed);
  ClickSwitch(ToggleStateInfo);
  ClickSwitch(ToggleCameraInfo);
  game.TapKey(VirtualKey::Enter);
  MoveMouse(300, 250);
  DrawnTexts drawn;
  game.Step();
  ASSERT_TRUE(game.KeepFrame("debug-overlay.png"));
  for (const char* button : {"Left", "Right", "Middle", "X1", "X2"}) {
    EXPECT_TRUE(drawn.Holds(std::string(button) + " mouse button: 0")) << "none held: " << button;
  }
  EXPECT_GT(CountYellow(mouseFeed), 1000);
  EXPECT_GT(CountYellow(stateInfo), 300);
  EXPECT_GT(CountYellow(cameraInfo), 300);
  EXPECT_EQ(CountYellow({600, 215, 796, 260}), 0) << "fourteen input lines and no more";
  // While the settings page is open the timing lines stand above its bottom left corner.
  OpenSettings();
  EXPECT_GT(CountYellow({20, 548, 200, 590}), 300);
  ASSERT_TRUE(game.KeepFrame("debug-overlay-settings.png"));
  // Each overlay answers to its own switch alone.
  ClickSwitch(ToggleCameraInfo);
  game.TapKey(VirtualKey::Enter);
  MoveMouse(300, 250);
  game.Step();
  EXPECT_GT(CountYellow(mouseFeed), 1000);
  EXPECT_EQ(CountYellow(cameraInfo), 0);
}

TEST_F(DebugMenuSettings, TheAutosaveWritesTheMapEveryTwoMinutesOfGameTimeOnTheEditor) {
  // Most of the two minutes go through the editor's own update, which is what the frame loop
  // calls; drawing 6000 frames would only make the test slow.
  const auto spend = [this](float seconds) {
    for (float spent = 0.0f; spent < seconds; spent += MaxStep) menu->Update(MaxStep);
  };
  const std::filesystem::path saved = game.Folder() / "Content" / "Maps" / "[TEMP].gmf";
  OpenMenu();
  // Leaving before the two minutes and coming back starts the count again.
  spend(119.0f);
  Leave();
  OpenMenu();
  spend(119.5f);
  EXPECT_FALSE(std::filesystem::exists(saved));
  game.StepFrames(50, MaxStep);
  ASSERT_TRUE(std::filesystem::exists(saved));
  EXPECT_TRUE(menu->Main().StatusLine().empty());
  std::ifstream file(saved);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("*Boundaries \nq "), std::string::npos) << "the floor is in the map";

  // A map that cannot be written leaves the old file and says so on the top bar.
  std::filesystem::remove(saved);
  std::filesystem::create_directory(saved);
  spend(120.0f);
  EXPECT_EQ(menu->Main().StatusLine(), L"Autosave failed: Content\\Maps\\[TEMP].gmf");
  EXPECT_TRUE(std::filesystem::is_directory(saved));
  MoveMouse(400, 300);
  game.Step();
  ASSERT_TRUE(game.KeepFrame("debug-autosave-failed.png"));
}

}  // namespace
