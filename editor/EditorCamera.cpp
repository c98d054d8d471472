#include "editor/EditorCamera.h"

#include "engine/Camera.h"
#include "engine/VectorMath.h"

namespace EditorCamera {

void PlaceEye(Camera& camera, const platform::Vector3& eye) {
  camera.lastEye = camera.eye;
  camera.eye = eye;
  camera.targetEye = eye;
  camera.ResetLookAt();
}

void PanByPixels(Camera& camera, int dx, int dy) {
  const platform::Vector3 shift =
      ScreenSizeToWorld3(static_cast<float>(-dx), static_cast<float>(dy), 0.0f, 0.0f);
  PlaceEye(camera, camera.eye + shift);
}

bool ZoomBy(Camera& camera, float dz) {
  const float z = camera.eye.z + dz;
  if (z < FarthestEyeZ || z > NearestEyeZ) return false;
  PlaceEye(camera, {camera.eye.x, camera.eye.y, z});
  return true;
}

}  // namespace EditorCamera
