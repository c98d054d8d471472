#pragma once

#include <memory>
#include <span>

#include "enemies/EnemyAnimationPool.h"

// A pool of two idle frames that loop and one held pose, shared by the Nidhogglets and the
// DemoWall: animation 1 is the pose, every other number the idle loop.
class IdlePoseAnimationPool : public EnemyAnimationPool {
 public:
  static constexpr int IdleAnimation = 0;
  static constexpr int PoseAnimation = 1;

  std::unique_ptr<Animation> GetAnimation(int number) override;

 protected:
  // The table's rows are the two idle frames, then the pose.
  IdlePoseAnimationPool(std::span<const AnimationCell> cells, const TextureGroup& textures);

 private:
  std::span<const AnimationCell> table;
};
