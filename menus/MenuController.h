#pragma once

#include "menus/Menu.h"

class Camera;
class Controls;

class MenuController : public Menu {
 public:
  MenuController(GameStateSet* set);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

  // Set by the screen that opens this one: drawn behind it, made current again when it is left,
  // and whose bindings it edits. Not owned.
  GameState* m_backgroundState = nullptr;
  GameState* m_returnState = nullptr;
  Controls* m_editedControls = nullptr;
};
