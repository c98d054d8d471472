#pragma once

#include <limits>
#include <string>

#include "npcs/NPC.h"
#include "world/World.h"

// The loaded map's first trigger of the kind; of a kind that has a character, the first whose
// character has the name, when a name is given.
template <typename Shape>
Shape* FindTrigger(const World& world, const std::string& npcName = "") {
  for (const auto& modifier : world.modifiers) {
    auto* shape = dynamic_cast<Shape*>(modifier.get());
    if (!shape) continue;
    if constexpr (requires { shape->npc; }) {
      if (!npcName.empty() && (!shape->npc || shape->npc->name != npcName)) continue;
    }
    return shape;
  }
  return nullptr;
}

// The loaded map's trigger of the kind, of those that count, that stands last before the place.
template <typename Trigger>
Trigger* LastTriggerBefore(const World& world,
                           float x = std::numeric_limits<float>::infinity(),
                           bool (*counts)(const Trigger&) = nullptr) {
  Trigger* last = nullptr;
  for (const auto& modifier : world.modifiers) {
    auto* trigger = dynamic_cast<Trigger*>(modifier.get());
    if (!trigger || (counts && !counts(*trigger)) || trigger->region->position.x >= x) continue;
    if (!last || trigger->region->position.x > last->region->position.x) last = trigger;
  }
  return last;
}
