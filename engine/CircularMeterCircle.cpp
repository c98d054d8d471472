#include "engine/CircularMeterCircle.h"

#include <cmath>

#include "engine/Globals.h"
#include "engine/VectorMath.h"
#include "platform/MatrixStack.h"
#include "platform/Renderer.h"

namespace {

constexpr float StartAngle = 4.71238898f;  // 3 pi / 2: straight below the centre
constexpr float SegmentAngle = 6.28318531f / CircularMeterCircle::MeterSegments;

}  // namespace

CircularMeterCircle::CircularMeterCircle() {
  name.clear();
  RebuildVertices();
}

int CircularMeterCircle::MeterPrimitiveCount() const {
  if (!(fillFraction > 0.0f)) return 0;
  if (fillFraction >= 1.0f) return MeterSegments;
  return static_cast<int>(fillFraction * MeterSegments);
}

void CircularMeterCircle::RebuildVertices() {
  const platform::Vector2 bottomLeft = GetTexCoordBottomLeft();
  const platform::Vector2 bottomRight = GetTexCoordBottomRight();
  const platform::Vector2 topLeft = GetTexCoordTopLeft();
  const float hu = (bottomRight.x - bottomLeft.x) / 2;
  const float hv = (topLeft.y - bottomLeft.y) / 2;
  const float centerU = bottomLeft.x + hu;
  const float centerV = bottomLeft.y + hv;
  const uint32_t fill = fillColor.ToD3DColor();
  const uint32_t outline = outlineColor.ToD3DColor();
  const platform::Vector3 p = position;

  meterWorldFan[0] = {p.x, p.y, p.z, fill, centerU, centerV};
  meterScreenFan[0] = {p.x, p.y, p.z, 1.0f, fill, centerU, centerV};
  for (int i = 0; i < MeterSegments; ++i) {
    const float a = StartAngle - static_cast<float>(i) * SegmentAngle;
    const float c = std::cos(a);
    const float s = std::sin(a);
    const float x = p.x + radius * c;
    const float y = p.y + radius * s;
    // hv runs from the bottom of the picture to its top, so it is negative.
    const float u = centerU + hu * c;
    const float v = centerV + hv * s;
    meterWorldFan[i + 1] = {x, y, p.z, fill, u, v};
    meterWorldRim[i] = {x, y, p.z, outline, u, v};
    meterScreenFan[i + 1] = {x, y, p.z, 1.0f, fill, u, v};
    meterScreenRim[i] = {x, y, p.z, 1.0f, outline, u, v};
  }
  meterWorldFan[MeterSegments + 1] = meterWorldFan[1];
  meterScreenFan[MeterSegments + 1] = meterScreenFan[1];
  meterWorldRim[MeterSegments] = meterWorldRim[0];
  meterScreenRim[MeterSegments] = meterScreenRim[0];
}

void CircularMeterCircle::Draw() {
  if (dirty) Update();
  if (!Device) return;
  const int count = MeterPrimitiveCount();
  platform::MatrixStack stack;
  stack.LoadMatrix(IdentityMatrix);
  stack.Push();
  stack.TranslateLocal(position.x, position.y, position.z);
  stack.RotateAboutZLocal(rotation * DegreesToRadians);
  stack.TranslateLocal(-position.x, -position.y, -position.z);
  Device->SetTransform(platform::TransformKind::World, stack.Top());
  Device->SetTexture(DrawnTexture());
  if (count > 0) {
    Device->Draw(platform::PrimitiveKind::TriangleFan, meterWorldFan.data(), count);
    if (outlineVisible == 1) {
      Device->SetTexture(nullptr);
      Device->Draw(platform::PrimitiveKind::LineStrip, meterWorldRim.data(), count);
    }
  }
  stack.Pop();
  Device->SetTransform(platform::TransformKind::World, stack.Top());
}

void CircularMeterCircle::DrawScreen() {
  if (dirty) Update();
  if (!Device) return;
  const int count = MeterPrimitiveCount();
  if (count == 0) return;
  Device->SetTexture(DrawnTexture());
  Device->Draw(platform::PrimitiveKind::TriangleFan, meterScreenFan.data(), count);
  if (outlineVisible == 1) {
    Device->SetTexture(nullptr);
    Device->Draw(platform::PrimitiveKind::LineStrip, meterScreenRim.data(), count);
  }
}
