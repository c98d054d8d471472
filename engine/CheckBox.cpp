#include "engine/CheckBox.h"

#include "engine/Globals.h"
#include "engine/WidgetLabel.h"

CheckBox::CheckBox(Texture* newTexture, bool isChecked)
    : font(SmallFont),
      texture(newTexture),
      labelSide(LabelSideRight),
      box(std::make_unique<Sprite>(newTexture, 0, platform::Vector3{}, 0.0f, BoxCell)),
      check(std::make_unique<Sprite>(newTexture, 0, platform::Vector3{}, 0.0f, CheckCell)),
      checked(isChecked),
      textColor(ColorBlack) {
  check->SetAltPosition(box->altPosition);
}

void CheckBox::SetPosition(float x, float y, float z) {
  box->SetAltPositionXYZ(x, y, z);
  check->SetAltPositionXYZ(x, y, z);
}

void CheckBox::Draw() {
  box->DrawScreen();
  if (checked) check->DrawScreen();
  const float half =
      static_cast<float>(box->sourceRect.right - box->sourceRect.left) * box->scale.x / 2;
  const platform::Vector3 at = box->altPosition;
  DrawWidgetLabel(font, label, labelSide, at.x - half, at.x + half, at.y, textColor);
}
