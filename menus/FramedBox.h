#pragma once

#include <array>
#include <memory>

#include "engine/draw/Sprite.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Texture;

// A frame of any size from one atlas cell: the cell's four corners at their own size and the
// middle texels of its edges stretched between them. The inside is left to what lies under it.
class FramedBox {
 public:
  // corner: the side of the square each corner takes in the cell.
  FramedBox(Texture* atlas, const platform::PixelRect& cell, int corner);

  void Fit(const platform::Vector3& centre, float width, float height);
  // Through the shared sprite batch, which the caller has begun.
  void Draw();

 private:
  enum Piece { TopLeft, TopRight, BottomLeft, BottomRight, Top, Bottom, Left, Right, PieceCount };
  std::array<std::unique_ptr<Sprite>, PieceCount> pieces_;
  float corner_;
};
