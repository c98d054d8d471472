#include "triggers/CameraSetters.h"

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"

namespace {

// Where sprites show at their own size.
constexpr float NewCameraDepth = -DefaultSpriteScaleNumerator;
// The camera Z field starts at the depth a stationary camera usually takes.
constexpr const char* CameraZStart = "-11";

}  // namespace

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

std::vector<TriggerField> CameraDepthSetter::EditorFields() {
  return {TriggerFieldsOf<CameraDepthSetter>::Number(
      "Depth:", 1, [](const CameraDepthSetter& setter) { return setter.depth; },
      [](CameraDepthSetter& setter, float depth) { setter.depth = depth; })};
}

TriggerConversion CameraDepthSetter::Conversion() {
  return {"Convert to Camera Depth Setter",
          [](World& world, std::unique_ptr<Shape> region) -> std::unique_ptr<ModifierShape> {
            return std::make_unique<CameraDepthSetter>(&world, std::move(region), NewCameraDepth);
          }};
}

// X and Y share a row, so that the check box has a row to itself.
std::vector<TriggerField> CameraStationarySetter::EditorFields() {
  using Setter = CameraStationarySetter;
  using Fields = TriggerFieldsOf<Setter>;
  return {
      Fields::Number(
          "X:", 1, [](const Setter& setter) { return setter.cameraPosition.x; },
          [](Setter& setter, float x) { setter.cameraPosition.x = x; }, FieldColumn::FirstOfTwo),
      Fields::Number(
          "Y:", 1, [](const Setter& setter) { return setter.cameraPosition.y; },
          [](Setter& setter, float y) { setter.cameraPosition.y = y; }, FieldColumn::SecondOfTwo),
      Fields::Number(
          "Z:", 3, [](const Setter& setter) { return setter.cameraPosition.z; },
          [](Setter& setter, float z) { setter.cameraPosition.z = z; }, FieldColumn::FirstOfTwo,
          CameraZStart),
      Fields::CheckBox(
          " Camera Stationary", 2, [](const Setter& setter) { return setter.stationary != 0; },
          [](Setter& setter, bool stationary) { setter.stationary = stationary ? 1 : 0; }),
  };
}

TriggerConversion CameraStationarySetter::Conversion() {
  return {"Convert to Camera Stationary Setter",
          [](World& world, std::unique_ptr<Shape> region) -> std::unique_ptr<ModifierShape> {
            return std::make_unique<CameraStationarySetter>(
                &world, std::move(region), 0, platform::Vector3{0.0f, 0.0f, NewCameraDepth});
          }};
}
