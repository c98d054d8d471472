#pragma once

#include <string>

#include "engine/GameState.h"

// A screen with a title. Menus leave the held variants empty and share one debug overlay.
class Menu : public GameState {
 public:
  void SetTitle(const char* title);
  std::wstring GetTitle() const { return wideTitle_; }

  void HandleInputHeld(float) override {}
  void UpdateHeld(float) override {}
  void DrawHeld() override {}
  // Three lines of diagnostics at the bottom left: the current screen, the run time, the
  // frame rate.
  void DrawDebugOverlay() override;

 protected:
  // Name and title are the same text on every menu.
  Menu(GameStateSet* set, const char* name);

 private:
  const char* title_ = nullptr;
  std::wstring wideTitle_;
};
