#include "enemies/EnemyAnimationPool.h"

#include <algorithm>
#include <array>

#include "engine/Texture.h"

void EnemyAnimationPool::BuildFrames(std::span<const AnimationCell> cells,
                                     const TextureGroup& textures) {
  const size_t count = cells.size();
  std::vector<std::unique_ptr<AnimationFrame>> built(count);
  // Last first, so that each frame can point at the one that follows it.
  for (size_t i = count; i-- > 0;) {
    const AnimationCell& cell = cells[i];
    const bool chained = i + 1 < count && cells[i + 1].animation == cell.animation;
    const auto texture = static_cast<size_t>(cell.texture);
    Texture* sheet = texture < textures.size() ? textures[texture].get() : nullptr;
    built[i] =
        CreateAnimationFrame(cell.frame, cell.duration, chained ? built[i + 1].get() : nullptr,
                             sheet, CellCorners(cell.rect));
  }
  frames = std::move(built);
  defaultFrame = frames.empty() ? nullptr : frames.front().get();
}

std::unique_ptr<Animation> EnemyAnimationPool::CollectAnimation(
    std::span<const AnimationCell> cells, int number, bool loops) const {
  auto animation = std::make_unique<Animation>();
  for (size_t i = 0; i < cells.size() && i < frames.size(); ++i) {
    if (cells[i].animation == number) animation->frames.push_back(frames[i].get());
  }
  if (animation->frames.empty()) return CreateAnimation(*this);
  // One-frame animations keep length 0, even for a pose that never ends.
  if (animation->frames.size() > 1) {
    animation->length = ChainLength(animation->frames.front());
    animation->loop = loops ? 1 : 0;
  }
  return animation;
}

std::unique_ptr<Animation> EnemyAnimationPool::CollectAnimation(
    std::span<const AnimationCell> cells, int number, std::span<const int> looping) const {
  return CollectAnimation(cells, number, std::ranges::find(looping, number) != looping.end());
}

std::unique_ptr<Animation> CreateAnimation(const EnemyAnimationPool& pool) {
  auto animation = std::make_unique<Animation>();
  if (pool.defaultFrame) animation->frames.push_back(pool.defaultFrame);
  return animation;
}
