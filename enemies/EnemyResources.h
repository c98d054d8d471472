#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "enemies/EnemyAnimationPool.h"
#include "enemies/EnemyKinds.h"

class Enemy;
class Playfield;

// The enemy catalogue of the world: the enemy textures, one animation pool and one prototype
// per kind of its table. A kind whose row makes none, or a number no kind has, has neither.
class EnemyResources {
 public:
  EnemyResources();
  ~EnemyResources();
  EnemyResources(const EnemyResources&) = delete;
  EnemyResources& operator=(const EnemyResources&) = delete;

  // The texture groups the rows list, in the order first listed, then the pools and the
  // prototypes, each in kind order.
  void Load(Playfield* owner, const EnemyKindTable& kinds = RegisteredEnemyKinds());
  void Free();

  // Null for a number no kind has and for a kind without a pool or prototype.
  Enemy* GetPrototype(int kind) const;
  EnemyAnimationPool* GetAnimationPool(int kind) const;
  // Null for a number no kind has, and before Load.
  const TextureGroup* GetTextureGroup(int kind) const;

  std::vector<std::unique_ptr<Enemy>> prototypes;
  std::vector<TextureGroup> textureGroups;
  std::vector<std::unique_ptr<EnemyAnimationPool>> animationPools;
  Playfield* world = nullptr;  // not owned

 private:
  // The group of those files, loaded the first time a kind lists them.
  size_t GroupOf(const std::vector<std::string>& files);

  // The group of each kind, by kind number.
  std::vector<size_t> kindGroups;
};
