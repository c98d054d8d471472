#pragma once

#include "menus/Menu.h"

class Camera;

class MenuConsole : public Menu {
 public:
  MenuConsole(GameStateSet* set);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}
};
