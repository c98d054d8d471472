#pragma once

#include "menus/Menu.h"

class Camera;
class World;

class MenuMultiplayer : public Menu {
 public:
  MenuMultiplayer(GameStateSet* set, World* world);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

 private:
  World* m_world = nullptr;
};
