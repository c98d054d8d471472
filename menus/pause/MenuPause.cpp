#include "menus/pause/MenuPause.h"

#include "engine/Globals.h"

MenuPause::MenuPause(GameStateSet* set, Camera* camera, World* world) : Menu(set, "Pause Menu") {
  MainCamera = camera;
  m_world = world;
}
