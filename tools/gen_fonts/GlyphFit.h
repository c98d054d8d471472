#pragma once

#include <string>
#include <vector>

#include "GlyphRaster.h"
#include "platform/Image.h"
#include "platform/Vertex.h"

// A character made exactly as wide as it is wanted: its mask with every column shown as many
// times as copies says (0 leaves it out), and how far its rows lie below the face's own.
struct FittedGlyph {
  GlyphRaster::Mask mask;
  std::vector<int> copies;  // one count per mask column
  int top = 0;              // rows of the mask with ink: [top, bottom)
  int bottom = 0;
  int rowShift = 0;

  int Width() const;
};

// Narrowing shrinks the outline, so that counters stay open and strokes crisp; widening repeats
// the columns with the least ink (counters, bars, serifs), so that strokes keep their weight.
// A letter with nothing but stroke to repeat (a plain I) comes from the wide faces instead,
// sized to stand on the same rows. Crisp letters keep their strokes: they widen only a little,
// by the outline and by the flat stretches of bars and bowls, so they may stay narrower than
// wanted, and narrow by the outline alone. An empty character gives an empty fit.
FittedGlyph FitGlyph(const GlyphRaster& face, const std::vector<std::string>& wideFaces, char code,
                     int wanted);

// Paints the glyph white into the picture, its first column at x and its mask's first row at y,
// nothing outside the clip.
void PaintGlyph(platform::Image& picture, const FittedGlyph& glyph, int x, int y,
                const platform::PixelRect& clip);
