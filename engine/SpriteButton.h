#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/Color4.h"
#include "engine/draw/Sprite.h"

class Texture;
namespace platform {
class TextFont;
}

// A picture cut from an atlas with a label beside it, drawn at its screen position.
class SpriteButton {
 public:
  // No label; a label set later goes to the right.
  explicit SpriteButton(Texture* newTexture);
  // The label goes to the left.
  SpriteButton(Texture* newTexture, std::string newLabel);

  // The picture's rectangle in the atlas.
  void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Through the shared sprite batch, which the caller has begun.
  void Draw();

  platform::TextFont* font = nullptr;  // not owned
  Texture* texture = nullptr;          // not owned
  int32_t labelSide = 0;
  std::unique_ptr<Sprite> sprite;
  std::string label;
  Color4 textColor;
};
