#include "triggers/CameraSetters.h"

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "player/Player.h"

CameraDepthSetter::CameraDepthSetter(World* newWorld, std::unique_ptr<Shape> newRegion,
                                     float newDepth)
    : ModifierShape(KindCameraDepth, newWorld, std::move(newRegion)), depth(newDepth) {}

void CameraDepthSetter::Update(float) {
  if (!MainCamera || !Contains(FirstPlayer())) return;
  MainCamera->targetEye = {MainCamera->eye.x, MainCamera->eye.y, depth};
}

CameraStationarySetter::CameraStationarySetter(World* newWorld, std::unique_ptr<Shape> newRegion,
                                               uint8_t newStationary,
                                               const platform::Vector3& position)
    : ModifierShape(KindCameraStationary, newWorld, std::move(newRegion)),
      stationary(newStationary),
      cameraPosition(position) {}

void CameraStationarySetter::Update(float) {
  if (!MainCamera || !Contains(FirstPlayer())) return;
  if (!stationary) {
    MainCamera->stationary = 0;
    return;
  }
  MainCamera->stationary = 1;
  MainCamera->targetEye = cameraPosition;
  MainCamera->ResetLookAt();
}
