#include "editor/MenuDebug.h"

#include "engine/Globals.h"

MenuDebug::MenuDebug(GameStateSet* set, Camera* camera, std::vector<Shape*>* content, World* world) : Menu(set, "Debug Menu") {
  MainCamera = camera;
  m_content = content;
  m_world = world;
}
