#pragma once

#include "engine/Font.h"

// The three bitmap fonts of the menus and the floating texts, over their atlases.
extern const FontLayout FontWrittenLayout;
extern const FontLayout FontArc64ptLayout;
extern const FontLayout FontArc17ptLayout;

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
