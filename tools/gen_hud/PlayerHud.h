#pragma once

#include "tools/SharedAtlas.h"

// The cells of the player's interface corner: the panel under the meters, the portrait drawn
// over the stamina ring, and the one-texel columns the health and experience bars stretch.
void DrawPlayerHud(SharedAtlas& atlas);
