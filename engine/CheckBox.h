#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/Color4.h"
#include "engine/draw/Sprite.h"
#include "platform/Vertex.h"

class Texture;
namespace platform {
class TextFont;
}

// A box picture with a check mark over it while `checked`, and a label beside it. The owner
// reads and writes `checked`.
class CheckBox {
 public:
  // The cells of the interface atlas the two pictures are cut from, 16 by 16 pixels.
  static constexpr platform::PixelRect BoxCell{128, 80, 144, 96};
  static constexpr platform::PixelRect CheckCell{144, 80, 160, 96};

  CheckBox(Texture* newTexture, bool isChecked);

  // The screen position of both pictures.
  void SetPosition(float x, float y, float z);
  // Through the shared sprite batch, which the caller has begun.
  void Draw();

  platform::TextFont* font = nullptr;  // not owned
  Texture* texture = nullptr;          // not owned
  int32_t labelSide = 0;
  std::unique_ptr<Sprite> box;
  std::unique_ptr<Sprite> check;
  std::string label;
  bool checked = false;
  Color4 textColor;
};
