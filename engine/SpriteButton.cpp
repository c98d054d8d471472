#include "engine/SpriteButton.h"

#include "engine/Globals.h"
#include "engine/WidgetLabel.h"

SpriteButton::SpriteButton(Texture* newTexture) : SpriteButton(newTexture, std::string()) {
  labelSide = LabelSideRight;
}

SpriteButton::SpriteButton(Texture* newTexture, std::string newLabel)
    : font(SmallFont),
      texture(newTexture),
      labelSide(LabelSideLeft),
      sprite(std::make_unique<Sprite>(newTexture)),
      label(std::move(newLabel)),
      textColor(ColorBlack) {}

void SpriteButton::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  sprite->SetRect(left, top, right, bottom);
}

void SpriteButton::Draw() {
  sprite->DrawScreen();
  const float half =
      static_cast<float>(sprite->sourceRect.right - sprite->sourceRect.left) * sprite->scale.x / 2;
  const platform::Vector3 at = sprite->altPosition;
  DrawWidgetLabel(font, label, labelSide, at.x - half, at.x + half, at.y, textColor);
}
