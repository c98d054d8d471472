#include "enemies/GoblinAnimationPool.h"

#include <array>

namespace {

constexpr float Held = EnemyAnimationPool::FrameNeverEnds;
constexpr float Stride = 0.20000002f;
constexpr float GuardStep = 0.33333334f;
constexpr float PushStep = 0.26666668f;
constexpr float Tick = 0.033333335f;
constexpr float TwoTicks = 0.06666667f;
constexpr float ThreeTicks = 0.10000001f;
constexpr float SevenTicks = 0.23333335f;

constexpr int Plain = 0;
constexpr int Shielded = 1;

// The shielded twins of the idle, walking, falling and alerted poses use the plain cells; the
// four guard breaks, which the sheets have no cells of their own for, show the falling, guarding
// and blocking cells.
constexpr std::array<AnimationCell, 53> CellTable{{
    {L"m_frameIdling1", Plain, {0, 0, 128, 128}, Held, GoblinIdling, "Idling", 0},
    {L"m_frameIdlingWithShield1", Shielded, {0, 0, 128, 128}, Held, GoblinIdlingWithShield,
     "IdlingWithShield", 0},
    {L"m_frameIdleWalking1", Plain, {384, 0, 512, 128}, Stride, GoblinIdleWalking, "IdleWalking",
     0},
    {L"m_frameIdleWalking2", Plain, {512, 0, 640, 128}, Stride, GoblinIdleWalking, "IdleWalking",
     1},
    {L"m_frameIdleWalking3", Plain, {640, 0, 768, 128}, Stride, GoblinIdleWalking, "IdleWalking",
     2},
    {L"m_frameIdleWalking4", Plain, {768, 0, 896, 128}, Stride, GoblinIdleWalking, "IdleWalking",
     3},
    {L"m_frameIdleWalkingWithShield1", Plain, {384, 0, 512, 128}, Stride,
     GoblinIdleWalkingWithShield, "IdleWalkingWithShield", 0},
    {L"m_frameIdleWalkingWithShield2", Plain, {512, 0, 640, 128}, Stride,
     GoblinIdleWalkingWithShield, "IdleWalkingWithShield", 1},
    {L"m_frameIdleWalkingWithShield3", Plain, {640, 0, 768, 128}, Stride,
     GoblinIdleWalkingWithShield, "IdleWalkingWithShield", 2},
    {L"m_frameIdleWalkingWithShield4", Plain, {768, 0, 896, 128}, Stride,
     GoblinIdleWalkingWithShield, "IdleWalkingWithShield", 3},
    {L"m_frameFalling", Plain, {896, 0, 1024, 128}, Held, GoblinFalling, "Falling", 0},
    {L"m_frameFallingWithShield", Shielded, {896, 0, 1024, 128}, Held, GoblinFallingWithShield,
     "FallingWithShield", 0},
    {L"m_frameDead", Plain, {512, 256, 640, 384}, Held, GoblinDead, "Dead", 0},
    {L"m_frameBackAlerted", Plain, {256, 0, 384, 128}, Held, GoblinBackAlerted, "BackAlerted", 0},
    {L"m_frameFrontAlerted", Plain, {128, 0, 256, 128}, Held, GoblinFrontAlerted, "FrontAlerted",
     0},
    {L"m_frameBackAlertedWithShield", Shielded, {256, 0, 384, 128}, Held,
     GoblinBackAlertedWithShield, "BackAlertedWithShield", 0},
    {L"m_frameFrontAlertedWithShield", Shielded, {128, 0, 256, 128}, Held,
     GoblinFrontAlertedWithShield, "FrontAlertedWithShield", 0},
    {L"m_frameGuarding", Plain, {256, 128, 384, 256}, Held, GoblinGuarding, "Guarding", 0},
    {L"m_frameForwardGuardWalking1", Plain, {0, 256, 128, 384}, GuardStep,
     GoblinForwardGuardWalking, "ForwardGuardWalking", 0},
    {L"m_frameForwardGuardWalking2", Plain, {128, 256, 256, 384}, GuardStep,
     GoblinForwardGuardWalking, "ForwardGuardWalking", 1},
    {L"m_frameForwardGuardWalking3", Plain, {256, 256, 384, 384}, GuardStep,
     GoblinForwardGuardWalking, "ForwardGuardWalking", 2},
    {L"m_frameForwardGuardWalking4", Plain, {384, 256, 512, 384}, GuardStep,
     GoblinForwardGuardWalking, "ForwardGuardWalking", 3},
    {L"m_frameBackwardGuardWalking1", Shielded, {384, 256, 512, 384}, GuardStep,
     GoblinBackwardGuardWalking, "BackwardGuardWalking", 0},
    {L"m_frameBackwardGuardWalking2", Shielded, {256, 256, 384, 384}, GuardStep,
     GoblinBackwardGuardWalking, "BackwardGuardWalking", 1},
    {L"m_frameBackwardGuardWalking3", Shielded, {128, 256, 256, 384}, GuardStep,
     GoblinBackwardGuardWalking, "BackwardGuardWalking", 2},
    {L"m_frameBackwardGuardWalking4", Shielded, {0, 256, 128, 384}, GuardStep,
     GoblinBackwardGuardWalking, "BackwardGuardWalking", 3},
    {L"m_frameShieldPushing1", Shielded, {384, 128, 512, 256}, GuardStep, GoblinShieldPushing,
     "ShieldPushing", 0},
    {L"m_frameShieldPushing2", Shielded, {512, 128, 640, 256}, PushStep, GoblinShieldPushing,
     "ShieldPushing", 1},
    {L"m_frameShieldPushing3", Shielded, {640, 128, 768, 256}, GuardStep, GoblinShieldPushing,
     "ShieldPushing", 2},
    {L"m_frameShieldPushing4", Shielded, {768, 128, 896, 256}, GuardStep, GoblinShieldPushing,
     "ShieldPushing", 3},
    {L"m_frameAttacking1", Plain, {0, 512, 128, 640}, Tick, GoblinAttacking, "Attacking", 0},
    {L"m_frameAttacking2", Plain, {128, 512, 256, 640}, TwoTicks, GoblinAttacking, "Attacking", 1},
    {L"m_frameAttacking3", Plain, {256, 512, 384, 640}, ThreeTicks, GoblinAttacking, "Attacking",
     2},
    {L"m_frameAttacking4", Plain, {128, 512, 256, 640}, TwoTicks, GoblinAttacking, "Attacking", 3},
    {L"m_frameAttacking5", Plain, {0, 512, 128, 640}, Tick, GoblinAttacking, "Attacking", 4},
    {L"m_frameAttacking6", Plain, {384, 512, 640, 640}, Tick, GoblinAttacking, "Attacking", 5},
    {L"m_frameAttacking7", Plain, {640, 512, 1024, 640}, Tick, GoblinAttacking, "Attacking", 6},
    {L"m_frameAttacking8", Plain, {0, 640, 384, 768}, Tick, GoblinAttacking, "Attacking", 7},
    {L"m_frameAttacking9", Plain, {384, 640, 768, 768}, 1.0f, GoblinAttacking, "Attacking", 8},
    {L"m_frameAttackingWithShield1", Shielded, {0, 512, 192, 640}, SevenTicks,
     GoblinAttackingWithShield, "AttackingWithShield", 0},
    {L"m_frameAttackingWithShield2", Shielded, {256, 512, 448, 640}, TwoTicks,
     GoblinAttackingWithShield, "AttackingWithShield", 1},
    {L"m_frameAttackingWithShield3", Shielded, {512, 512, 704, 640}, TwoTicks,
     GoblinAttackingWithShield, "AttackingWithShield", 2},
    {L"m_frameAttackingWithShield4", Shielded, {256, 512, 448, 640}, Tick,
     GoblinAttackingWithShield, "AttackingWithShield", 3},
    {L"m_frameAttackingWithShield5", Shielded, {0, 512, 192, 640}, GuardStep,
     GoblinAttackingWithShield, "AttackingWithShield", 4},
    {L"m_frameAttackingWithShield6", Shielded, {768, 512, 960, 640}, GuardStep,
     GoblinAttackingWithShield, "AttackingWithShield", 5},
    {L"m_frameAttackingWithShield7", Shielded, {0, 640, 256, 768}, GuardStep,
     GoblinAttackingWithShield, "AttackingWithShield", 6},
    {L"m_frameAttackingWithShield8", Shielded, {256, 640, 512, 768}, GuardStep,
     GoblinAttackingWithShield, "AttackingWithShield", 7},
    {L"m_frameAttackingWithShield9", Shielded, {512, 640, 768, 768}, GuardStep,
     GoblinAttackingWithShield, "AttackingWithShield", 8},
    {L"m_frameBlocking", Shielded, {256, 128, 384, 256}, Held, GoblinBlocking, "Blocking", 0},
    {L"m_frameGuardBreakUp", Plain, {896, 0, 1024, 128}, Held, GoblinGuardBreakUp,
     "GuardBreakUp", 0},
    {L"m_frameGuardBreakDown", Plain, {256, 128, 384, 256}, Held, GoblinGuardBreakDown,
     "GuardBreakDown", 0},
    {L"m_frameGuardBreakUpWithShield", Shielded, {896, 0, 1024, 128}, Held,
     GoblinGuardBreakUpWithShield, "GuardBreakUpWithShield", 0},
    {L"m_frameGuardBreakDownWithShield", Shielded, {256, 128, 384, 256}, Held,
     GoblinGuardBreakDownWithShield, "GuardBreakDownWithShield", 0},
}};

constexpr std::array<int, 4> LoopingAnimations{GoblinIdleWalking, GoblinIdleWalkingWithShield,
                                               GoblinForwardGuardWalking,
                                               GoblinBackwardGuardWalking};

}  // namespace

std::span<const AnimationCell> GoblinAnimationPool::Cells() { return CellTable; }

GoblinAnimationPool::GoblinAnimationPool(const TextureGroup& textures) {
  BuildFrames(CellTable, textures);
}

std::unique_ptr<EnemyAnimationPool> GoblinAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<GoblinAnimationPool>(textures);
}

std::unique_ptr<Animation> GoblinAnimationPool::GetAnimation(int number) {
  return CollectAnimation(CellTable, number, LoopingAnimations);
}
