#pragma once

#include "tools/GeneratedAtlas.h"

// The dialogue screen's cells: the speech box and the speaker's name plate. (The save screen's
// panel is cut from the pause menu's closed-tab box.)
void DrawMenuPanels(GeneratedAtlas& atlas);
