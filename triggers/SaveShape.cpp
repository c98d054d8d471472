#include "triggers/SaveShape.h"

#include "engine/GameStateSet.h"
#include "engine/draw/Circle.h"
#include "menus/MenuSave.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"
#include "world/World.h"

SaveShape::SaveShape(World* newWorld)
    : SavePoint(KindSave, newWorld, std::make_unique<Circle>()),
      regionCircle(dynamic_cast<Circle*>(region.get())) {}

void SaveShape::HandleInput(float) {
  GameStateSet* set = world ? world->set : nullptr;
  if (!set || !set->menuSave || !FirstPlayerActs()) return;
  set->SwitchTo(set->menuSave);
  set->menuSave->savePoint = this;
}

void SaveShape::Update(float) {
  if (npc && anchor) region->SetPosition(anchor->position);
}

std::unique_ptr<ModifierShape> SaveShape::ReadRecord(MapRecordReader& map, std::istream& fields,
                                                     std::unique_ptr<Shape>) {
  float radius = 0.0f;
  std::string anchorLetter;
  if (!(fields >> radius >> anchorLetter)) return nullptr;
  auto savePoint = std::make_unique<SaveShape>(&map.world);
  int32_t anchorId = 0;
  if (anchorLetter.front() == NpcAnchorLetter || anchorLetter.front() == ShapeAnchorLetter) {
    if (!(fields >> anchorId)) return nullptr;
  }
  if (anchorLetter.front() == NpcAnchorLetter) {
    NPC* npc = map.FindNpc(anchorId);
    savePoint->npc = npc;
    if (npc) savePoint->anchor = npc->body;
  } else if (anchorLetter.front() == ShapeAnchorLetter) {
    savePoint->anchor = map.FindPrimitive(anchorId);
  } else {
    float x = 0.0f;
    float y = 0.0f;
    if (!(fields >> x >> y)) return nullptr;
    savePoint->region->SetPosition({x, y, 0.0f});
  }
  float x = 0.0f;
  float y = 0.0f;
  if (!(fields >> x >> y)) return nullptr;
  savePoint->position = {x, y, 0.0f};
  savePoint->regionCircle->SetRadius(radius);
  savePoint->Update(0.0f);
  return savePoint;
}

void SaveShape::WriteRecord(MapRecordWriter& out) {
  const float radius = regionCircle ? regionCircle->radius : 0.0f;
  const platform::Vector3 at = region ? region->position : platform::Vector3{};
  const std::string atRegion =
      std::string(1, NoAnchorLetter) + ' ' + Number(at.x) + ' ' + Number(at.y);
  out.Append(std::string(1, SavePointLetter) + ' ' + Number(radius) + ' ' +
             out.AnchorFields(npc, anchor, atRegion) + ' ' + Number(position.x) + ' ' +
             Number(position.y) + '\n');
}
