#include "enemies/IdlePoseAnimationPool.h"

IdlePoseAnimationPool::IdlePoseAnimationPool(std::span<const AnimationCell> cells,
                                             const TextureGroup& textures)
    : table(cells) {
  BuildFrames(cells, textures);
}

std::unique_ptr<Animation> IdlePoseAnimationPool::GetAnimation(int number) {
  if (number == PoseAnimation) return CollectAnimation(table, PoseAnimation, false);
  return CollectAnimation(table, IdleAnimation, true);
}
