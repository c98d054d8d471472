#include "engine/WidgetLabel.h"

#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"

void DrawWidgetLabel(platform::TextFont* font, const std::string& label, int32_t side, float left,
                     float right, float y, const Color4& color) {
  const bool onLeft = side == LabelSideLeft;
  DrawTextAligned(font, onLeft ? left : right, y, 0.0f, StringToWString(label),
                  color.ToD3DColor(), onLeft ? AlignRight : AlignLeft, AlignQuarterUp);
}
