#pragma once

#include <string>
#include <vector>

#include "engine/Font.h"
#include "platform/Image.h"

// The TrueType faces of a font at one size: the first that opens is used; letters it would have
// to widen past reading (a plain I in a wide advance) come from the first wide face that opens.
struct FaceFiles {
  std::vector<std::string> faces;
  std::vector<std::string> wideFaces;
};

// Draws a font's glyphs into the picture made for drawing it at the scale, where the game
// copies them pixel for pixel: each glyph hinted to the pixel grid at the size the scaled cell
// holds (or in fewer rows when inkRows says so), and fitted to the columns its pen leaves it, so
// that however the pens round, every two neighbours keep a clear column between them. Of the
// weights, boldest first, the first whose l, the letter with the least room, keeps within its
// room is taken. False when no face opens.
bool DrawPixelFace(platform::Image& picture, const FontLayout& layout, float scale,
                   const std::vector<FaceFiles>& weights, int inkRows = 0);

// The size of the picture made for the scale of fonts laid out so: square, a power of two.
int SizedPictureSide(const std::vector<const FontLayout*>& layouts, float scale);
