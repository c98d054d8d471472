#pragma once

#include "menus/Menu.h"

class Camera;
class ConversationShape;

class MenuDialog : public Menu {
 public:
  MenuDialog(GameStateSet* set, Camera* camera);

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

  // The conversation being shown; whoever opens the screen stores it first.
  ConversationShape* conversation = nullptr;
};
