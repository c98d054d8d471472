#include "npcs/NPCResources.h"

NPC* NPCResources::GetPrototype(int kind) const {
  return kind >= 0 && kind < NPCKindCount ? prototypes[kind].get() : nullptr;
}

int NPCResources::FindByName(const NPCResources& resources, const std::string& name) {
  for (int kind = 0; kind < NPCKindCount; ++kind) {
    const NPC* prototype = resources.GetPrototype(kind);
    if (prototype && prototype->name == name) return kind;
  }
  return -1;
}
