#include "engine/Slider.h"

#include <algorithm>
#include <cmath>

#include "engine/Globals.h"
#include "engine/VectorMath.h"

using platform::Vector3;

namespace {

const Color4 TrackColor{255, 170, 170, 170};
const Color4 ThumbColor{255, 150, 150, 150};

}  // namespace

Slider::Slider(float a, float b, float newValue, float newX, float newY, float newZ,
               float newWidth, float newHeight, float newRotation)
    : minimum(std::min(a, b)),
      maximum(std::max(a, b)),
      x(newX),
      y(newY),
      z(newZ),
      width(newWidth),
      height(newHeight),
      rotation(newRotation) {
  value = ClampToRange(newValue);
  track = std::make_unique<Quad>();
  track->SetDimensions(width, height, 0.0f);
  track->SetAltPositionXYZ(x, y, z);
  track->SetRotation(rotation);
  track->SetFillColor(TrackColor);

  // An empty range has one place: the thumb covers the whole track.
  const float range = maximum - minimum;
  const float thumbHeight = range > 0.0f ? height / range : height;
  thumb = std::make_unique<Quad>();
  thumb->SetDimensions(width, std::max(thumbHeight, MinimumThumbHeight), 0.0f);
  PlaceThumb();
  thumb->SetRotation(rotation);
  thumb->SetFillColor(ThumbColor);
  thumb->outlineVisible = 1;
  thumb->SetOutlineColor(ColorBlack);
}

float Slider::ClampToRange(float v) const {
  if (std::isnan(v)) return minimum;
  return std::clamp(v, minimum, maximum);
}

float Slider::RatioOf(float v) const {
  const float range = maximum - minimum;
  if (!(range > 0.0f)) return 0.0f;
  const float ratio = (v - minimum) / range;
  return std::isfinite(ratio) ? ratio : 0.0f;
}

void Slider::SetPosition(float newX, float newY, float newZ) {
  x = newX;
  y = newY;
  z = newZ;
  const Vector3 offset = Vector3{newX, newY, newZ} - track->altPosition;
  track->SetAltPositionXYZ(newX, newY, newZ);
  thumb->SetAltPosition(thumb->altPosition + offset);
}

void Slider::SetValue(float v) {
  value = ClampToRange(v);
  PlaceThumb();
}

void Slider::SetThumbHeight(float h) {
  if (h > track->height) {
    h = track->height;
  } else if (h < MinimumThumbHeight) {
    h = MinimumThumbHeight;
  }
  thumb->SetHeight(h);
  PlaceThumb();
}

void Slider::DragTo(float px, float py, float pz) {
  thumb->SetAltPosition(
      ClosestPointOnSegment({px, py, pz}, track->GetAltTopMid(), track->GetAltBottomMid()));
  UpdateValueFromThumb();
}

void Slider::PlaceThumb() {
  const Vector3 bottom = track->GetAltBottomMid();
  const Vector3 top = track->GetAltTopMid();
  thumb->SetAltPosition(bottom + (top - bottom) * RatioOf(value));
}

void Slider::UpdateValueFromThumb() {
  const Vector3 bottom = track->GetAltBottomMid();
  const float length = Distance2D(track->GetAltTopMid(), bottom);
  // A track without length reads as the minimum.
  const float t = length > 0.0f ? std::min(Distance2D(thumb->altPosition, bottom) / length, 1.0f)
                                : 0.0f;
  value = minimum + (maximum - minimum) * t;
}
