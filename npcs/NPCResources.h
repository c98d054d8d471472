#pragma once

class World;

// The world's pool of non-player characters: their sheets, portraits and prototypes. The
// characters are not registered yet, so the pool holds none.
class NPCResources {
 public:
  void Load(World* owner) { world = owner; }
  void Free() { world = nullptr; }

  World* world = nullptr;  // not owned
};
