#pragma once

#include <vector>

#include "menus/Menu.h"

class Camera;
class Shape;
class World;

class MenuDebug : public Menu {
 public:
  MenuDebug(GameStateSet* set, Camera* camera, std::vector<Shape*>* content, World* world);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

 private:
  World* m_world = nullptr;
  std::vector<Shape*>* m_content = nullptr;
};
