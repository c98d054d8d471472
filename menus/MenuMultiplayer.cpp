#include "menus/MenuMultiplayer.h"

#include "engine/Globals.h"

MenuMultiplayer::MenuMultiplayer(GameStateSet* set, World* world) : Menu(set, "Multiplayer Menu") {
  m_world = world;
}
