#pragma once

#include "menus/Menu.h"

class Camera;
class SaveShape;

class MenuSave : public Menu {
 public:
  MenuSave(GameStateSet* set, Camera* camera);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

  // The save point that opened the screen; it stores itself right after the switch.
  SaveShape* savePoint = nullptr;
};
