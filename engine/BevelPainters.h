#pragma once

#include "engine/Color4.h"

class Quad;

// The two shades of a raised outline.
constexpr Color4 RaisedLight{255, 250, 247, 230};
constexpr Color4 RaisedDark{255, 59, 56, 39};

// Outline looks for screen quads: each switches the outline on and colours its four edges
// with a light and a dark shade.
void PaintRaisedBevel(Quad& quad);
void PaintCrossBevel(Quad& quad);
void PaintSunkenBevel(Quad& quad);
void PaintCrossGreyBevel(Quad& quad);
// Switches the outline on and colours the four edges in the order the quad keeps its screen
// outline: top, bottom, left, right.
void PaintBevel(Quad& quad, const Color4& top, const Color4& bottom, const Color4& left,
                const Color4& right);
