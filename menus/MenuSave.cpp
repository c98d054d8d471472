#include "menus/MenuSave.h"

#include "engine/Globals.h"

MenuSave::MenuSave(GameStateSet* set, Camera* camera) : Menu(set, "Dialog Menu") {
  MainCamera = camera;
}
