#include "engine/GameStateSet.h"

#include "engine/BitmapFonts.h"
#include "engine/Texture.h"

GameStateSet::GameStateSet() = default;

GameStateSet::~GameStateSet() { DestroyGameStates(*this); }

void GameStateSet::SwitchTo(GameState* target) {
  // A screen that was never built is no target: the loop always needs a current screen.
  if (!target) return;
  previous = current;
  current = target;
  target->Enter();
}

void GameStateSet::ForgetModifier(const ModifierShape& modifier) {
  for (const std::unique_ptr<GameState>& screen : screens) {
    if (screen) screen->ForgetModifier(modifier);
  }
}

void DestroyGameStates(GameStateSet& set) {
  set.interfaceAtlas.reset();
  set.writtenFontAtlas.reset();
  set.fontWritten.reset();
  set.arcFontAtlas.reset();
  set.fontArc64pt.reset();
  set.fontArc17pt.reset();
  for (std::unique_ptr<GameState>& screen : set.screens) screen.reset();
  set.current = nullptr;
  set.previous = nullptr;
  set.menuTitle = nullptr;
  set.world = nullptr;
  set.menuDebug = nullptr;
  set.menuConsole = nullptr;
  set.menuPause = nullptr;
  set.menuController = nullptr;
  set.menuMultiplayer = nullptr;
  set.menuDialog = nullptr;
  set.menuSave = nullptr;
  set.menuShop = nullptr;
  set.deathScreen = nullptr;
}
