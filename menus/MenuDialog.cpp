#include "menus/MenuDialog.h"

#include "engine/Globals.h"

MenuDialog::MenuDialog(GameStateSet* set, Camera* camera) : Menu(set, "Dialog Menu") {
  MainCamera = camera;
}
