#pragma once

#include <cstdint>
#include <string>

#include "engine/Color4.h"

namespace platform {
class TextFont;
}

// Label side 1 puts the label left of the widget, ending at its left edge; any other side
// right of it, starting at its right edge. The label's top is a quarter of its height above y.
constexpr int32_t LabelSideLeft = 1;
constexpr int32_t LabelSideRight = 0;

// Through the shared sprite batch, which the caller has begun.
void DrawWidgetLabel(platform::TextFont* font, const std::string& label, int32_t side, float left,
                     float right, float y, const Color4& color);
