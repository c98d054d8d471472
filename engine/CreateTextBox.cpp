#include "engine/CreateTextBox.h"

#include "engine/BevelPainters.h"
#include "engine/Globals.h"

void CreateTextBox(GameState* owner, int32_t mode, std::unique_ptr<TextBox>& slot, float width,
                   float height, float depth, float x, float y, float z, int32_t maxLength,
                   const std::string& label, const std::string& text) {
  slot = std::make_unique<TextBox>(owner, mode);
  TextBox& made = *slot;
  made.box->SetDimensions(width, height, depth);
  made.box->SetAltPositionXYZ(x, y, z);
  made.maxLength = maxLength;
  made.label = label;
  made.SetText(text);
  made.box->SetFillColor(ColorTransparentWhite);
  PaintSunkenBevel(*made.box);
}
