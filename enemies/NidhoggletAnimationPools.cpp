#include "enemies/NidhoggletAnimationPools.h"

#include <array>

namespace {

constexpr float Step = 0.40000004f;
constexpr float Held = IdlePoseAnimationPool::FrameNeverEnds;
// The passive one's defending pose lasts this long; it is never entered.
constexpr float DefendingHold = 1.1342745e37f;
constexpr int Idle = IdlePoseAnimationPool::IdleAnimation;
constexpr int Pose = IdlePoseAnimationPool::PoseAnimation;

// A cell of the sheet by its column and row.
constexpr platform::PixelRect Cell(int column, int row) {
  return GridCell(column, row, NidhoggletCellSide, NidhoggletCellSide);
}

constexpr std::array<AnimationCell, 3> AggressiveCells{{
    {L"m_frameIdle1", 0, Cell(0, 1), Step, Idle, "Idling", 0},
    {L"m_frameIdle2", 0, Cell(1, 1), Step, Idle, "Idling", 1},
    {L"m_frameDead", 0, Cell(2, 1), Held, Pose, "Dead", 0},
}};

constexpr std::array<AnimationCell, 3> PassiveCells{{
    {L"m_frameIdle1", 0, Cell(0, 0), Step, Idle, "Idling", 0},
    {L"m_frameIdle2", 0, Cell(1, 0), Step, Idle, "Idling", 1},
    {L"m_frameDefending", 0, Cell(4, 0), DefendingHold, Pose, "Defending", 0},
}};

}  // namespace

NidhoggletAggressiveAnimationPool::NidhoggletAggressiveAnimationPool(const TextureGroup& textures)
    : IdlePoseAnimationPool(AggressiveCells, textures) {}

std::span<const AnimationCell> NidhoggletAggressiveAnimationPool::Cells() {
  return AggressiveCells;
}

std::unique_ptr<EnemyAnimationPool> NidhoggletAggressiveAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<NidhoggletAggressiveAnimationPool>(textures);
}

NidhoggletPassiveAnimationPool::NidhoggletPassiveAnimationPool(const TextureGroup& textures)
    : IdlePoseAnimationPool(PassiveCells, textures) {}

std::span<const AnimationCell> NidhoggletPassiveAnimationPool::Cells() { return PassiveCells; }

std::unique_ptr<EnemyAnimationPool> NidhoggletPassiveAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<NidhoggletPassiveAnimationPool>(textures);
}
