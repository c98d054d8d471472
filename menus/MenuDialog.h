#pragma once

#include "menus/Menu.h"

class Camera;

class MenuDialog : public Menu {
 public:
  MenuDialog(GameStateSet* set, Camera* camera);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}
};
