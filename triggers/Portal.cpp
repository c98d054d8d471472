#include "triggers/Portal.h"

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "engine/Camera.h"
#include "engine/Globals.h"
#include "engine/MapPaths.h"
#include "player/Player.h"
#include "world/LoadingScreen.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"
#include "world/World.h"

namespace {

constexpr Color4 Transparent{0, 0, 0, 0};

// The target without the maps folder in front, when it has it.
std::string TargetMapName(const Portal& portal) {
  const std::string folder = MapsFolder;
  const std::string& target = portal.targetMap;
  return target.compare(0, folder.size(), folder) == 0 ? target.substr(folder.size()) : target;
}

}  // namespace

Portal::Portal(World* newWorld, std::unique_ptr<Shape> newRegion, std::string newTargetMap,
               const platform::Vector3& newTargetPosition)
    : ModifierShape(KindPortal, newWorld, std::move(newRegion)),
      targetMap(std::move(newTargetMap)),
      targetPosition(newTargetPosition) {}

void Portal::Update(float dt) {
  if (!world) return;
  timer += dt;
  if (!triggered && Contains(FirstPlayer())) {
    if (instantWhenSameMap && targetMap == world->GetMapName()) {
      MovePlayers(false);
    } else {
      timer = 0.0f;
      triggered = 1;
      if (MainCamera) MainCamera->StartFade(ColorBlack, FadeSeconds);
    }
  }
  if (!triggered || timer < FadeSeconds) return;
  if (targetMap != world->GetMapName()) {
    ShowMapLoadingScreen();
    // This portal goes to the deferred-delete list here and stays valid to the frame's end.
    world->ClearLevel();
    ProgressTextPosition = MapLoadTextPosition;
    world->LoadMap(targetMap);
    mapChanged = 1;
  } else if (MainCamera) {
    MainCamera->StartFade(Transparent, FadeSeconds);
  }
  timer = 0.0f;
  triggered = 0;
  MovePlayers(true);
}

void Portal::MovePlayers(bool arriving) {
  for (Player* player : world->players) {
    if (!player || !player->body) continue;
    player->PlaceHud(player->ComputeHudAnchor());
    BoundingQuad& body = *player->body;
    body.SetPosition(targetPosition);
    if (!arriving) continue;
    body.SetVelocity(0.0f, 0.0f, 0.0f);
    player->ClearContacts();
    player->SwitchState(SlotIdling);
  }
}

std::unique_ptr<ModifierShape> Portal::ReadRecord(MapRecordReader& map, std::istream& fields,
                                                  std::unique_ptr<Shape> region) {
  std::string target;
  float x = 0.0f;
  float y = 0.0f;
  if (!(fields >> target >> x >> y)) return nullptr;
  if (target == NoTargetToken) target.clear();
  return std::make_unique<Portal>(&map.world, std::move(region), target,
                                  platform::Vector3{x, y, 0.0f});
}

void Portal::WriteRecord(MapRecordWriter& out) {
  out.AppendRegion(PortalLetter, *this);
  out.Append((targetMap.empty() ? std::string(NoTargetToken) : targetMap) + ' ' +
             Number(targetPosition.x) + ' ' + Number(targetPosition.y) + '\n');
}

// The target stays in the map's plane.
std::vector<TriggerField> Portal::EditorFields() {
  using Fields = TriggerFieldsOf<Portal>;
  return {
      Fields::Number(
          "Pos X:", 2, [](const Portal& portal) { return portal.targetPosition.x; },
          [](Portal& portal, float x) {
            portal.targetPosition = {x, portal.targetPosition.y, 0.0f};
          }),
      Fields::Number(
          "Y:", 3, [](const Portal& portal) { return portal.targetPosition.y; },
          [](Portal& portal, float y) {
            portal.targetPosition = {portal.targetPosition.x, y, 0.0f};
          }),
      Fields::MapChoice("Set Map", 0, &TargetMapName,
                        [](Portal& portal, const std::string& path) { portal.SetTargetMap(path); }),
  };
}

TriggerConversion Portal::Conversion() {
  return {"Convert to Portal",
          [](World& world, std::unique_ptr<Shape> region) -> std::unique_ptr<ModifierShape> {
            return std::make_unique<Portal>(&world, std::move(region), world.GetMapName(),
                                            platform::Vector3{});
          }};
}
