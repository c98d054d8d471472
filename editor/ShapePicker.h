#pragma once

#include <cstdint>
#include <map>

#include "engine/DebugSwitches.h"
#include "platform/MathTypes.h"

class Shape;
class World;

// The container of the World a selection was picked from.
enum class SelectionOwner { None, Boundaries, Modifiers, Shapes, Sprites };

struct Pick {
  Shape* shape = nullptr;
  SelectionOwner owner = SelectionOwner::None;
};

// The map shape that contains the world point and whose position is nearest to it, in the xy
// plane. Boundaries and trigger regions are candidates only while collision is shown and only on
// selectable layers; textured shapes and sprites on layers both visible and selectable. Of
// candidates at the same distance the first wins: boundaries, regions, textured shapes, sprites,
// each by layer. When an actor's picture is nearest, nothing is picked. A layer the table lacks is
// entered with both flags clear.
Pick PickShapeAt(World& world, std::map<int32_t, LayerFlags>& layers, bool collisionShown,
                 const platform::Vector3& point);
