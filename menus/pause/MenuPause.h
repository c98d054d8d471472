#pragma once

#include "menus/Menu.h"

class Camera;
class World;

class MenuPause : public Menu {
 public:
  MenuPause(GameStateSet* set, Camera* camera, World* world);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

 private:
  World* m_world = nullptr;
};
