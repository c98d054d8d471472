#pragma once

#include <memory>
#include <span>

#include "enemies/EnemyAnimationPool.h"

// The DemoEnemy's states in table order. Each state shows the animation of its own number.
enum DemoEnemyStateIndex : int {
  DemoEnemyIdling,
  DemoEnemyDashing,
  DemoEnemyBackDashing,
  DemoEnemyDodging,
  DemoEnemyGuarding,
  DemoEnemyGuardBreakUp,
  DemoEnemyGuardBreakDown,
  DemoEnemyJumping,
  DemoEnemyFalling,
  DemoEnemyAirDashing,
  DemoEnemyForwardAttacking,
  DemoEnemyDownAttacking,
  DemoEnemyUpAttacking,
  DemoEnemyNeutralAirAttacking,
  DemoEnemyForwardAirAttacking,
  DemoEnemyDownAirAttacking,
  DemoEnemyUpAirAttacking,
  DemoEnemyDowned,
  DemoEnemyStateCount
};

// The frames of the DemoEnemy, cut from its four sheets (the textures of its group):
// Content\Textures\Characters\DemoEnemy\demoEnemyAttackAnimationAtlas0.png to ...3.png.
class DemoEnemyAnimationPool : public EnemyAnimationPool {
 public:
  static constexpr int SheetSide = 1024;
  static constexpr int SheetCount = 4;

  explicit DemoEnemyAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order; a frame's chain successor is the next row of the
  // same animation. Poses that two animations share have one row each.
  static std::span<const AnimationCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
  // The frames of that state's animation in chain order, never looping, its length the sum of
  // their durations; null for a number outside the table.
  std::unique_ptr<Animation> GetAnimation(int number) override;
};
