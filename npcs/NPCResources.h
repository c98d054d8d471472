#pragma once

#include <array>
#include <memory>
#include <string>

#include "npcs/NPCAnimationPool.h"
#include "npcs/NPCCast.h"
#include "platform/MathTypes.h"

class NPC;
class Playfield;

// The world's pool of non-player characters, built once at start-up: each character's sheet
// and portrait, an animation pool and a prototype, under its kind number. Placing and clearing
// characters never changes it.
class NPCResources {
 public:
  NPCResources();
  ~NPCResources();
  NPCResources(const NPCResources&) = delete;
  NPCResources& operator=(const NPCResources&) = delete;

  // Makes every picture's record (each loaded when a map first places the character, or when
  // first drawn), then builds the pools, then the prototypes.
  void Load(Playfield* owner);
  void Free();

  // The kind of the first prototype named exactly so; -1 when none is.
  int FindByName(const std::string& name) const;
  // A new character of the kind at the place on a pool of its own, its pictures loading; null
  // for a kind outside 0 to 18 or before Load.
  std::unique_ptr<NPC> Place(long long kind, const platform::Vector3& position) const;

  // Null outside 0 to 18 and for a kind without a prototype.
  NPC* GetPrototype(int kind) const;

  std::array<std::unique_ptr<NPC>, NPCKindCount> prototypes;
  std::array<NPCTextures, NPCKindCount> textures;
  std::array<std::unique_ptr<NPCAnimationPool>, NPCKindCount> pools;
  Playfield* world = nullptr;  // not owned
};
