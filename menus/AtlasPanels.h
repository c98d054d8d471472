#pragma once

#include <initializer_list>
#include <memory>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "platform/Vertex.h"

class Texture;

// A sprite showing one atlas cell at the given scale, not yet placed.
std::unique_ptr<Sprite> CutSprite(Texture* atlas, const platform::PixelRect& cell,
                                  float scaleX = 1.0f, float scaleY = 1.0f);

// One piece of a composite panel: where to keep its sprite, its cell and scale, and its offset
// in the panel.
struct PanelPiece {
  std::unique_ptr<Sprite>* sprite;
  platform::PixelRect cell;
  float scaleX;
  float scaleY;
  float x;
  float y;
};

// Cuts each piece, places it at its offset and adds it to the panel, in the given order (which
// is the drawing order).
void BuildPanel(Texture* atlas, ShapeList& panel, std::initializer_list<PanelPiece> pieces);
