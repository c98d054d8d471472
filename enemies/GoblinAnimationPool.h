#pragma once

#include <memory>
#include <span>

#include "enemies/EnemyAnimationPool.h"

// The Goblin's states in table order. Each state shows the animation of its own number.
enum GoblinStateIndex : int {
  GoblinIdling,
  GoblinIdlingWithShield,
  GoblinIdleWalking,
  GoblinIdleWalkingWithShield,
  GoblinFalling,
  GoblinFallingWithShield,
  GoblinDead,
  GoblinBackAlerted,
  GoblinFrontAlerted,
  GoblinBackAlertedWithShield,
  GoblinFrontAlertedWithShield,
  GoblinGuarding,
  GoblinForwardGuardWalking,
  GoblinBackwardGuardWalking,
  GoblinShieldPushing,
  GoblinAttacking,
  GoblinAttackingWithShield,
  GoblinBlocking,
  GoblinGuardBreakUp,
  GoblinGuardBreakDown,
  GoblinGuardBreakUpWithShield,
  GoblinGuardBreakDownWithShield,
  GoblinStateCount
};

// The frames of the Goblin, cut from its two textures: 0 is
// Content\Textures\Characters\Goblin\goblin_frames.png, 1 is
// Content\Textures\Characters\Goblin\goblin_shielded.png. Most cells are 128 texels square;
// the swings are wider.
class GoblinAnimationPool : public EnemyAnimationPool {
 public:
  static constexpr int SheetSide = 1024;

  explicit GoblinAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order; a frame's chain successor is the next row of the
  // same animation.
  static std::span<const AnimationCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
  // The frames of that animation in chain order; a number without frames shows the idle frame.
  std::unique_ptr<Animation> GetAnimation(int number) override;
};
