#pragma once

#include "menus/Menu.h"

class World;

class MenuTitle : public Menu {
 public:
  MenuTitle(GameStateSet* set, World* world);

  // Every input device is on while the title menu is shown.
  void Enter() override;
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

 private:
  World* m_world = nullptr;
};
