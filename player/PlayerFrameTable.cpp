#include "player/PlayerFrameTable.h"

#include <cmath>
#include <initializer_list>

#include "engine/Camera.h"
#include "engine/Globals.h"

using platform::PixelRect;
using platform::Vector3;

namespace {

constexpr float Thirtieth = 1.0f / 30.0f;
constexpr float Fifteenth = 1.0f / 15.0f;
constexpr float WallJumpFrame = 4.0f / 30.0f;
constexpr float Sixtieths(int count) { return static_cast<float>(count) / 60.0f; }

// The main sheet is cut in cells of 128 by 128 pixels.
constexpr int Cell = 128;
// The three attack sheets are cut in rows of equal cells.
constexpr int AttackFrameCount = 8;

// How far the centre of a lowered body lies below that of a standing one on the same feet.
constexpr float CrouchingRise = StandingSize.y / 2 - CrouchingSize.y / 2;
constexpr float DashingRise = StandingSize.y / 2 - DashingSize.y / 2;
constexpr Vector3 NoOffset{};
constexpr Vector3 CrouchingOffset{0.0f, CrouchingRise, 0.0f};
constexpr Vector3 DashingOffset{0.0f, DashingRise, 0.0f};
constexpr Vector3 GroundAttackHitBoxOffset{0.5f, 0.0f, 0.0f};

PixelRect GridCell(int column, int row) {
  return {Cell * column, Cell * row, Cell * column + Cell, Cell * row + Cell};
}

// Cell k (from 0) of a sheet cut in rows of cells of one size, from the row at top.
PixelRect RowCell(int k, int width, int height, int perRow, int top) {
  const int left = width * (k % perRow);
  const int cellTop = top + height * (k / perRow);
  return {left, cellTop, left + width, cellTop + height};
}

std::wstring Numbered(const wchar_t* prefix, size_t number) {
  return prefix + std::to_wstring(number);
}

// Frames "frame1", "frame2", ... on the given grid cells, each lasting as long as given.
std::vector<PlayerFramePlan> GridFrames(std::initializer_list<std::pair<int, int>> cells,
                                        std::initializer_list<float> durations) {
  std::vector<PlayerFramePlan> frames;
  auto duration = durations.begin();
  for (auto [column, row] : cells) {
    const float seconds = *duration;
    if (duration + 1 != durations.end()) ++duration;
    frames.push_back({Numbered(L"frame", frames.size() + 1), seconds, GridCell(column, row)});
  }
  return frames;
}

// One frame held for the whole state.
std::vector<PlayerFramePlan> Still(const wchar_t* name, float seconds, PixelRect cell) {
  return {{name, seconds, cell}};
}

// The walk: twelve cells from the third row on, four of them held twice as long.
std::vector<PlayerFramePlan> WalkFrames() {
  std::vector<PlayerFramePlan> frames;
  for (int k = 1; k <= 12; ++k) {
    const bool held = k == 2 || k == 3 || k == 8 || k == 9;
    frames.push_back({Numbered(L"a2f", static_cast<size_t>(k)), held ? Fifteenth : Thirtieth,
                      RowCell(k - 1, Cell, Cell, 8, 2 * Cell)});
  }
  return frames;
}

// The eight frames of an attack; the fourth, the swing itself, is held twice as long.
template <typename CellOf>
std::vector<PlayerFramePlan> AttackFrames(CellOf cellOf) {
  std::vector<PlayerFramePlan> frames;
  for (int k = 0; k < AttackFrameCount; ++k) {
    frames.push_back({Numbered(L"frame", static_cast<size_t>(k + 1)), k == 3 ? Fifteenth : Thirtieth,
                      cellOf(k)});
  }
  return frames;
}

std::vector<PlayerFramePlan> AttackRow(int width, int height, int perRow, int top) {
  return AttackFrames([=](int k) { return RowCell(k, width, height, perRow, top); });
}

// Frames standing one beside the other, 128 wide, along a row of the sheet.
std::vector<PlayerFramePlan> AttackColumns(int top, int height) {
  return AttackFrames([=](int k) { return PixelRect{Cell * k, top, Cell * k + Cell, top + height}; });
}

// Frames stacked one under the other in the sheet's right column, 256 wide.
std::vector<PlayerFramePlan> AttackStack() {
  return AttackFrames(
      [](int k) { return PixelRect{3 * 256, Cell * k, 4 * 256, Cell * k + Cell}; });
}

const PixelRect IdleCell = GridCell(0, 0);
const PixelRect BreakDownCell = GridCell(1, 0);
const PixelRect BreakUpCell = GridCell(2, 0);
const PixelRect GuardCell = GridCell(0, 6);
const PixelRect DashCell = GridCell(4, 5);
const PixelRect RiseCell = GridCell(5, 5);
const PixelRect FallCell = GridCell(6, 5);
const PixelRect WallCell = GridCell(7, 5);

// A standing state of the main sheet with one frame.
PlayerStatePlan Upright(PlayerStateSlot slot, const wchar_t* name, PixelRect cell,
                        FollowOn followOn = FollowOn::None, const wchar_t* frame = L"frame1",
                        float seconds = Thirtieth) {
  return {slot, name, MainSheet, PlayerBody::Standing, NoOffset, NoOffset, NoOffset, 0, followOn,
          Still(frame, seconds, cell)};
}

// A state of the main sheet on the crouching body, its picture raised to stand on the same feet.
PlayerStatePlan Lowered(PlayerStateSlot slot, const wchar_t* name,
                        std::vector<PlayerFramePlan> frames, uint8_t loop = 0) {
  return {slot,     name, MainSheet,      PlayerBody::Crouching, CrouchingOffset, CrouchingOffset,
          NoOffset, loop, FollowOn::None, std::move(frames)};
}

PlayerStatePlan Attack(PlayerStateSlot slot, const wchar_t* name, PlayerSheet sheet,
                       PlayerBody body, Vector3 spriteOffset, std::vector<PlayerFramePlan> frames) {
  return {slot, name, sheet, body, spriteOffset, spriteOffset, NoOffset, 0, FollowOn::None,
          std::move(frames)};
}

std::vector<PlayerStatePlan> BuildPlans() {
  const float two = Sixtieths(2);
  std::vector<PlayerStatePlan> plans;
  plans.push_back(Upright(SlotIdling, L"Idle", IdleCell));
  plans.push_back({SlotWalking, L"Walking", MainSheet, PlayerBody::Standing, NoOffset, NoOffset,
                   NoOffset, 1, FollowOn::Itself, WalkFrames()});
  plans.push_back(Lowered(SlotDucking, L"Ducking", GridFrames({{0, 5}, {1, 5}, {2, 5}}, {two})));
  plans.push_back(Lowered(SlotCrouching, L"Crouching", GridFrames({{3, 5}}, {Sixtieths(12)})));
  plans.push_back(Lowered(SlotDodging, L"Dodging", GridFrames({{3, 0}}, {Sixtieths(10)})));
  plans.push_back(Lowered(SlotCrouchWalking, L"Crouch-Walking",
                          GridFrames({{4, 3}, {5, 3}, {6, 3}, {7, 3}, {0, 4}, {1, 4}, {2, 4},
                                      {3, 4}, {4, 4}, {5, 4}, {6, 4}, {7, 4}},
                                     {Sixtieths(4)}),
                          1));
  plans.push_back(Lowered(SlotRolling, L"Rolling",
                          GridFrames({{4, 0}, {5, 0}, {6, 0}, {7, 0}, {0, 1}, {1, 1}, {2, 1},
                                      {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {2, 5}, {3, 5}},
                                     {two, two, two, two, two, two, two, two, Sixtieths(1), two})));
  plans.push_back(Lowered(SlotRollRecovering, L"Roll-Recovering",
                          GridFrames({{6, 4}, {0, 5}, {2, 5}, {3, 5}},
                                     {two, two, Sixtieths(3), Sixtieths(4)})));
  plans.push_back(Lowered(SlotStanding, L"Standing", GridFrames({{2, 5}, {1, 5}, {0, 5}}, {two})));
  plans.push_back(Upright(SlotGuarding, L"Guard", GuardCell));
  plans.push_back(Upright(SlotGuardBreak1Up, L"Guard Break 1 - Up", BreakUpCell));
  plans.push_back(Upright(SlotGuardBreak1Down, L"Guard Break 1 - Down", BreakDownCell));
  plans.push_back(Upright(SlotGuardBreak2Up, L"Guard Break 2 - Up", BreakUpCell));
  plans.push_back(Upright(SlotGuardBreak2Down, L"Guard Break 2 - Down", BreakDownCell));
  plans.push_back(Upright(SlotGuardBreak3Up, L"Guard Break 3 - Up", BreakUpCell));
  plans.push_back(Upright(SlotGuardBreak3Down, L"Guard Break 3 - Down", BreakDownCell));
  plans.push_back(Upright(SlotGroundJumping, L"Ground Jumping", RiseCell, FollowOn::Itself));
  plans.push_back(Upright(SlotAirJumping, L"Air Jumping", RiseCell, FollowOn::Itself));
  plans.push_back(Upright(SlotFalling, L"Falling", FallCell, FollowOn::Itself));
  plans.push_back(Lowered(SlotLanding, L"Landing", Still(L"frame1", Thirtieth, BreakDownCell)));
  plans.push_back(Upright(SlotWallSliding, L"Wall Sliding", WallCell, FollowOn::Itself, L"a2f1"));
  plans.push_back(Upright(SlotWallJumping, L"Wall Jumping", RiseCell, FollowOn::None, L"frame1",
                          WallJumpFrame));
  plans.push_back({SlotGroundDashing, L"Ground Dash", MainSheet, PlayerBody::Dashing, DashingOffset,
                   DashingOffset, NoOffset, 0, FollowOn::Itself,
                   Still(L"frame1", Thirtieth, DashCell)});
  plans.push_back({SlotAirDashing, L"Air Dash", MainSheet, PlayerBody::Dashing, DashingOffset,
                   NoOffset, NoOffset, 0, FollowOn::None, Still(L"a1f1", Thirtieth, DashCell)});
  plans.push_back(Upright(SlotGodModing, L"God Moding", FallCell, FollowOn::Itself));
  PlayerStatePlan groundAttack = Attack(SlotGroundAttacking1, L"Ground Attacking 1", AttackSheet1,
                                        PlayerBody::Standing, NoOffset, AttackRow(256, 128, 4, 0));
  groundAttack.hitBoxOffset = GroundAttackHitBoxOffset;
  plans.push_back(std::move(groundAttack));
  plans.push_back(Attack(SlotUpAttacking, L"Up Attacking", AttackSheet1, PlayerBody::Standing,
                         NoOffset, AttackRow(256, 256, 4, 512)));
  plans.push_back(Attack(SlotDownAttacking, L"Down Attacking", AttackSheet2, PlayerBody::Crouching,
                         CrouchingOffset, AttackRow(384, 256, 2, 0)));
  plans.push_back(Attack(SlotGroundDashAttacking, L"Ground Dash Attacking 1", AttackSheet1,
                         PlayerBody::Dashing, DashingOffset, AttackRow(256, 128, 4, 0)));
  plans.push_back(Attack(SlotNeutralAirAttacking, L"Neutral-Air Attacking", AttackSheet3,
                         PlayerBody::Standing, NoOffset, AttackColumns(512, 128)));
  plans.push_back(Attack(SlotForwardAirAttacking, L"Forward-Air Attacking", AttackSheet2,
                         PlayerBody::Standing, NoOffset, AttackStack()));
  plans.push_back(Attack(SlotUpAirAttacking, L"Up-Air Attacking", AttackSheet3,
                         PlayerBody::Standing, NoOffset, AttackColumns(256, 256)));
  plans.push_back(Attack(SlotDownAirAttacking, L"Down-Air Attacking", AttackSheet3,
                         PlayerBody::Standing, NoOffset, AttackColumns(0, 256)));
  plans.push_back(Upright(SlotSpeaking, L"Speaking", IdleCell));
  plans.push_back({SlotSpeakWalking, L"Walking", MainSheet, PlayerBody::Standing, NoOffset,
                   NoOffset, NoOffset, 1, FollowOn::Itself, WalkFrames()});
  plans.push_back(Upright(SlotStill, L"Still", IdleCell));
  plans.push_back(Upright(SlotAscending, L"Ascending", RiseCell, FollowOn::Itself));
  plans.push_back(Upright(SlotDying, L"Dying", BreakUpCell));
  plans.push_back(Upright(SlotRespawning, L"Respawning", BreakUpCell));
  return plans;
}

}  // namespace

Vector3 BodySize(PlayerBody body) {
  switch (body) {
    case PlayerBody::Dashing: return DashingSize;
    case PlayerBody::Crouching: return CrouchingSize;
    case PlayerBody::Standing: break;
  }
  return StandingSize;
}

const std::vector<PlayerStatePlan>& PlayerStatePlans() {
  static const std::vector<PlayerStatePlan> plans = BuildPlans();
  return plans;
}

float SpritePixelsPerUnit() {
  return (DefaultScreenHeight / 2.0f) /
         (DefaultSpriteScaleNumerator * std::tan(Camera::FieldOfViewY / 2.0f));
}

float FootLineInCell(const PlayerStatePlan& state, const PixelRect& cell) {
  const float feetBelowCentre = state.spriteOffset.y + BodySize(state.body).y / 2.0f;
  return static_cast<float>(cell.bottom - cell.top) / 2.0f + feetBelowCentre * SpritePixelsPerUnit();
}
