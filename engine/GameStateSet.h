#pragma once

#include <array>
#include <memory>

#include "engine/GameState.h"

class Texture;
class FontWritten;
class FontArc64pt;
class FontArc17pt;
class World;
class MenuDebug;
class MenuConsole;
class MenuPause;
class MenuTitle;
class MenuController;
class MenuMultiplayer;
class MenuDialog;
class MenuSave;
class MenuShop;
class DeathScreen;

constexpr int GameStateCount = 11;

// The places of the screens in the set's array. Play reaches a screen it only switches to
// through here, without knowing the screen's class.
enum ScreenSlot : int {
  SlotWorld = 0,
  SlotDebug,
  SlotConsole,
  SlotPause,
  SlotTitle,
  SlotController,
  SlotMultiplayer,
  SlotDialog,
  SlotSave,
  SlotShop,
  SlotDeath,
};

// One instance of every screen for the whole run, the current and the previous screen.
struct GameStateSet {
  GameStateSet();
  ~GameStateSet();

  // The set's screens in the order World, MenuDebug, MenuConsole, MenuPause, MenuTitle,
  // MenuController, MenuMultiplayer, MenuDialog, MenuSave, MenuShop, DeathScreen.
  std::array<std::unique_ptr<GameState>, GameStateCount> screens;
  GameState* current = nullptr;
  GameState* previous = nullptr;
  // The atlas of the menus and the interface.
  std::unique_ptr<Texture> interfaceAtlas;

  MenuTitle* menuTitle = nullptr;
  World* world = nullptr;
  MenuDebug* menuDebug = nullptr;
  MenuConsole* menuConsole = nullptr;
  MenuPause* menuPause = nullptr;
  MenuController* menuController = nullptr;
  MenuMultiplayer* menuMultiplayer = nullptr;
  MenuDialog* menuDialog = nullptr;
  MenuSave* menuSave = nullptr;
  MenuShop* menuShop = nullptr;
  DeathScreen* deathScreen = nullptr;

  // The bitmap fonts and their atlases; the two arc fonts share one atlas.
  std::unique_ptr<Texture> writtenFontAtlas;
  std::unique_ptr<FontWritten> fontWritten;
  std::unique_ptr<Texture> arcFontAtlas;
  std::unique_ptr<FontArc64pt> fontArc64pt;
  std::unique_ptr<FontArc17pt> fontArc17pt;

  // The one way screens change: the current screen becomes the previous one and the target
  // is entered. The old screen is not left: it keeps its fields. A null target changes nothing.
  void SwitchTo(GameState* target);
  // Every screen lets go of the modifier, which is leaving the world.
  void ForgetModifier(const ModifierShape& modifier);
};

void DestroyGameStates(GameStateSet& set);
