#include "menus/MenuConsole.h"

#include "engine/Globals.h"

MenuConsole::MenuConsole(GameStateSet* set) : Menu(set, "Console Menu") {}
