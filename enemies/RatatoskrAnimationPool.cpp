#include "enemies/RatatoskrAnimationPool.h"

#include <array>

namespace {

constexpr float Step = 0.10000001f;
constexpr float Held = RatatoskrAnimationPool::FrameNeverEnds;

// A cell of the sheet by its column and row.
constexpr platform::PixelRect Cell(int column, int row) {
  constexpr int side = RatatoskrAnimationPool::CellSide;
  return GridCell(column, row, side, side);
}

// Luring reuses the running cells, Attacking5 the falling cell; the two leaps share a cell, as
// do preparing and skidding.
constexpr std::array<RatatoskrCell, 20> CellTable{{
    {L"m_frameIdle1", 0, Cell(0, 0), Held, RatatoskrIdling, "Idling", 0},
    {L"m_frameDead", 0, Cell(7, 0), Held, RatatoskrDead, "Dead", 0},
    {L"m_frameCautious", 0, Cell(1, 0), Held, RatatoskrCautious, "Cautious", 0},
    {L"m_frameRunning1", 0, Cell(5, 0), Step, RatatoskrRunning, "Running", 0},
    {L"m_frameRunning2", 0, Cell(4, 0), Step, RatatoskrRunning, "Running", 1},
    {L"m_frameBackAlerted", 0, Cell(2, 0), Held, RatatoskrBackAlerted, "BackAlerted", 0},
    {L"m_frameFrontAlerted", 0, Cell(3, 0), Held, RatatoskrFrontAlerted, "FrontAlerted", 0},
    {L"m_frameLuring1", 0, Cell(5, 0), Step, RatatoskrLuring, "Luring", 0},
    {L"m_frameLuring2", 0, Cell(4, 0), Step, RatatoskrLuring, "Luring", 1},
    {L"m_frameAttackPrepping", 0, Cell(0, 1), Held, RatatoskrAttackPrepping, "AttackPrepping", 0},
    {L"m_frameJumpAttacking", 0, Cell(2, 1), Held, RatatoskrJumpAttacking, "JumpAttacking", 0},
    {L"m_frameGroundAttacking", 0, Cell(2, 1), Held, RatatoskrGroundAttacking, "GroundAttacking",
     0},
    {L"m_frameSkidding", 0, Cell(0, 1), Held, RatatoskrSkidding, "Skidding", 0},
    {L"m_frameHurt", 0, Cell(6, 0), Held, RatatoskrHurt, "Hurt", 0},
    {L"m_frameFalling", 0, Cell(7, 1), Held, RatatoskrFalling, "Falling", 0},
    {L"m_frameAttacking1", 0, Cell(3, 1), Step, RatatoskrAttacking, "Attacking", 0},
    {L"m_frameAttacking2", 0, Cell(4, 1), Step, RatatoskrAttacking, "Attacking", 1},
    {L"m_frameAttacking3", 0, Cell(5, 1), Step, RatatoskrAttacking, "Attacking", 2},
    {L"m_frameAttacking4", 0, Cell(6, 1), Step, RatatoskrAttacking, "Attacking", 3},
    {L"m_frameAttacking5", 0, Cell(7, 1), Step, RatatoskrAttacking, "Attacking", 4},
}};

constexpr std::array<int, 2> LoopingAnimations{RatatoskrRunning, RatatoskrLuring};

}  // namespace

std::span<const RatatoskrCell> RatatoskrAnimationPool::Cells() { return CellTable; }

RatatoskrAnimationPool::RatatoskrAnimationPool(const TextureGroup& textures) {
  BuildFrames(CellTable, textures);
}

std::unique_ptr<EnemyAnimationPool> RatatoskrAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<RatatoskrAnimationPool>(textures);
}

std::unique_ptr<Animation> RatatoskrAnimationPool::GetAnimation(int number) {
  return CollectAnimation(CellTable, number, LoopingAnimations);
}
