#include "world/ModifierShape.h"

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "engine/Controls.h"
#include "player/Player.h"
#include "world/World.h"

ModifierShape::ModifierShape(int32_t newKind, World* newWorld, std::unique_ptr<Shape> newRegion)
    : kind(newKind), world(newWorld), region(std::move(newRegion)) {}

ModifierShape::~ModifierShape() = default;

Player* ModifierShape::FirstPlayer() const { return world ? world->GetFirstPlayer() : nullptr; }

const Controls* ModifierShape::FirstPlayerControls() const {
  const Player* player = FirstPlayer();
  return player ? player->controls : nullptr;
}

bool ModifierShape::Reaches(const Actor* actor) const {
  if (!actor || !actor->body || !region) return false;
  const Shape& body = *actor->body;
  const float dx = body.position.x - region->position.x;
  const float dy = body.position.y - region->position.y;
  const float reach = body.extent + region->extent;
  return reach * reach > dx * dx + dy * dy;
}

bool ModifierShape::Contains(const Actor* actor) const {
  return Reaches(actor) && Collide(region.get(), actor->body);
}

bool ModifierShape::FirstPlayerActs() const {
  const Actor* player = FirstPlayer();
  const Controls* controls = FirstPlayerControls();
  return player && controls && controls->IsAction1Pressed(controls->activePad) &&
         player->onGround && Reaches(player);
}
