#include "editor/ShapePicker.h"

#include <limits>

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "engine/draw/Shape.h"
#include "engine/draw/Sprite.h"
#include "world/ModifierShape.h"
#include "world/World.h"

Pick PickShapeAt(World& world, std::map<int32_t, LayerFlags>& layers, bool collisionShown,
                 const platform::Vector3& point) {
  Pick best;
  float bestDistance = std::numeric_limits<float>::max();
  auto offer = [&](Shape* shape, SelectionOwner owner) {
    if (!shape->ContainsPoint(point)) return;
    const float dx = shape->position.x - point.x;
    const float dy = shape->position.y - point.y;
    const float distance = dx * dx + dy * dy;
    if (distance < bestDistance) {
      best = {shape, owner};
      bestDistance = distance;
    }
  };
  auto shown = [&layers](int32_t layer) {
    const LayerFlags& flags = layers[layer];
    return flags.visible && flags.selectable;
  };
  if (collisionShown) {
    for (const auto& boundary : world.boundaries) {
      if (layers[boundary->layer].selectable) offer(boundary.get(), SelectionOwner::Boundaries);
    }
    for (const auto& modifier : world.modifiers) {
      Shape* region = modifier->region.get();
      if (region && layers[region->layer].selectable) offer(region, SelectionOwner::Modifiers);
    }
  }
  for (auto& [layer, entry] : world.shapeLayers.entries) {
    if (shown(layer)) offer(entry.item, SelectionOwner::Shapes);
  }
  for (auto& [layer, entry] : world.spriteLayers.entries) {
    if (shown(layer)) offer(entry.item, SelectionOwner::Sprites);
  }
  for (const Actor* actor : world.actors) {
    if (actor && best.shape && actor->sprite == best.shape) return {};
  }
  return best;
}
