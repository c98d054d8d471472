#pragma once

#include "Canvas.h"

namespace tiles {

// Materials that repeat across and down without a seam (the grass strip across only).
Canvas GrassEarth();
Canvas StoneBlocks();
Canvas Planks();
Canvas Bark();
Canvas Leaves();

// One leaf: an ellipse along the angle, darker at its midrib; rows wrap round the picture.
void DrawLeaf(Canvas& canvas, float cx, float cy, float angle, float length, float breadth,
              uint32_t color);
// The green of a leaf, varied by its number.
uint32_t LeafGreen(int leaf, uint32_t seed);

// Background layers for the depths behind the play, repeating across: a sky that fades to
// the horizon, far hills and a line of near trees, both open to the sky above them.
Canvas Sky();
Canvas Hills();
Canvas Trees();

// Props cut from one sheet by the maps: a round leafy bush (0, 0)-(256, 256), a glowing
// crystal (256, 0)-(384, 128), a rack of practice gear (256, 128)-(384, 256) and the shimmer of
// a gate (384, 0)-(512, 256).
Canvas Props();

}  // namespace tiles
