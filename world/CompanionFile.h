#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "engine/Color4.h"
#include "engine/draw/Quad.h"

class Texture;

inline constexpr const char* CompanionExtension = ".mef";

// One piece of the level editor's palette: the quad it shows (texture, rectangle, flips), the
// numbers kept for placing it (the editor's rotation, horizontal and vertical scale and draw
// layer), and its colour.
struct PaletteElement {
  std::unique_ptr<Quad> quad = std::make_unique<Quad>();
  uint8_t flipHorizontal = 0;
  uint8_t flipVertical = 0;
  float firstNumber = 0.0f;
  float secondNumber = 1.0f;
  float thirdNumber = 1.0f;
  int32_t integer = 0;
  Color4 color;
};

// The editor's palette, page by page.
using PalettePage = std::vector<PaletteElement>;
using PrimitiveList = std::vector<PalettePage>;

// One line per element, pages in order, with no header and no page marks: the texture's path
// (or "0"), the rectangle left, top, right, bottom, the two flips, the three numbers, the
// integer and the colour's alpha, red, green, blue.
std::string CompanionFileText(const PrimitiveList& pages);

// Writes the palette beside the map of that name ("Content\Maps\" + name + ".mef"). False, with
// the old file left as it was, when it could not be written whole.
bool SaveMefFile(const PrimitiveList& pages, const std::string& name);

// The editor keeps ten pages of ten pieces.
constexpr size_t PalettePageCount = 10;
constexpr size_t PalettePageSize = 10;

// The palette of a companion file that does not open: every piece without texture, white and a
// little see-through in the palette, opaque white when placed.
PrimitiveList BlankPalette();
// Reads ten pages of ten pieces from blank-separated tokens, line breaks or not. A texture is
// the first of the textures loaded from the path the file names. From the first token that
// does not read, every later field keeps its default; what was read before stays. A colour
// keeps the low 8 bits of each of its four numbers.
PrimitiveList ReadCompanionFile(std::istream& in,
                                const std::vector<std::unique_ptr<Texture>>& textures);
