#pragma once

#include "engine/GameState.h"

// Shown while a dead player waits to respawn: the world keeps running beneath a white fade.
class DeathScreen : public GameState {
 public:
  static constexpr float Duration = 2.0f;

  explicit DeathScreen(GameStateSet* set);

  void Enter() override;
  void HandleInput(float) override {}
  void HandleInputHeld(float) override {}
  void Update(float dt) override;
  void UpdateHeld(float dt) override;
  void Draw() override;
  void DrawDebugOverlay() override {}
  void DrawHeld() override {}

  float timer = 0.0f;
  float duration = Duration;
};
