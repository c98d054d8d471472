#pragma once

#include <limits>
#include <memory>
#include <span>
#include <vector>

#include "actors/Animation.h"
#include "platform/Vertex.h"

class Texture;

// The textures one or more enemy kinds draw from, in load order.
using TextureGroup = std::vector<std::unique_ptr<Texture>>;

// One cell of an enemy's sheet: a frame of its pool and the animation that plays it. A pool
// builds its frames from its table of cells, and the sheet's picture is drawn from the same
// table.
struct EnemyCell {
  const wchar_t* frame;      // the frame's name
  int texture;               // index in the pool's texture list
  platform::PixelRect rect;  // texels: left, top, right, bottom
  float duration;            // seconds
  int animation;             // the animation's number, which is also its state's index
  const char* action;        // what that state does: "Idling", "Running" ...
  int place;                 // 0 for the first frame of the animation
};

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

  // One frame per cell, in table order; a cell's frame leads on to the next cell's when both
  // belong to the same animation. The first frame is the default one.
  void BuildFrames(std::span<const EnemyCell> cells, const TextureGroup& textures);
  // The frames of that animation's cells in chain order, looping when the number is listed; a
  // number without cells gives CreateAnimation's. One-frame animations keep length 0, even for
  // a pose that never ends.
  std::unique_ptr<Animation> AnimationFromCells(std::span<const EnemyCell> cells, int number,
                                                std::span<const int> looping) const;
};

// An animation that shows only the pool's default frame.
std::unique_ptr<Animation> CreateAnimation(const EnemyAnimationPool& pool);
