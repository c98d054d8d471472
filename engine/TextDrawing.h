#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/MathTypes.h"
#include "platform/TextFont.h"

// Alignment codes. Horizontal: 1 centred on x, 2 right edge at x, others left edge at x.
// Vertical: 2 top a quarter of the text height above y, 3 centred on y, others top at y.
constexpr int AlignLeft = 0;
constexpr int AlignCenter = 1;
constexpr int AlignRight = 2;
constexpr int AlignTop = 1;
constexpr int AlignQuarterUp = 2;
constexpr int AlignMiddle = 3;

// Stands for the part of a text left out where it does not fit.
constexpr char CutMark[] = "..";

// The text as it fits the width: whole, or its longest start that fits with the mark after it
// (the mark alone when no start does). `measure` gives a text's width in pixels.
std::string CutToWidth(const std::string& text, float width,
                       const std::function<float(const std::string&)>& measure);

// One text as a font was given it: the string, the anchor before alignment and the colour.
struct DrawnText {
  std::string text;
  platform::Vector3 anchor;
  uint32_t color;
};
// While set, every text handed to a font is noted here, so that what a screen writes can be
// read back without reading pixels.
extern std::vector<DrawnText>* DrawnTextLog;

// The box a text of that extent takes at (x, y) under the alignment codes, in whole pixels;
// nothing when the anchor is not finite or the box would reach outside the 32-bit range.
std::optional<platform::PixelRect> AlignedTextBox(float x, float y,
                                                  const platform::TextExtent& extent,
                                                  int horizontal, int vertical);

// Draws through the shared sprite batch, which the caller has begun. A null font draws
// nothing; z is not used.
void DrawTextAligned(platform::TextFont* font, float x, float y, float z, const std::wstring& text,
                     uint32_t color, int horizontal, int vertical);
// Left-aligned in SmallFont with its top at the world point's place on the screen.
void DrawTextAtWorldPoint(const platform::Vector3& point, const std::wstring& text, uint32_t color);
// Shows one progress line at once, outside the frame loop, over what the frame holds.
void PresentStatusText(float x, float y, float z, const std::string& text);
// A loading step: the progress position moves one line down and, while the load texts are on,
// the line is shown there.
void PresentProgressLine(const std::string& text);
