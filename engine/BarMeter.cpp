#include "engine/BarMeter.h"

#include <algorithm>
#include <cmath>

#include "engine/Globals.h"
#include "platform/SpriteBatch.h"

namespace {

const Color4 BackgroundColor{200, 128, 128, 128};
constexpr float UprightDegrees = 90.0f;

}  // namespace

BarMeter::BarMeter(float newMaximum, float x, float y, float z, float width, float height,
                   float depth, const Color4& newColor)
    : color(newColor), maximum(newMaximum), value(newMaximum) {
  background = std::make_unique<Quad>();
  background->SetDimensions(width, height, depth);
  background->SetFillColor(BackgroundColor);
  background->SetPositionXYZ(x, y, z);
  background->SetAltPositionXYZ(x, y, z);
  fill = std::make_unique<Quad>();
  fill->SetPositionXYZ(x, y, z);
  fill->SetAltPositionXYZ(x, y, z);
  fill->SetFillColor(color);
}

float BarMeter::Ratio(float shown) const {
  if (!(maximum > 0.0f)) return 0.0f;
  const float ratio = shown / maximum;
  return std::isfinite(ratio) ? ratio : 0.0f;
}

void BarMeter::AddTick(float tickValue, const Color4& tickColor) {
  // NaN and a maximum below 0 both end at 0.
  const float clamped = std::max(0.0f, std::min(tickValue, maximum));
  const float offset = Ratio(clamped) * background->width;
  auto line = std::make_unique<Line>();
  line->SetLength(background->height);
  line->SetRotation(UprightDegrees);
  line->SetFillColor(tickColor);
  const platform::Vector3 at = background->position;
  const platform::Vector3 screen = background->altPosition;
  line->SetPositionXYZ(at.x - background->width / 2 + offset, at.y, at.z);
  line->SetAltPositionXYZ(screen.x - background->width / 2 + offset, screen.y, screen.z);
  auto place = std::upper_bound(ticks.begin(), ticks.end(), clamped,
                                [](float v, const BarMeterTick& tick) { return v < tick.value; });
  ticks.insert(place, BarMeterTick{std::move(line), clamped, tickColor});
}

void BarMeter::SetPosition(float x, float y, float z) {
  background->SetPositionXYZ(x, y, z);
  background->SetAltPositionXYZ(x, y, z);
  const float fillX = x - background->width / 2 + fill->width / 2;
  fill->SetPositionXYZ(fillX, y, z);
  fill->SetAltPositionXYZ(fillX, y, z);
  if (icon) icon->SetAltPosition(fill->altPosition);
}

void BarMeter::SetIcon(Texture* newIconTexture) {
  iconTexture = newIconTexture;
  icon = std::make_unique<Sprite>(newIconTexture);
}

void BarMeter::UpdateFill() {
  const float w = background->width;
  const float h = background->height;
  const float d = background->depth;
  const platform::Vector3 at = background->position;
  const platform::Vector3 screen = background->altPosition;
  const float left = at.x - w / 2;
  const float screenLeft = screen.x - w / 2;
  const float fillWidth = Ratio(value) * w;
  fill->SetDimensions(fillWidth, h, d);
  fill->SetPositionXYZ(left + fillWidth / 2, at.y, at.z + d / 2);
  fill->SetAltPositionXYZ(screenLeft + fillWidth / 2, screen.y, screen.z);
  for (BarMeterTick& tick : ticks) {
    const float offset = Ratio(tick.value) * w;
    tick.line->SetPositionXYZ(left + offset, at.y, at.z);
    tick.line->SetAltPositionXYZ(screenLeft + offset, screen.y, screen.z);
  }
  if (icon) {
    icon->SetScale(fillWidth, 1.0f);
    icon->SetPosition(fill->position);
    icon->SetAltPosition(fill->altPosition);
  }
}

void BarMeter::DrawIcon(bool screen) {
  // A caller that has begun the batch keeps it; otherwise the icon gets a batch of its own.
  const bool ownBatch = SpriteRenderer && !SpriteRenderer->Begun();
  if (ownBatch) SpriteRenderer->Begin();
  if (screen) {
    icon->DrawScreen();
  } else {
    icon->Draw();
  }
  if (ownBatch) SpriteRenderer->End();
}

void BarMeter::Draw() {
  if (icon) {
    DrawIcon(false);
    return;
  }
  background->Draw();
  fill->Draw();
  for (BarMeterTick& tick : ticks) tick.line->Draw();
}

void BarMeter::DrawScreen() {
  if (icon) {
    DrawIcon(true);
    return;
  }
  background->DrawScreen();
  fill->DrawScreen();
  for (BarMeterTick& tick : ticks) tick.line->DrawScreen();
}
