#pragma once

#include <initializer_list>
#include <string>

#include "engine/Font.h"

// The three bitmap fonts of the menus and the floating texts, over their atlases.
extern const FontLayout FontWrittenLayout;
extern const FontLayout FontArc64ptLayout;
extern const FontLayout FontArc17ptLayout;

// The picture of a font atlas made for drawing it at the scale, beside the atlas.
std::string SizedFacePath(const std::string& atlasPath, float scale);
// Gives the atlas the pictures made for the scales its fonts are drawn at, where they exist.
void AttachSizedFaces(Texture& atlas, std::initializer_list<const FontLayout*> layouts);

class FontWritten : public Font {
 public:
  explicit FontWritten(Texture* atlas) { Build(atlas, FontWrittenLayout); }
};

class FontArc64pt : public Font {
 public:
  explicit FontArc64pt(Texture* atlas) { Build(atlas, FontArc64ptLayout); }
};

class FontArc17pt : public Font {
 public:
  explicit FontArc17pt(Texture* atlas) { Build(atlas, FontArc17ptLayout); }
};
