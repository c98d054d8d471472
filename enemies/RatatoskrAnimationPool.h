#pragma once

#include <memory>
#include <span>

#include "enemies/EnemyAnimationPool.h"

// The Ratatoskr's states in table order. Each state shows the animation of its own number.
enum RatatoskrStateIndex : int {
  RatatoskrIdling,
  RatatoskrDead,
  RatatoskrCautious,
  RatatoskrRunning,
  RatatoskrBackAlerted,
  RatatoskrFrontAlerted,
  RatatoskrLuring,
  RatatoskrAttackPrepping,
  RatatoskrJumpAttacking,
  RatatoskrGroundAttacking,
  RatatoskrSkidding,
  RatatoskrHurt,
  RatatoskrFalling,
  RatatoskrAttacking,
  RatatoskrStateCount
};

// The Ratatoskr's rows of the shared cell layout; each animation's number is also its state's
// index. Texture 0 of the Ratatoskr's list is Content\Textures\Characters\Ratatoskr\Ratatoskr.png.
using RatatoskrCell = AnimationCell;

// The frames of the Ratatoskr, all cut from the first texture of its list.
class RatatoskrAnimationPool : public EnemyAnimationPool {
 public:
  static constexpr int CellSide = 128;
  static constexpr int SheetSide = 1024;

  explicit RatatoskrAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order; a frame's chain successor is the next row of the
  // same animation.
  static std::span<const RatatoskrCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
  // The frames of that animation in chain order; a number without frames shows the idle frame.
  std::unique_ptr<Animation> GetAnimation(int number) override;
};
