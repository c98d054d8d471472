#pragma once

#include <array>
#include <memory>
#include <string>

#include "npcs/NPC.h"

class World;

constexpr int NPCKindCount = 19;

// The world's pool of non-player characters: their sheets, portraits and prototypes. The
// characters are not registered yet, so the pool holds no prototype.
class NPCResources {
 public:
  void Load(World* owner) { world = owner; }
  void Free() { world = nullptr; }

  // Null outside 0 to 18 and for a kind without a prototype.
  NPC* GetPrototype(int kind) const;
  // The kind of the first prototype named exactly so; -1 when none is.
  static int FindByName(const NPCResources& resources, const std::string& name);

  std::array<std::unique_ptr<NPC>, NPCKindCount> prototypes;
  World* world = nullptr;  // not owned
};
