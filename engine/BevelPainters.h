#pragma once

class Quad;

// Outline looks for screen quads: each switches the outline on and colours its four edges
// with a light and a dark shade.
void PaintRaisedBevel(Quad& quad);
void PaintCrossBevel(Quad& quad);
void PaintSunkenBevel(Quad& quad);
void PaintCrossGreyBevel(Quad& quad);
