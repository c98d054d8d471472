#pragma once

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
