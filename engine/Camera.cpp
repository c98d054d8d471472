#include "engine/Camera.h"

#include <algorithm>
#include <cmath>

#include "engine/ColorFade.h"
#include "engine/Globals.h"
#include "engine/draw/Shape.h"
#include "platform/Renderer.h"

namespace {

constexpr float NearPlane = 5.0f;
constexpr float FarPlane = 1000.0f;
// Share of the remaining way to the target eye covered per frame.
constexpr float EyeGlideFactor = 0.2f;
constexpr float LookAtDepth = 1.0f;

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
    ColorToChannels(target, fadeCurrent);
    fadeShape->SetFillColor(target);
    return;
  }
  fading = 1;
  BeginChannelFade(fadeShape->GetColor(), target, duration, fadeCurrent, fadeRates);
}

void Camera::UpdateFade(float dt) {
  fadeElapsed += dt;
  Color4 color = AdvanceChannelFade(fadeCurrent, fadeRates, dt);
  if (fadeDuration <= fadeElapsed || color == fadeTarget) {
    fading = 0;
    color = fadeTarget;
  }
  if (fadeShape) fadeShape->SetFillColor(color);
}
