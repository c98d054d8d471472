#pragma once

#include "menus/Menu.h"

class Camera;
class Player;
class World;

class MenuPause : public Menu {
 public:
  MenuPause(GameStateSet* set, Camera* camera, World* world);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

  // The player whose pause it is; the world sets it before each opening.
  Player* m_player = nullptr;

 private:
  World* m_world = nullptr;
};
