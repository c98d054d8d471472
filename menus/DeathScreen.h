#pragma once

#include "engine/GameState.h"

// Shown while a dead player waits to respawn: the world keeps running beneath a white fade,
// then the player's map is read again and every player comes back whole at its respawn point.
class DeathScreen : public GameState {
 public:
  static constexpr float Duration = 2.0f;

  explicit DeathScreen(GameStateSet* set);

  void Enter() override;
  void HandleInput(float) override {}
  void HandleInputHeld(float) override {}
  // Once the time is up: the level reloaded, the players restored, back to play.
  void Update(float dt) override;
  void UpdateHeld(float dt) override;
  void Draw() override;
  void DrawDebugOverlay() override;
  void DrawHeld() override {}

  float timer = 0.0f;
  float duration = Duration;

 private:
  void Respawn();
};
