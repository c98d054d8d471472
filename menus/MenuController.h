#pragma once

#include "menus/Menu.h"

class Camera;

class MenuController : public Menu {
 public:
  MenuController(GameStateSet* set);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}
};
