#include "enemies/DemoWallAnimationPool.h"

#include <array>

namespace {

constexpr float Step = 0.80000007f;
constexpr float Held = IdlePoseAnimationPool::FrameNeverEnds;
constexpr int Idle = IdlePoseAnimationPool::IdleAnimation;
constexpr int Pose = IdlePoseAnimationPool::PoseAnimation;

// The cells stand side by side along the top of the sheet.
constexpr platform::PixelRect Cell(int column) {
  return GridCell(column, 0, DemoWallAnimationPool::CellWidth, DemoWallAnimationPool::CellHeight);
}

constexpr std::array<AnimationCell, 3> CellTable{{
    {L"m_frameIdle1", 0, Cell(0), Step, Idle, "Idling", 0},
    {L"m_frameIdle2", 0, Cell(1), Step, Idle, "Idling", 1},
    {L"m_frameDead", 0, Cell(2), Held, Pose, "Dead", 0},
}};

}  // namespace

DemoWallAnimationPool::DemoWallAnimationPool(const TextureGroup& textures)
    : IdlePoseAnimationPool(CellTable, textures) {}

std::span<const AnimationCell> DemoWallAnimationPool::Cells() { return CellTable; }

std::unique_ptr<EnemyAnimationPool> DemoWallAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<DemoWallAnimationPool>(textures);
}
