#include "enemies/RatatoskrAnimationPool.h"

#include <algorithm>
#include <array>

#include "engine/Texture.h"

namespace {

constexpr float Step = 0.10000001f;
constexpr float Held = RatatoskrAnimationPool::FrameNeverEnds;

// A cell of the sheet by its column and row.
constexpr platform::PixelRect Cell(int column, int row) {
  constexpr int side = RatatoskrAnimationPool::CellSide;
  return {column * side, row * side, (column + 1) * side, (row + 1) * side};
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

// Texel corners in the frame order: (right, bottom), (left, bottom), (right, top), (left, top).
std::array<float, 8> Corners(const platform::PixelRect& r) {
  const auto left = static_cast<float>(r.left), top = static_cast<float>(r.top);
  const auto right = static_cast<float>(r.right), bottom = static_cast<float>(r.bottom);
  return {right, bottom, left, bottom, right, top, left, top};
}

}  // namespace

std::span<const RatatoskrCell> RatatoskrAnimationPool::Cells() { return CellTable; }

RatatoskrAnimationPool::RatatoskrAnimationPool(const TextureGroup& textures) {
  const size_t count = CellTable.size();
  std::vector<std::unique_ptr<AnimationFrame>> built(count);
  // Last first, so that each frame can point at the one that follows it.
  for (size_t i = count; i-- > 0;) {
    const RatatoskrCell& cell = CellTable[i];
    const bool chained = i + 1 < count && CellTable[i + 1].animation == cell.animation;
    const auto texture = static_cast<size_t>(cell.texture);
    Texture* sheet = texture < textures.size() ? textures[texture].get() : nullptr;
    built[i] =
        CreateAnimationFrame(cell.frame, cell.duration, chained ? built[i + 1].get() : nullptr,
                             sheet, Corners(cell.rect));
  }
  frames = std::move(built);
  defaultFrame = frames.front().get();
}

std::unique_ptr<EnemyAnimationPool> RatatoskrAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<RatatoskrAnimationPool>(textures);
}

std::unique_ptr<Animation> RatatoskrAnimationPool::GetAnimation(int number) {
  auto animation = std::make_unique<Animation>();
  for (size_t i = 0; i < CellTable.size(); ++i) {
    if (CellTable[i].animation == number) animation->frames.push_back(frames[i].get());
  }
  if (animation->frames.empty()) return CreateAnimation(*this);
  // One-frame animations keep length 0, even for a pose that never ends.
  if (animation->frames.size() > 1) {
    animation->length = ChainLength(animation->frames.front());
    const bool loops = std::ranges::find(LoopingAnimations, number) != LoopingAnimations.end();
    animation->loop = loops ? 1 : 0;
  }
  return animation;
}
