#pragma once

#include "engine/Color4.h"
#include "platform/MathTypes.h"

class Shape;

// The view of the 2D world: looks along +z at the plane z = 0 and runs the screen fade.
class Camera {
 public:
  Camera(const platform::Vector3& lookAt, const platform::Vector3& eye,
         const platform::Vector3& up);

  void Update();
  void StartFade(const Color4& target, float duration);

  platform::Vector3 lookAt;
  platform::Vector3 eye;
  platform::Vector3 targetEye;
  platform::Vector3 lastEye;
  platform::Vector3 up;
  uint8_t stationary = 0;
  uint8_t fading = 0;
  Shape* fadeShape = nullptr;
};
