#include "engine/CircularMeter.h"

#include <algorithm>
#include <cmath>

namespace {

const Color4 BackgroundColor{200, 128, 128, 128};

}  // namespace

CircularMeter::CircularMeter(float newMaximum, float x, float y, float z, float radius,
                             const Color4& newColor)
    : color(newColor), maximum(newMaximum), value(newMaximum) {
  background = std::make_unique<CircularMeterCircle>();
  background->SetRadius(radius);
  background->SetFillColor(BackgroundColor);
  background->SetPositionXYZ(x, y, z);
  background->SetAltPositionXYZ(x, y, z);
  arc = std::make_unique<CircularMeterCircle>();
  arc->SetRadius(radius);
  arc->SetPositionXYZ(x, y, z);
  arc->SetAltPositionXYZ(x, y, z);
  arc->SetFillColor(color);
}

void CircularMeter::SetMaximum(float m) {
  maximum = m;
  // Below 0 as well as NaN end at 0.
  value = std::max(0.0f, std::min(value, m));
  UpdateRatio();
}

void CircularMeter::SetValue(float v) {
  value = v;
  UpdateRatio();
}

void CircularMeter::SetPosition(float x, float y, float z) {
  for (CircularMeterCircle* circle : {background.get(), arc.get()}) {
    circle->SetPositionXYZ(x, y, z);
    circle->SetAltPositionXYZ(x, y, z);
  }
}

void CircularMeter::Draw() {
  background->DrawScreen();
  arc->DrawScreen();
}

void CircularMeter::UpdateRatio() {
  const float ratio = maximum > 0.0f ? value / maximum : 0.0f;
  arc->fillFraction = std::isnan(ratio) ? 0.0f : std::clamp(ratio, 0.0f, 1.0f);
}
