#pragma once

#include <memory>
#include <span>

#include "enemies/EnemyAnimationPool.h"

// The DemoGoblin's states in table order. Each state asks for the animation of its own number.
enum DemoGoblinStateIndex : int {
  DemoGoblinIdling,
  DemoGoblinIdleWalking,
  DemoGoblinFalling,
  DemoGoblinDead,
  DemoGoblinBackAlerted,
  DemoGoblinFrontAlerted,
  DemoGoblinAttacking,
  DemoGoblinGuardBreakUp,
  DemoGoblinGuardBreakDown,
  DemoGoblinAlertIdling,
  DemoGoblinAlertWalking,
  DemoGoblinStateCount
};

// The frames of the DemoGoblin, all cut from the first texture of the goblins' group,
// Content\Textures\Characters\Goblin\goblin_frames.png.
class DemoGoblinAnimationPool : public EnemyAnimationPool {
 public:
  explicit DemoGoblinAnimationPool(const TextureGroup& textures);

  // Every frame in the pool's field order; a frame's chain successor is the next row of the
  // same animation. Animations that show another one's frames have no rows of their own.
  static std::span<const AnimationCell> Cells();

  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override;
  // The frames of that animation in chain order; a number without frames shows the idle frame.
  std::unique_ptr<Animation> GetAnimation(int number) override;
};
