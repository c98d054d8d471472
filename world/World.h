#pragma once

#include <memory>
#include <vector>

#include "engine/GameState.h"

class Camera;
class Shape;

// The playing state: the level and everything in it.
class World : public GameState {
 public:
  World(GameStateSet* set, Camera* camera);

  void Enter() override {}
  void HandleInput(float) override {}
  void HandleInputHeld(float) override {}
  void Update(float) override {}
  void UpdateHeld(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}
  void DrawHeld() override {}

  // The content list handed to the debug menu.
  std::unique_ptr<std::vector<Shape*>> content;
};
