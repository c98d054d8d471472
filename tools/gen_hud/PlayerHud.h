#pragma once

#include "tools/GeneratedAtlas.h"

// The cells of the player's interface corner: the panel under the meters, the portrait drawn
// over the stamina ring, and the one-texel columns the health and experience bars stretch.
void DrawPlayerHud(GeneratedAtlas& atlas);
