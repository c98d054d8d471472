#include "actors/EnemyAnimationPool.h"

std::unique_ptr<Animation> CreateAnimation(const EnemyAnimationPool& pool) {
  auto animation = std::make_unique<Animation>();
  if (pool.defaultFrame) animation->frames.push_back(pool.defaultFrame);
  return animation;
}
