#include "menus/MenuController.h"

#include "engine/Globals.h"

MenuController::MenuController(GameStateSet* set) : Menu(set, "Controller Configuration Menu") {}
