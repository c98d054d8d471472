#pragma once

#include <memory>

#include "engine/draw/Sprite.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Texture;

// A picture of any width from three atlas cells: its two ends at their own size and one column
// of its middle stretched between them.
class StretchedPiece {
 public:
  struct Cells {
    platform::PixelRect left;
    platform::PixelRect middle;
    platform::PixelRect right;
  };

  StretchedPiece(Texture* atlas, const Cells& cells);

  // The whole piece as wide as given (at least its two ends), centred on the screen point.
  void Fit(const platform::Vector3& centre, float width);
  // Through the shared sprite batch, which the caller has begun.
  void Draw();

 private:
  std::unique_ptr<Sprite> left_;
  std::unique_ptr<Sprite> middle_;
  std::unique_ptr<Sprite> right_;
};
