#pragma once

#include "tools/GeneratedAtlas.h"

// The cells of the pause menu and of the menus' scroll bar: the window and its plates, the tab
// strip, list panels, highlights and markers, the page panels and the item pictures.
void DrawPauseMenu(GeneratedAtlas& atlas);
