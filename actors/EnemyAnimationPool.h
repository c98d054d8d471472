#pragma once

#include <memory>
#include <vector>

#include "actors/Animation.h"

class Texture;

// The textures one or more enemy kinds draw from, in load order.
using TextureGroup = std::vector<std::unique_ptr<Texture>>;

// The frames of one enemy kind and the animations built from them. The frames belong to the
// pool; the animations it hands out point at them.
class EnemyAnimationPool {
 public:
  virtual ~EnemyAnimationPool() = default;
  EnemyAnimationPool(const EnemyAnimationPool&) = delete;
  EnemyAnimationPool& operator=(const EnemyAnimationPool&) = delete;

  // A new pool of the same class built from the texture group.
  virtual std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const = 0;
  // A new animation of that number; an unknown number gives CreateAnimation's.
  virtual std::unique_ptr<Animation> GetAnimation(int number) = 0;

  std::vector<std::unique_ptr<AnimationFrame>> frames;
  // The picture of an animation the pool has no frames for.
  AnimationFrame* defaultFrame = nullptr;

 protected:
  EnemyAnimationPool() = default;
};

// An animation that shows only the pool's default frame.
std::unique_ptr<Animation> CreateAnimation(const EnemyAnimationPool& pool);
