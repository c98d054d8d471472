#pragma once

#include <memory>
#include <span>

#include "enemies/IdlePoseAnimationPool.h"

// Both Nidhogglets are cut from Content\Textures\Characters\Nidhogglets\nidhogglets.png, the
// first texture of their list, in cells of 64 texels.
inline constexpr int NidhoggletCellSide = 64;

// The aggressive Nidhogglet: the idle loop and its dead pose, on the second row.
class NidhoggletAggressiveAnimationPool : public IdlePoseAnimationPool {
 public:
  explicit NidhoggletAggressiveAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order.
  static std::span<const AnimationCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
};

// The passive Nidhogglet: the idle loop and its defending pose, on the first row.
class NidhoggletPassiveAnimationPool : public IdlePoseAnimationPool {
 public:
  explicit NidhoggletPassiveAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order.
  static std::span<const AnimationCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
};
