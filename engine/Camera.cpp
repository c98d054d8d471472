#include "engine/Camera.h"

#include <algorithm>
#include <cmath>

#include "engine/Globals.h"
#include "engine/draw/Shape.h"
#include "platform/Renderer.h"

namespace {

constexpr float NearPlane = 5.0f;
constexpr float FarPlane = 1000.0f;
// Share of the remaining way to the target eye covered per frame.
constexpr float EyeGlideFactor = 0.2f;
constexpr float LookAtDepth = 1.0f;

void ToBytes(const Color4& color, float bytes[4]) {
  bytes[0] = color.a;
  bytes[1] = color.r;
  bytes[2] = color.g;
  bytes[3] = color.b;
}

// Truncated towards zero; a value that overshot the byte range stays inside it.
uint8_t TruncateToByte(float value) {
  if (!(value > 0.0f)) return 0;
  return static_cast<uint8_t>(std::min(std::trunc(value), 255.0f));
}

}  // namespace

Camera::Camera(const platform::Vector3& lookAtPoint, const platform::Vector3& eyePoint,
               const platform::Vector3& upVector)
    : lookAt(lookAtPoint), eye(eyePoint), targetEye(eyePoint), lastEye(eyePoint), up(upVector) {
  RebuildMatrices();
}

void Camera::RebuildMatrices() {
  CameraDistance = -eye.z;
  view = platform::MatrixLookAtLH(eye, lookAt, up);
  if (Device) Device->SetTransform(platform::TransformKind::View, view);
  const float aspect = static_cast<float>(ScreenWidth) / static_cast<float>(ScreenHeight);
  perspective = platform::MatrixPerspectiveFovLH(FieldOfViewY, aspect, NearPlane, FarPlane);
  if (Device) Device->SetTransform(platform::TransformKind::Projection, perspective);
}

void Camera::ResetLookAt() {
  lookAt = {eye.x, eye.y, eye.z + LookAtDepth};
  RebuildMatrices();
}

void Camera::Update() {
  eye = eye + (targetEye - eye) * EyeGlideFactor;
  RebuildMatrices();
  ResetLookAt();
  lastEye = eye;
  if (fading) UpdateFade(GameTimeStep);
}

void Camera::StartFade(const Color4& target, float duration) {
  if (!fadeShape) return;
  fadeDuration = duration;
  fadeElapsed = 0.0f;
  fadeTarget = target;
  // Without time to fade in, the target is reached at once.
  if (!(duration > 0.0f)) {
    fading = 0;
    std::fill(std::begin(fadeRates), std::end(fadeRates), 0.0f);
    ToBytes(target, fadeCurrent);
    fadeShape->SetFillColor(target);
    return;
  }
  fading = 1;
  ToBytes(fadeShape->GetColor(), fadeCurrent);
  float targetBytes[4];
  ToBytes(target, targetBytes);
  for (int i = 0; i < 4; ++i) fadeRates[i] = (targetBytes[i] - fadeCurrent[i]) / duration;
}

void Camera::UpdateFade(float dt) {
  fadeElapsed += dt;
  for (int i = 0; i < 4; ++i) fadeCurrent[i] += fadeRates[i] * dt;
  Color4 color{TruncateToByte(fadeCurrent[0]), TruncateToByte(fadeCurrent[1]),
               TruncateToByte(fadeCurrent[2]), TruncateToByte(fadeCurrent[3])};
  if (fadeDuration <= fadeElapsed || color == fadeTarget) {
    fading = 0;
    color = fadeTarget;
  }
  if (fadeShape) fadeShape->SetFillColor(color);
}
