#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "enemies/EnemyAnimationPool.h"

class Enemy;
class Playfield;

constexpr int EnemyKindCount = 7;

// How one enemy kind is made: its animation pool from its texture group, and its prototype.
struct EnemyKindEntry {
  std::function<std::unique_ptr<EnemyAnimationPool>(const TextureGroup&)> makePool;
  std::function<std::unique_ptr<Enemy>(Playfield*, const TextureGroup&)> makePrototype;
};

using EnemyKindTable = std::array<EnemyKindEntry, EnemyKindCount>;

// The enemies of the game in kind order: DemoEnemy, NidhoggletPassive, NidhoggletAggressive,
// Ratatoskr, Goblin, DemoGoblin, DemoWall. A kind that is not built yet has empty entries.
const EnemyKindTable& RegisteredEnemyKinds();

// The enemy catalogue of the world: the enemy textures, one animation pool and one prototype
// per kind. A kind that has no entry, or lies outside 0 to 6, has neither.
class EnemyResources {
 public:
  // The texture group each kind draws from.
  static constexpr std::array<int, EnemyKindCount> KindTextureGroup{0, 1, 1, 2, 3, 3, 4};

  EnemyResources();
  ~EnemyResources();
  EnemyResources(const EnemyResources&) = delete;
  EnemyResources& operator=(const EnemyResources&) = delete;

  void Load(Playfield* owner, const EnemyKindTable& kinds = RegisteredEnemyKinds());
  void Free();

  // Null outside 0 to 6 and for a kind without an entry.
  Enemy* GetPrototype(int kind) const;
  EnemyAnimationPool* GetAnimationPool(int kind) const;
  // The group of a kind in 0 to 6; null before Load.
  const TextureGroup* GetTextureGroup(int kind) const;

  std::array<std::unique_ptr<Enemy>, EnemyKindCount> prototypes;
  std::vector<TextureGroup> textureGroups;
  std::array<std::unique_ptr<EnemyAnimationPool>, EnemyKindCount> animationPools;
  Playfield* world = nullptr;  // not owned
};

// Whether the number, taken whole, is one of the kinds 0 to 6.
bool IsEnemyKind(long long kind);
