#include "enemies/DemoEnemyAnimationPool.h"

#include <array>
#include <cstddef>

namespace {

constexpr float Tick = 1.0f / 30.0f;
constexpr float TwoTicks = 2.0f / 30.0f;
constexpr float ThreeTicks = 0.10000001f;
constexpr int PoseSide = 128;
constexpr int FramesPerChain = 8;
constexpr int PoseCount = 11;

using Names = std::array<const wchar_t*, FramesPerChain>;

// An attack's eight frames: cells of one size in a grid on one sheet, read row by row from its
// top-left cell, each shown for so many thirtieths of a second.
struct Chain {
  int animation;
  const char* action;
  Names names;
  int texture;
  int width, height;
  int left, top;
  int columns;
  std::array<int, FramesPerChain> ticks;
};

constexpr float Duration(int ticks) {
  return ticks == 1 ? Tick : ticks == 2 ? TwoTicks : ThreeTicks;
}

// One pose held for a tick, on the first sheet.
constexpr AnimationCell Pose(const wchar_t* name, int column, int row, int animation,
                             const char* action) {
  return {name, 0, GridCell(column, row, PoseSide, PoseSide), Tick, animation, action, 0};
}

// Dodging shows the back dash's cell, the air dash the dash's.
constexpr std::array<AnimationCell, PoseCount - 1> Poses{{
    Pose(L"idleFrame1", 0, 0, DemoEnemyIdling, "Idling"),
    Pose(L"dashFrame1", 1, 0, DemoEnemyDashing, "Dashing"),
    Pose(L"backDashFrame1", 2, 0, DemoEnemyBackDashing, "BackDashing"),
    Pose(L"dodgeFrame1", 2, 0, DemoEnemyDodging, "Dodging"),
    Pose(L"guardFrame1", 7, 0, DemoEnemyGuarding, "Guarding"),
    Pose(L"guardBreakUpFrame1", 6, 0, DemoEnemyGuardBreakUp, "GuardBreakUp"),
    Pose(L"guardBreakDownFrame1", 5, 0, DemoEnemyGuardBreakDown, "GuardBreakDown"),
    Pose(L"jumpFrame1", 3, 0, DemoEnemyJumping, "Jumping"),
    Pose(L"fallFrame1", 4, 0, DemoEnemyFalling, "Falling"),
    Pose(L"airDashFrame1", 1, 0, DemoEnemyAirDashing, "AirDashing"),
}};

constexpr AnimationCell Downed = Pose(L"downedFrame1", 0, 1, DemoEnemyDowned, "Downed");

constexpr std::array<Chain, 7> Chains{{
    {DemoEnemyForwardAttacking, "ForwardAttacking",
     {L"m_forwardAttackFrame1", L"m_forwardAttackFrame2", L"m_forwardAttackFrame3",
      L"m_forwardAttackFrame4", L"m_forwardAttackFrame5", L"m_forwardAttackFrame6",
      L"m_forwardAttackFrame7", L"m_forwardAttackFrame8"},
     1, 384, 256, 0, 0, 2, {1, 1, 1, 1, 2, 2, 1, 1}},
    {DemoEnemyDownAttacking, "DownAttacking",
     {L"m_downAttackFrame1", L"m_downAttackFrame2", L"m_downAttackFrame3", L"m_downAttackFrame4",
      L"m_downAttackFrame5", L"m_downAttackFrame6", L"m_downAttackFrame7", L"m_downAttackFrame8"},
     3, 256, 256, 0, 0, 4, {1, 1, 2, 2, 2, 1, 1, 1}},
    {DemoEnemyUpAttacking, "UpAttacking",
     {L"m_upAttackFrame1", L"m_upAttackFrame2", L"m_upAttackFrame3", L"m_upAttackFrame4",
      L"m_upAttackFrame5", L"m_upAttackFrame6", L"m_upAttackFrame7", L"m_upAttackFrame8"},
     1, 128, 256, 768, 0, 2, {1, 1, 1, 3, 1, 1, 1, 1}},
    {DemoEnemyNeutralAirAttacking, "NeutralAirAttacking",
     {L"m_neutralAirAttackFrame1", L"m_neutralAirAttackFrame2", L"m_neutralAirAttackFrame3",
      L"m_neutralAirAttackFrame4", L"m_neutralAirAttackFrame5", L"m_neutralAirAttackFrame6",
      L"m_neutralAirAttackFrame7", L"m_neutralAirAttackFrame8"},
     2, 256, 256, 0, 0, 4, {1, 1, 1, 2, 1, 1, 1, 1}},
    {DemoEnemyForwardAirAttacking, "ForwardAirAttacking",
     {L"m_forwardAirAttackFrame1", L"m_forwardAirAttackFrame2", L"m_forwardAirAttackFrame3",
      L"m_forwardAirAttackFrame4", L"m_forwardAirAttackFrame5", L"m_forwardAirAttackFrame6",
      L"m_forwardAirAttackFrame7", L"m_forwardAirAttackFrame8"},
     3, 256, 128, 0, 512, 4, {1, 1, 2, 3, 2, 1, 1, 1}},
    {DemoEnemyDownAirAttacking, "DownAirAttacking",
     {L"m_downAirAttackFrame1", L"m_downAirAttackFrame2", L"m_downAirAttackFrame3",
      L"m_downAirAttackFrame4", L"m_downAirAttackFrame5", L"m_downAirAttackFrame6",
      L"m_downAirAttackFrame7", L"m_downAirAttackFrame8"},
     2, 256, 256, 0, 512, 4, {1, 1, 1, 3, 3, 2, 2, 1}},
    // The first frame's name has no "m_".
    {DemoEnemyUpAirAttacking, "UpAirAttacking",
     {L"upAirAttackFrame1", L"m_upAirAttackFrame2", L"m_upAirAttackFrame3",
      L"m_upAirAttackFrame4", L"m_upAirAttackFrame5", L"m_upAirAttackFrame6",
      L"m_upAirAttackFrame7", L"m_upAirAttackFrame8"},
     0, 256, 384, 0, 256, 4, {1, 1, 1, 3, 2, 2, 1, 1}},
}};

constexpr std::array<AnimationCell, PoseCount + Chains.size() * FramesPerChain> BuildCells() {
  std::array<AnimationCell, PoseCount + Chains.size() * FramesPerChain> cells{};
  size_t at = 0;
  for (const AnimationCell& pose : Poses) cells[at++] = pose;
  for (const Chain& chain : Chains) {
    for (int k = 0; k < FramesPerChain; ++k) {
      const int left = chain.left + chain.width * (k % chain.columns);
      const int top = chain.top + chain.height * (k / chain.columns);
      cells[at++] = {chain.names[k],
                     chain.texture,
                     {left, top, left + chain.width, top + chain.height},
                     Duration(chain.ticks[k]),
                     chain.animation,
                     chain.action,
                     k};
    }
  }
  cells[at] = Downed;
  return cells;
}

constexpr auto CellTable = BuildCells();

}  // namespace

std::span<const AnimationCell> DemoEnemyAnimationPool::Cells() { return CellTable; }

DemoEnemyAnimationPool::DemoEnemyAnimationPool(const TextureGroup& textures) {
  BuildFrames(CellTable, textures);
}

std::unique_ptr<EnemyAnimationPool> DemoEnemyAnimationPool::Create(
    const TextureGroup& textures) const {
  return std::make_unique<DemoEnemyAnimationPool>(textures);
}

std::unique_ptr<Animation> DemoEnemyAnimationPool::GetAnimation(int number) {
  if (number < 0 || number >= DemoEnemyStateCount) return nullptr;
  std::unique_ptr<Animation> animation = CollectAnimation(CellTable, number, false);
  // Even a one-frame pose reports its tick as its length: the states time themselves by it.
  if (!animation->frames.empty()) animation->length = ChainLength(animation->frames.front());
  return animation;
}
