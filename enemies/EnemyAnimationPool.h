#pragma once

#include <array>
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
  int animation;             // the animation's number
  const char* action;        // what the state that shows it does: "Idling", "Running" ...
  int place;                 // 0 for the first frame of the animation
};

// The cell at that column and row of a sheet cut into cells of one size, in texels.
constexpr platform::PixelRect GridCell(int column, int row, int width, int height) {
  return {column * width, row * height, (column + 1) * width, (row + 1) * height};
}

// A cell's texel corners in the frame order: (right, bottom), (left, bottom), (right, top),
// (left, top).
std::array<float, 8> CellCorners(const platform::PixelRect& rect);

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
  void BuildFrames(std::span<const EnemyCell> cells, const TextureGroup& textures);
  // The frames of that animation in chain order; with more than one it has the length of its
  // chain and the loop flag. CreateAnimation's when the table has no such animation.
  std::unique_ptr<Animation> CollectAnimation(std::span<const EnemyCell> cells, int number,
                                              bool loops) const;
  // The same, looping when the number is one of those listed.
  std::unique_ptr<Animation> CollectAnimation(std::span<const EnemyCell> cells, int number,
                                              std::span<const int> looping) const;
};

// An animation that shows only the pool's default frame.
std::unique_ptr<Animation> CreateAnimation(const EnemyAnimationPool& pool);
