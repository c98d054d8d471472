#include "engine/TextDrawing.h"

#include <cmath>
#include <limits>

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

// Towards zero; out-of-range values saturate and NaN gives 0.
int32_t Truncate(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (value < -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

platform::TextAlign FormatOf(int horizontal) {
  if (horizontal == AlignCenter) return platform::TextAlign::Center;
  if (horizontal == AlignRight) return platform::TextAlign::Right;
  return platform::TextAlign::Left;
}

}  // namespace

platform::PixelRect AlignedTextBox(float x, float y, const platform::TextExtent& extent,
                                   int horizontal, int vertical) {
  const int w = extent.width;
  const int h = extent.height;
  platform::PixelRect box;
  if (horizontal == AlignCenter) {
    box.left = Truncate(x) - Truncate(static_cast<float>(w) * Half);
    box.right = box.left + w;
  } else if (horizontal == AlignRight) {
    box.right = Truncate(x);
    box.left = box.right - w;
  } else {
    box.left = Truncate(x);
    box.right = box.left + w;
  }
  if (vertical == AlignQuarterUp) {
    box.top = Truncate(y) - Truncate(static_cast<float>(h) * QuarterUp);
    box.bottom = box.top + h;
  } else if (vertical == AlignMiddle) {
    box.bottom = Truncate(y) - Truncate(static_cast<float>(h) * HalfDown);
    box.top = box.bottom - h;
  } else {
    box.top = Truncate(y);
    box.bottom = box.top + h;
  }
  return box;
}

void DrawTextAligned(platform::TextFont* font, float x, float y, float, const std::wstring& text,
                     uint32_t color, int horizontal, int vertical) {
  if (!font) return;
  platform::PixelRect box = AlignedTextBox(x, y, font->Measure(text), horizontal, vertical);
  font->Draw(SpriteRenderer, text, box, FormatOf(horizontal), color);
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
