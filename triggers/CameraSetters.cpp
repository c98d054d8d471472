#include "triggers/CameraSetters.h"

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"

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

std::unique_ptr<ModifierShape> CameraDepthSetter::ReadRecord(MapRecordReader& map,
                                                             std::istream& fields,
                                                             std::unique_ptr<Shape> region) {
  float depth = 0.0f;
  if (!(fields >> depth)) return nullptr;
  return std::make_unique<CameraDepthSetter>(&map.world, std::move(region), depth);
}

void CameraDepthSetter::WriteRecord(MapRecordWriter& out) {
  out.AppendRegion(CameraDepthLetter, *this);
  out.Append(Number(depth) + '\n');
}

std::unique_ptr<ModifierShape> CameraStationarySetter::ReadRecord(MapRecordReader& map,
                                                                  std::istream& fields,
                                                                  std::unique_ptr<Shape> region) {
  uint8_t stationary = 0;
  platform::Vector3 eye;
  if (!ReadFlag(fields, stationary) || !ReadVector(fields, eye)) return nullptr;
  return std::make_unique<CameraStationarySetter>(&map.world, std::move(region), stationary, eye);
}

void CameraStationarySetter::WriteRecord(MapRecordWriter& out) {
  out.AppendRegion(CameraStationarySetterLetter, *this);
  out.Append(Flag(stationary) + ' ' + Number(cameraPosition.x) + ' ' + Number(cameraPosition.y) +
             ' ' + Number(cameraPosition.z) + '\n');
}
