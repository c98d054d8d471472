#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "enemies/EnemyAnimationPool.h"

class Enemy;
class Playfield;

// One enemy kind and everything it is known by.
struct EnemyKind {
  // Written first in the kind's map lines; its class reports the same number.
  int32_t number = 0;
  // The name of every enemy of the kind, by which the bestiary finds its prototype.
  std::string name;
  // The files of its texture group in load order. Kinds that list the same files share one group.
  std::vector<std::string> textures;
  // Its animation pool and its prototype, each made from its texture group.
  std::function<std::unique_ptr<EnemyAnimationPool>(const TextureGroup&)> makePool;
  std::function<std::unique_ptr<Enemy>(Playfield*, const TextureGroup&)> makePrototype;
};

// The kinds in kind order, numbered from 0.
using EnemyKindTable = std::vector<EnemyKind>;

// The enemies of the game, one row each.
const EnemyKindTable& RegisteredEnemyKinds();

int EnemyKindCount();

// Whether the number, taken whole, is one of the kinds.
bool IsEnemyKind(long long kind);

// The name of the kind of that number; empty for a number no kind has.
const std::string& EnemyKindName(int32_t kind);
