#pragma once

#include "tools/GeneratedAtlas.h"

// The title screen's picture: a dusk sky, hills along the bottom and the game's name.
void DrawTitleArt(GeneratedAtlas& atlas);
