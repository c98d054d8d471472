#include "engine/Camera.h"

Camera::Camera(const platform::Vector3& lookAtPoint, const platform::Vector3& eyePoint,
               const platform::Vector3& upVector)
    : lookAt(lookAtPoint), eye(eyePoint), targetEye(eyePoint), lastEye(eyePoint), up(upVector) {}

void Camera::Update() { lastEye = eye; }

void Camera::StartFade(const Color4&, float) {}
