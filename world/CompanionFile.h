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

// One preset of the level editor's brush: the palette cell it shows (texture, rectangle, flips),
// the brush's rotation, scale and draw layer, and its colour.
struct PrimitiveTemplate {
  std::unique_ptr<Quad> m_templateQuad = std::make_unique<Quad>();
  bool m_flipX = false;
  bool m_flipY = false;
  float m_rotation = 0.0f;
  float m_scaleX = 1.0f;
  float m_scaleY = 1.0f;
  int32_t m_layer = 0;
  Color4 m_color;
};

// The editor's palette, page by page.
using TemplatePage = std::vector<PrimitiveTemplate>;
using PrimitiveList = std::vector<TemplatePage>;

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
