#include "engine/TextDrawing.h"

#include <cstdint>
#include <limits>
#include <string>

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/VectorMath.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"

namespace {

constexpr float QuarterUp = 0.25f;
constexpr float HalfDown = -0.5f;
constexpr float Half = 0.5f;
// The loading lines stand this many pixels apart.
constexpr float ProgressLineStep = 10.0f;

constexpr float IntRangeEnd = 2147483648.0f;

// Towards zero; nothing for a value that is not a number or lies outside the 32-bit range.
std::optional<int64_t> WholePixels(float value) {
  if (!(value >= -IntRangeEnd && value < IntRangeEnd)) return std::nullopt;
  return static_cast<int64_t>(value);
}

bool FitsInt32(int64_t value) {
  return value >= std::numeric_limits<int32_t>::min() &&
         value <= std::numeric_limits<int32_t>::max();
}

platform::TextAlign FormatOf(int horizontal) {
  if (horizontal == AlignCenter) return platform::TextAlign::Center;
  if (horizontal == AlignRight) return platform::TextAlign::Right;
  return platform::TextAlign::Left;
}

}  // namespace

std::string CutToWidth(const std::string& text, float width,
                       const std::function<float(const std::string&)>& measure) {
  if (measure(text) <= width) return text;
  size_t kept = text.size();
  while (kept > 0 && measure(text.substr(0, kept) + CutMark) > width) --kept;
  return text.substr(0, kept) + CutMark;
}

std::optional<platform::PixelRect> AlignedTextBox(float x, float y,
                                                  const platform::TextExtent& extent,
                                                  int horizontal, int vertical) {
  const std::optional<int64_t> anchorX = WholePixels(x);
  const std::optional<int64_t> anchorY = WholePixels(y);
  if (!anchorX || !anchorY) return std::nullopt;
  // In 64 bits, so that a box reaching past the 32-bit range is found, not overflowed.
  const int64_t w = extent.width;
  const int64_t h = extent.height;
  int64_t left = *anchorX;
  if (horizontal == AlignCenter) {
    left -= static_cast<int64_t>(static_cast<float>(w) * Half);
  } else if (horizontal == AlignRight) {
    left -= w;
  }
  int64_t top = *anchorY;
  if (vertical == AlignQuarterUp) {
    top -= static_cast<int64_t>(static_cast<float>(h) * QuarterUp);
  } else if (vertical == AlignMiddle) {
    top -= static_cast<int64_t>(static_cast<float>(h) * HalfDown) + h;
  }
  const int64_t right = left + w;
  const int64_t bottom = top + h;
  if (!FitsInt32(left) || !FitsInt32(top) || !FitsInt32(right) || !FitsInt32(bottom)) {
    return std::nullopt;
  }
  return platform::PixelRect{static_cast<int32_t>(left), static_cast<int32_t>(top),
                             static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
}

std::vector<DrawnText>* DrawnTextLog = nullptr;

void DrawTextAligned(platform::TextFont* font, float x, float y, float, const std::wstring& text,
                     uint32_t color, int horizontal, int vertical) {
  if (!font) return;
  if (DrawnTextLog) DrawnTextLog->push_back({WStringToString(text), {x, y, 0.0f}, color});
  const std::optional<platform::PixelRect> box =
      AlignedTextBox(x, y, font->Measure(text), horizontal, vertical);
  if (box) font->Draw(SpriteRenderer, text, *box, FormatOf(horizontal), color);
}

void DrawTextAtWorldPoint(const platform::Vector3& point, const std::wstring& text,
                          uint32_t color) {
  platform::Vector3 screen = WorldToScreen(point.x, point.y, point.z);
  DrawTextAligned(SmallFont, screen.x, screen.y, screen.z, text, color, AlignLeft, AlignTop);
}

void PresentStatusText(float x, float y, float z, const std::string& text) {
  if (!Device) return;
  Device->BeginScene();
  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawTextAligned(SmallFont, x, y, z, StringToWString(text), DebugTextColor.ToD3DColor(), AlignLeft,
                  AlignTop);
  if (SpriteRenderer) SpriteRenderer->End();
  Device->EndScene();
  Device->Present();
}

void PresentProgressLine(const std::string& text) {
  ProgressTextPosition.y += ProgressLineStep;
  if (!ShowLoadInfo) return;
  PresentStatusText(ProgressTextPosition.x, ProgressTextPosition.y, ProgressTextPosition.z, text);
}
