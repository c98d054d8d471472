#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "actors/Actor.h"

class EnemyAnimationPool;
class EnemyResources;

// What every enemy shares: its kind in the catalogue, the map line it is made from and written
// to, and the experience it pays when it dies.
class Enemy : public Actor {
 public:
  static constexpr int32_t ActorKindEnemy = 1;

  explicit Enemy(std::string name);

  // A new enemy of the same class at that place.
  virtual std::unique_ptr<Enemy> CreateAt(World* owner, float x, float y, float z,
                                          uint8_t flag) = 0;
  // Reads one enemy line of a map (an integer, three floats, a flag) and builds the enemy,
  // which takes over the animation pool.
  virtual std::unique_ptr<Enemy> ReadRecord(std::istream& in, World* owner,
                                            std::unique_ptr<EnemyAnimationPool> pool) = 0;
  // The boundary pass and friction.
  virtual void StepPhysics(float dt) = 0;
  // The enemy's map line, its kind first.
  virtual void WriteRecord(std::ostream& out) = 0;

  // A new pool of the kind's class from its texture group; kinds outside 1 to 6 take the pool
  // of kind 0. Null when that pool is not in the catalogue.
  static std::unique_ptr<EnemyAnimationPool> CreateAnimationPool(const EnemyResources& resources,
                                                                 int kind);
  // The kind of the first prototype named exactly so; -1 when none is.
  static int FindKindByName(const EnemyResources& resources, const std::string& name);

  // Pays the total given experience to the world's first player. False, and nothing paid,
  // while the world has no player.
  bool GiveExperience();

  // The kind number of the catalogue, 0 to 6.
  int32_t enemyKind = 0;
};
