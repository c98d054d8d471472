#pragma once

#include <array>
#include <limits>
#include <memory>
#include <span>
#include <vector>

#include "actors/Animation.h"

class Texture;

// The textures one or more enemy kinds draw from, in load order.
using TextureGroup = std::vector<std::unique_ptr<Texture>>;

// The frames of one enemy kind and the animations built from them. The frames belong to the
// pool; the animations it hands out point at them.
class EnemyAnimationPool {
 public:
  // The duration of a pose that is held until the state changes.
  static constexpr float FrameNeverEnds = std::numeric_limits<float>::max();

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

  // One frame per cell, in table order; a frame's chain successor is the next row of the same
  // animation. The first frame is the default one.
  void BuildFrames(std::span<const AnimationCell> cells, const TextureGroup& textures);
  // The frames of that animation in chain order; with more than one it has the length of its
  // chain and the loop flag. CreateAnimation's when the table has no such animation.
  std::unique_ptr<Animation> CollectAnimation(std::span<const AnimationCell> cells, int number,
                                              bool loops) const;
  // The same, looping when the number is one of those listed.
  std::unique_ptr<Animation> CollectAnimation(std::span<const AnimationCell> cells, int number,
                                              std::span<const int> looping) const;
};

// An animation that shows only the pool's default frame.
std::unique_ptr<Animation> CreateAnimation(const EnemyAnimationPool& pool);
