#pragma once

#include <string>

class ModifierShape;
struct GameStateSet;

// A screen: the playing world as much as each menu. The frame loop calls the held variants
// while the hold timer is above zero.
class GameState {
 public:
  virtual ~GameState() = default;

  virtual void Enter() = 0;
  virtual void HandleInput(float dt) = 0;
  virtual void HandleInputHeld(float dt) = 0;
  virtual void Update(float dt) = 0;
  virtual void UpdateHeld(float dt) = 0;
  virtual void Draw() = 0;
  virtual void DrawDebugOverlay() = 0;
  virtual void DrawHeld() = 0;
  // The modifier leaves the world: a screen that keeps it lets go of it.
  virtual void ForgetModifier(const ModifierShape&) {}

  void SetName(const char* name);
  std::wstring GetName() const { return wideName_; }
  const char* Name() const { return name_; }

  float holdTimer = 0.0f;
  GameStateSet* set = nullptr;

 protected:
  GameState() = default;

 private:
  const char* name_ = nullptr;
  std::wstring wideName_;
};
