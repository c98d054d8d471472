#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Color4.h"
#include "engine/draw/Quad.h"

// One piece of the level editor's palette: the quad it shows (texture, rectangle, flips), the
// numbers kept for placing it, and its colour.
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
