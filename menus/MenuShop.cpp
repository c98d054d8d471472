#include "menus/MenuShop.h"

#include "engine/Globals.h"

MenuShop::MenuShop(GameStateSet* set, Camera* camera, World* world) : Menu(set, "Pause Menu") {
  MainCamera = camera;
  m_world = world;
}
