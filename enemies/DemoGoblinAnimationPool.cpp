#include "enemies/DemoGoblinAnimationPool.h"

#include <array>

namespace {

constexpr float Held = EnemyAnimationPool::FrameNeverEnds;
constexpr float Stride = 0.20000002f;
constexpr float Tick = 1.0f / 30.0f;
constexpr float TwoTicks = 2.0f / 30.0f;
constexpr float ThreeTicks = 0.10000001f;

// Its body is taller than the goblin's, so its pictures stand on a lower foot row than the
// goblin's and have rows of the goblin's plain sheet to themselves. The swing plays its first
// five cells forward and back, then four wider ones. Both guard breaks show the guarding cell,
// which the sheet has no other use for.
constexpr std::array<AnimationCell, 19> CellTable{{
    {L"m_frameIdling1", 0, {0, 384, 128, 512}, Held, DemoGoblinIdling, "Idling", 0},
    {L"m_frameIdleWalking1", 0, {384, 384, 512, 512}, Stride, DemoGoblinIdleWalking, "IdleWalking",
     0},
    {L"m_frameIdleWalking2", 0, {512, 384, 640, 512}, Stride, DemoGoblinIdleWalking, "IdleWalking",
     1},
    {L"m_frameIdleWalking3", 0, {640, 384, 768, 512}, Stride, DemoGoblinIdleWalking, "IdleWalking",
     2},
    {L"m_frameIdleWalking4", 0, {768, 384, 896, 512}, Stride, DemoGoblinIdleWalking, "IdleWalking",
     3},
    {L"m_frameFalling", 0, {896, 384, 1024, 512}, Held, DemoGoblinFalling, "Falling", 0},
    {L"m_frameDead", 0, {0, 128, 128, 256}, Held, DemoGoblinDead, "Dead", 0},
    {L"m_frameBackAlerted", 0, {256, 384, 384, 512}, Held, DemoGoblinBackAlerted, "BackAlerted", 0},
    {L"m_frameFrontAlerted", 0, {128, 384, 256, 512}, Held, DemoGoblinFrontAlerted, "FrontAlerted",
     0},
    {L"m_frameGuarding", 0, {128, 128, 256, 256}, Held, DemoGoblinGuardBreakUp, "Guarding", 0},
    {L"m_frameAttacking1", 0, {0, 768, 128, 896}, Tick, DemoGoblinAttacking, "Attacking", 0},
    {L"m_frameAttacking2", 0, {128, 768, 256, 896}, TwoTicks, DemoGoblinAttacking, "Attacking", 1},
    {L"m_frameAttacking3", 0, {256, 768, 384, 896}, ThreeTicks, DemoGoblinAttacking, "Attacking",
     2},
    {L"m_frameAttacking4", 0, {128, 768, 256, 896}, TwoTicks, DemoGoblinAttacking, "Attacking", 3},
    {L"m_frameAttacking5", 0, {0, 768, 128, 896}, Tick, DemoGoblinAttacking, "Attacking", 4},
    {L"m_frameAttacking6", 0, {384, 768, 640, 896}, Tick, DemoGoblinAttacking, "Attacking", 5},
    {L"m_frameAttacking7", 0, {640, 768, 1024, 896}, Tick, DemoGoblinAttacking, "Attacking", 6},
    {L"m_frameAttacking8", 0, {0, 896, 384, 1024}, Tick, DemoGoblinAttacking, "Attacking", 7},
    {L"m_frameAttacking9", 0, {384, 896, 768, 1024}, 1.0f, DemoGoblinAttacking, "Attacking", 8},
}};

constexpr std::array<int, 1> LoopingAnimations{DemoGoblinIdleWalking};

// The animation whose frames a number shows.
int ShownAnimation(int number) {
  switch (number) {
    case DemoGoblinAlertWalking: return DemoGoblinIdleWalking;
    case DemoGoblinGuardBreakDown: return DemoGoblinGuardBreakUp;
    default: return number;
  }
}

}  // namespace

std::span<const AnimationCell> DemoGoblinAnimationPool::Cells() { return CellTable; }

DemoGoblinAnimationPool::DemoGoblinAnimationPool(const TextureGroup& textures) {
  BuildFrames(CellTable, textures);
}

std::unique_ptr<EnemyAnimationPool> DemoGoblinAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<DemoGoblinAnimationPool>(textures);
}

std::unique_ptr<Animation> DemoGoblinAnimationPool::GetAnimation(int number) {
  return CollectAnimation(CellTable, ShownAnimation(number), LoopingAnimations);
}
