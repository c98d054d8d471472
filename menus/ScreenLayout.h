#pragma once

#include <memory>

#include "platform/Vertex.h"

class Sprite;
class Texture;

// How the screens lay out pieces cut from the interface atlas, in screen pixels (y down).

// A piece of the atlas at scale 1, not yet placed.
std::unique_ptr<Sprite> AtlasPiece(Texture* atlas, const platform::PixelRect& cell);
// The drawn size: the source size times the scale.
float DrawnWidth(const Sprite& sprite);
float DrawnHeight(const Sprite& sprite);
// Edge to edge with the neighbour: right of it (side +1) or left of it (side -1), at its height.
void PlaceBeside(Sprite& piece, const Sprite& neighbour, float side);
// Edge to edge with the neighbour: below it (side +1) or above it (side -1), sharing its x.
void PlaceOver(Sprite& piece, const Sprite& neighbour, float side);
