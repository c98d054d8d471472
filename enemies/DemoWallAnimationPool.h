#pragma once

#include <memory>
#include <span>

#include "enemies/IdlePoseAnimationPool.h"

// The DemoWall's frames, cut from Content\Textures\Characters\DemoWall\DemoWall.png, the first
// texture of its list: two standing frames and the broken wall, each 176 by 192 texels.
class DemoWallAnimationPool : public IdlePoseAnimationPool {
 public:
  static constexpr int CellWidth = 176;
  static constexpr int CellHeight = 192;

  explicit DemoWallAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order.
  static std::span<const AnimationCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
};
