#include "menus/MenuTitle.h"

#include "engine/Controls.h"
#include "engine/Globals.h"

MenuTitle::MenuTitle(GameStateSet* set, World* world) : Menu(set, "Title Menu") {
  m_world = world;
}

void MenuTitle::Enter() {
  if (!GameControls) return;
  GameControls->keyboardEnabled = 1;
  GameControls->padEnabled.fill(1);
}
