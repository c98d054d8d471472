#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "player/PlayerFrameTable.h"

namespace {

using platform::PixelRect;
using platform::Vector3;

bool Near(const Vector3& a, const Vector3& b) {
  constexpr float Tolerance = 1e-6f;
  return std::abs(a.x - b.x) < Tolerance && std::abs(a.y - b.y) < Tolerance &&
         std::abs(a.z - b.z) < Tolerance;
}

TEST(PlayerFrameTable, HoldsEveryStateInTableOrderWithItsAnimationBodyAndOffsets) {
  using enum PlayerBody;
  constexpr FollowOn No = FollowOn::None;
  constexpr FollowOn Self = FollowOn::Itself;
  // How far a lowered picture is raised to keep the feet of the standing body: half of 2.45
  // less half of 1.1 for the crouching body, half of 1.4 for the dashing one.
  constexpr float Low = 0.675f;
  constexpr float Dash = 0.525f;
  struct Row {
    PlayerStateSlot slot;
    const wchar_t* name;
    size_t frames;
    PlayerSheet sheet;
    PlayerBody body;
    uint8_t loop;
    FollowOn followOn;
    float firstRise;
    float spriteRise;
    float hitBoxAhead;
  };
  const Row rows[] = {
      {SlotIdling, L"Idle", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotWalking, L"Walking", 12, MainSheet, Standing, 1, Self, 0, 0, 0},
      {SlotDucking, L"Ducking", 3, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotCrouching, L"Crouching", 1, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotDodging, L"Dodging", 1, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotCrouchWalking, L"Crouch-Walking", 12, MainSheet, Crouching, 1, No, Low, Low, 0},
      {SlotRolling, L"Rolling", 14, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotRollRecovering, L"Roll-Recovering", 4, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotStanding, L"Standing", 3, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotGuarding, L"Guard", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGuardBreak1Up, L"Guard Break 1 - Up", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGuardBreak1Down, L"Guard Break 1 - Down", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGuardBreak2Up, L"Guard Break 2 - Up", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGuardBreak2Down, L"Guard Break 2 - Down", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGuardBreak3Up, L"Guard Break 3 - Up", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGuardBreak3Down, L"Guard Break 3 - Down", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGroundJumping, L"Ground Jumping", 1, MainSheet, Standing, 0, Self, 0, 0, 0},
      {SlotAirJumping, L"Air Jumping", 1, MainSheet, Standing, 0, Self, 0, 0, 0},
      {SlotFalling, L"Falling", 1, MainSheet, Standing, 0, Self, 0, 0, 0},
      {SlotLanding, L"Landing", 1, MainSheet, Crouching, 0, No, Low, Low, 0},
      {SlotWallSliding, L"Wall Sliding", 1, MainSheet, Standing, 0, Self, 0, 0, 0},
      {SlotWallJumping, L"Wall Jumping", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotGroundDashing, L"Ground Dash", 1, MainSheet, Dashing, 0, Self, Dash, Dash, 0},
      // The air dash frames the camera on the lowered body but draws its sprite unraised.
      {SlotAirDashing, L"Air Dash", 1, MainSheet, Dashing, 0, No, Dash, 0, 0},
      {SlotGodModing, L"God Moding", 1, MainSheet, Standing, 0, Self, 0, 0, 0},
      {SlotGroundAttacking1, L"Ground Attacking 1", 8, AttackSheet1, Standing, 0, No, 0, 0, 0.5f},
      {SlotUpAttacking, L"Up Attacking", 8, AttackSheet1, Standing, 0, No, 0, 0, 0},
      {SlotDownAttacking, L"Down Attacking", 8, AttackSheet2, Crouching, 0, No, Low, Low, 0},
      {SlotGroundDashAttacking, L"Ground Dash Attacking 1", 8, AttackSheet1, Dashing, 0, No, Dash,
       Dash, 0},
      {SlotNeutralAirAttacking, L"Neutral-Air Attacking", 8, AttackSheet3, Standing, 0, No, 0, 0,
       0},
      {SlotForwardAirAttacking, L"Forward-Air Attacking", 8, AttackSheet2, Standing, 0, No, 0, 0,
       0},
      {SlotUpAirAttacking, L"Up-Air Attacking", 8, AttackSheet3, Standing, 0, No, 0, 0, 0},
      {SlotDownAirAttacking, L"Down-Air Attacking", 8, AttackSheet3, Standing, 0, No, 0, 0, 0},
      {SlotSpeaking, L"Speaking", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotSpeakWalking, L"Walking", 12, MainSheet, Standing, 1, Self, 0, 0, 0},
      {SlotStill, L"Still", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotAscending, L"Ascending", 1, MainSheet, Standing, 0, Self, 0, 0, 0},
      {SlotDying, L"Dying", 1, MainSheet, Standing, 0, No, 0, 0, 0},
      {SlotRespawning, L"Respawning", 1, MainSheet, Standing, 0, No, 0, 0, 0},
  };
  const auto& plans = PlayerStatePlans();
  ASSERT_EQ(plans.size(), std::size(rows));
  for (size_t i = 0; i < plans.size(); ++i) {
    const Row& row = rows[i];
    const PlayerStatePlan& plan = plans[i];
    ASSERT_EQ(row.slot, static_cast<int>(i));
    EXPECT_EQ(plan.slot, row.slot);
    EXPECT_EQ(plan.displayName, row.name) << i;
    EXPECT_EQ(plan.frames.size(), row.frames) << i;
    EXPECT_EQ(plan.sheet, row.sheet) << i;
    EXPECT_EQ(plan.body, row.body) << i;
    EXPECT_EQ(plan.loop, row.loop) << i;
    EXPECT_EQ(plan.followOn, row.followOn) << i;
    EXPECT_TRUE(Near(plan.firstOffset, {0.0f, row.firstRise, 0.0f})) << i;
    EXPECT_TRUE(Near(plan.spriteOffset, {0.0f, row.spriteRise, 0.0f})) << i;
    EXPECT_TRUE(Near(plan.hitBoxOffset, {row.hitBoxAhead, 0.0f, 0.0f})) << i;
  }
}

TEST(PlayerFrameTable, CellsDurationsAndNamesAreThoseOfEachAnimation) {
  struct Row {
    PlayerStateSlot slot;
    size_t frame;
    const wchar_t* name;
    float seconds;
    PixelRect cell;
  };
  const Row rows[] = {
      {SlotIdling, 0, L"frame1", 1.0f / 30, {0, 0, 128, 128}},
      {SlotWalking, 1, L"a2f2", 1.0f / 15, {128, 256, 256, 384}},
      {SlotWalking, 8, L"a2f9", 1.0f / 15, {0, 384, 128, 512}},
      {SlotWalking, 11, L"a2f12", 1.0f / 30, {384, 384, 512, 512}},
      {SlotGuarding, 0, L"frame1", 1.0f / 30, {0, 768, 128, 896}},
      {SlotAirJumping, 0, L"frame1", 1.0f / 30, {640, 640, 768, 768}},
      {SlotFalling, 0, L"frame1", 1.0f / 30, {768, 640, 896, 768}},
      {SlotLanding, 0, L"frame1", 1.0f / 30, {128, 0, 256, 128}},
      {SlotWallSliding, 0, L"a2f1", 1.0f / 30, {896, 640, 1024, 768}},
      {SlotGroundDashing, 0, L"frame1", 1.0f / 30, {512, 640, 640, 768}},
      {SlotGodModing, 0, L"frame1", 1.0f / 30, {768, 640, 896, 768}},
      {SlotWallJumping, 0, L"frame1", 4.0f / 30, {640, 640, 768, 768}},
      {SlotAirDashing, 0, L"a1f1", 1.0f / 30, {512, 640, 640, 768}},
      {SlotGroundAttacking1, 3, L"frame4", 1.0f / 15, {768, 0, 1024, 128}},
      {SlotUpAttacking, 0, L"frame1", 1.0f / 30, {0, 512, 256, 768}},
      {SlotDownAttacking, 7, L"frame8", 1.0f / 30, {384, 768, 768, 1024}},
      {SlotGroundDashAttacking, 7, L"frame8", 1.0f / 30, {768, 128, 1024, 256}},
      {SlotForwardAirAttacking, 2, L"frame3", 1.0f / 30, {768, 256, 1024, 384}},
      {SlotNeutralAirAttacking, 7, L"frame8", 1.0f / 30, {896, 512, 1024, 640}},
  };
  for (const Row& row : rows) {
    const PlayerFramePlan& frame = PlayerStatePlans()[row.slot].frames.at(row.frame);
    EXPECT_EQ(frame.name, row.name) << row.slot;
    EXPECT_EQ(frame.duration, row.seconds) << row.slot << " " << row.frame;
    EXPECT_EQ(std::tie(frame.cell.left, frame.cell.top, frame.cell.right, frame.cell.bottom),
              std::tie(row.cell.left, row.cell.top, row.cell.right, row.cell.bottom))
        << row.slot << " " << row.frame;
  }
  float walkCycle = 0.0f;
  for (const PlayerFramePlan& frame : PlayerStatePlans()[SlotWalking].frames) {
    walkCycle += frame.duration;
  }
  EXPECT_NEAR(walkCycle, 16.0f / 30.0f, 1e-6f);
}

TEST(PlayerFrameTable, EveryFrameOfTheLoweredStatesIsItsCellForItsSixtieths) {
  // The main sheet's 128-pixel cells counted along its rows of 8: cell n is column n mod 8, row
  // n div 8. A single duration holds for every frame.
  struct Row {
    PlayerStateSlot slot;
    std::vector<int> cells;
    std::vector<int> sixtieths;
    bool loops;
  };
  const Row rows[] = {
      {SlotDucking, {40, 41, 42}, {2}, false},
      {SlotCrouching, {43}, {12}, false},
      {SlotDodging, {3}, {10}, false},
      {SlotCrouchWalking, {28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}, {4}, true},
      {SlotRolling,
       {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 42, 43},
       {2, 2, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2},
       false},
      {SlotRollRecovering, {38, 40, 42, 43}, {2, 2, 3, 4}, false},
      {SlotStanding, {42, 41, 40}, {2}, false},
  };
  for (const Row& row : rows) {
    const PlayerStatePlan& plan = PlayerStatePlans()[row.slot];
    ASSERT_EQ(plan.frames.size(), row.cells.size()) << row.slot;
    EXPECT_EQ(plan.loop != 0, row.loops) << row.slot;
    for (size_t k = 0; k < row.cells.size(); ++k) {
      const PlayerFramePlan& frame = plan.frames[k];
      const int left = 128 * (row.cells[k] % 8);
      const int top = 128 * (row.cells[k] / 8);
      const int sixtieths = row.sixtieths.size() == 1 ? row.sixtieths[0] : row.sixtieths.at(k);
      EXPECT_EQ(frame.name, L"frame" + std::to_wstring(k + 1)) << row.slot;
      EXPECT_EQ(frame.duration, static_cast<float>(sixtieths) / 60.0f) << row.slot << " " << k;
      EXPECT_EQ(std::tie(frame.cell.left, frame.cell.top, frame.cell.right, frame.cell.bottom),
                std::make_tuple(left, top, left + 128, top + 128))
          << row.slot << " " << k;
    }
  }
}

TEST(PlayerFrameTable, EveryAttackFrameIsItsCellOfTheAttacksGrid) {
  // Frame k (0-based) sits at column k mod perRow, row k div perRow of a grid starting at (left,
  // top).
  struct Row {
    PlayerStateSlot slot;
    int left, top, width, height, perRow;
  };
  const Row rows[] = {
      {SlotGroundAttacking1, 0, 0, 256, 128, 4},
      {SlotUpAttacking, 0, 512, 256, 256, 4},
      {SlotDownAttacking, 0, 0, 384, 256, 2},
      {SlotGroundDashAttacking, 0, 0, 256, 128, 4},
      {SlotNeutralAirAttacking, 0, 512, 128, 128, 8},
      {SlotForwardAirAttacking, 768, 0, 256, 128, 1},
      {SlotUpAirAttacking, 0, 256, 128, 256, 8},
      {SlotDownAirAttacking, 0, 0, 128, 256, 8},
  };
  for (const Row& row : rows) {
    const auto& frames = PlayerStatePlans()[row.slot].frames;
    ASSERT_EQ(frames.size(), 8u) << row.slot;
    for (int k = 0; k < 8; ++k) {
      const int left = row.left + row.width * (k % row.perRow);
      const int top = row.top + row.height * (k / row.perRow);
      const PixelRect& c = frames[k].cell;
      EXPECT_EQ(std::tie(c.left, c.top, c.right, c.bottom),
                std::make_tuple(left, top, left + row.width, top + row.height))
          << row.slot << " frame " << k + 1;
    }
  }
}

TEST(PlayerFrameTable, FeetStandOnTheBodysBottomWhateverTheBody) {
  // 128-pixel cells of the standing, lowered and dashing states put the feet on one line.
  const auto& plans = PlayerStatePlans();
  const float standing = FootLineInCell(plans[SlotIdling], plans[SlotIdling].frames[0].cell);
  EXPECT_NEAR(SpritePixelsPerUnit(), 42.6038f, 1e-3f);
  EXPECT_NEAR(standing, 64.0f + 1.225f * 42.6038f, 1e-2f);
  for (PlayerStateSlot slot : {SlotCrouching, SlotLanding, SlotGroundDashing, SlotFalling}) {
    EXPECT_NEAR(FootLineInCell(plans[slot], plans[slot].frames[0].cell), standing, 1e-3f) << slot;
  }
  // A 256-pixel cell centres the same body 64 pixels lower.
  EXPECT_NEAR(FootLineInCell(plans[SlotUpAttacking], plans[SlotUpAttacking].frames[0].cell),
              standing + 64.0f, 1e-3f);
}

TEST(PlayerFrameTable, EveryCellLiesOnItsSheetAndSheetsShareCellsOnlyWhereStatesShareAPose) {
  // A cell drawn once serves every state that cuts it; distinct cells must not overlap.
  std::map<std::tuple<int, int, int, int, int>, int> cells;
  for (const PlayerStatePlan& plan : PlayerStatePlans()) {
    for (const PlayerFramePlan& frame : plan.frames) {
      const PixelRect& c = frame.cell;
      EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= PlayerSheetSide &&
                  c.bottom <= PlayerSheetSide && c.left < c.right && c.top < c.bottom)
          << plan.slot;
      cells[{plan.sheet, c.left, c.top, c.right, c.bottom}]++;
    }
  }
  for (auto a = cells.begin(); a != cells.end(); ++a) {
    for (auto b = std::next(a); b != cells.end(); ++b) {
      const auto& [sheetA, la, ta, ra, ba] = a->first;
      const auto& [sheetB, lb, tb, rb, bb] = b->first;
      const bool overlap = sheetA == sheetB && la < rb && lb < ra && ta < bb && tb < ba;
      EXPECT_FALSE(overlap) << "sheet " << sheetA << " cells at " << la << "," << ta << " and "
                            << lb << "," << tb;
    }
  }
}

}  // namespace
