#include "triggers/SaveShape.h"

#include "engine/GameStateSet.h"
#include "engine/draw/Circle.h"
#include "menus/MenuSave.h"
#include "player/Player.h"
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
