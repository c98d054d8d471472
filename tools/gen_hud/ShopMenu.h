#pragma once

#include "tools/GeneratedAtlas.h"

// The cells of the shop that the pause menu does not share: the panel its pages stand on, the
// page titles, the category tabs and their icons, the selection brackets and the item list's
// header and rows.
void DrawShopMenu(GeneratedAtlas& atlas);
