#pragma once

#include <cstdint>

#include "engine/Color4.h"
#include "platform/Matrix.h"

class Shape;

// The eye's reach along z: nearer than this the map comes close to the near plane; farther, past
// the far plane. The editor zooms within it and a map's stationary eye is held in it.
constexpr float NearestEyeZ = -6.0f;
constexpr float FarthestEyeZ = -995.0f;

// The view of the 2D world: looks along +z at the plane z = 0 and runs the screen fade, which
// moves the fill colour of a shape it does not own towards a target colour.
class Camera {
 public:
  // The vertical field of view, pi / 4.
  static constexpr float FieldOfViewY = 0.7853982f;

  Camera(const platform::Vector3& lookAt, const platform::Vector3& eye,
         const platform::Vector3& up);

  void RebuildMatrices();
  // Looks straight along +z from the eye.
  void ResetLookAt();
  void StartFade(const Color4& target, float duration);
  // Once per frame: glides the eye towards the target eye and runs the fade.
  void Update();
  void UpdateFade(float dt);

  platform::Vector3 lookAt;
  platform::Vector3 eye;
  platform::Vector3 targetEye;
  platform::Vector3 lastEye;
  platform::Vector3 up;
  platform::Matrix4 view;
  platform::Matrix4 perspective;
  uint8_t stationary = 0;
  uint8_t fading = 0;
  Shape* fadeShape = nullptr;
  float fadeDuration = 0.0f;
  float fadeElapsed = 0.0f;
  Color4 fadeTarget;
  float fadeCurrent[4] = {};  // alpha, red, green, blue
  float fadeRates[4] = {};    // per second
};
