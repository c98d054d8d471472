#pragma once

#include <cctype>
#include <initializer_list>
#include <string>

#include "editor/ColorDialogPage.h"
#include "editor/FileListPage.h"
#include "editor/ItemEditorPage.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/SaveDialogPage.h"
#include "editor/SettingsPage.h"
#include "editor/TextureDialogPage.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Shape.h"
#include "support/PlayingWorld.h"

// The game playing on a drawn floor with music and debug mode on, driven by the mouse and the
// keys through the debug menu.
class DebugMenuSession : public PlayingWorld {
 protected:
  // The headless window stands at (200, 200) on the screen.
  static constexpr int WindowX = 200;
  static constexpr int WindowY = 200;

  void SetUp() override {
    ShowFloor();
    StartMusic();
    PlayingWorld::SetUp();
    menu = GameStates->menuDebug;
    DebugMode = 1;
  }

  // The mouse over a point of the client area, its left button down or up.
  void MoveMouse(float x, float y, bool left = false) { SetMouse(x, y, left, false, false); }
  void SetMouse(float x, float y, bool left, bool right, bool middle) {
    game.Platform().SetMouse({static_cast<int>(x) + WindowX, static_cast<int>(y) + WindowY, left,
                              right, middle});
  }
  // Down for one frame, up for the next, over a point of the client area.
  void Click(float x, float y) {
    MoveMouse(x, y, true);
    game.Step();
    MoveMouse(x, y, false);
    game.Step();
  }
  void Click(const Shape& shape) { Click(shape.altPosition.x, shape.altPosition.y); }

  void OpenMenu() {
    game.TapKey(VirtualKey::Tab);
    ASSERT_EQ(GameStates->current, menu);
  }
  void Leave(int key = VirtualKey::Tab) {
    game.TapKey(key);
    ASSERT_EQ(GameStates->current, world);
  }
  void Type(std::initializer_list<int> keys) {
    for (int key : keys) game.TapKey(key);
  }
  // Letters, digits, blanks and points, capitals with the shift key.
  void TypeText(const std::string& text) {
    for (char c : text) {
      const bool capital = std::isupper(static_cast<unsigned char>(c)) != 0;
      if (capital) game.PressKey(VirtualKey::LeftShift);
      if (c == ' ') {
        game.TapKey(VirtualKey::Space);
      } else if (c == '.') {
        game.TapKey(VirtualKey::Period);
      } else {
        game.TapKey(std::toupper(static_cast<unsigned char>(c)));
      }
      if (capital) game.ReleaseKey(VirtualKey::LeftShift);
    }
  }

  MenuDebug* menu = nullptr;
};
