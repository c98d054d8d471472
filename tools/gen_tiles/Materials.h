#pragma once

#include "Canvas.h"

namespace tiles {

// Materials that repeat across and down without a seam (the grass strip across only).
Canvas GrassEarth();
Canvas StoneBlocks();
Canvas Planks();
Canvas Bark();
Canvas Leaves();

// Background layers for the depths behind the play, repeating across: a sky that fades to
// the horizon, far hills and a line of near trees, both open to the sky above them.
Canvas Sky();
Canvas Hills();
Canvas Trees();

}  // namespace tiles
