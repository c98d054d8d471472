#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/StringConversion.h"
#include "tests/player/GroundGame.h"

namespace {

using namespace VirtualKey;

class TimedStatesGame : public GroundGame {};

// Each state is entered afresh, its time set just short of, at and just past its length, and
// one step run: the row says which state that step leaves the player in.
TEST_F(TimedStatesGame, EachTimedStateEndsOnItsSideOfItsLength) {
  enum class Run { Input, HeldInput, Update };
  struct Row {
    PlayerStateSlot slot;
    float length;
    bool air;
    int key;  // held through the step; 0: none
    float vy;
    Run run;
    PlayerStateSlot atLength, pastLength;
    // Where a step short of the length leaves it, when not in the state itself.
    std::optional<PlayerStateSlot> shortOfLength = std::nullopt;
  };
  constexpr float AttackLength = 0.3f;
  const Row rows[] = {
      {SlotLanding, 2.0f / 60, false, 0, 0.0f, Run::Input, SlotIdling, SlotIdling},
      {SlotGroundDashing, 0.3f, false, 0, 0.0f, Run::Input, SlotGroundDashing, SlotIdling},
      {SlotAirDashing, 0.25f, true, O, 0.0f, Run::Input, SlotFalling, SlotFalling},
      {SlotWallJumping, 8.0f / 60, true, I, 1.0f, Run::Input, SlotAscending, SlotAscending},
      {SlotWallJumping, 8.0f / 60, true, I, -1.0f, Run::Input, SlotFalling, SlotFalling},
      {SlotGroundAttacking1, AttackLength, false, 0, 0.0f, Run::Input, SlotIdling, SlotIdling},
      {SlotUpAttacking, AttackLength, false, 0, 0.0f, Run::Input, SlotIdling, SlotIdling},
      {SlotDownAttacking, AttackLength, false, 0, 0.0f, Run::Input, SlotStanding, SlotStanding},
      {SlotGroundDashAttacking, AttackLength, false, 0, 0.0f, Run::Input, SlotIdling, SlotIdling},
      {SlotNeutralAirAttacking, AttackLength, true, 0, -1.0f, Run::Input, SlotFalling, SlotFalling},
      {SlotForwardAirAttacking, AttackLength, true, 0, -1.0f, Run::Input, SlotFalling, SlotFalling},
      {SlotUpAirAttacking, AttackLength, true, I, 1.0f, Run::Input, SlotAscending, SlotAscending},
      // Landing while still rising, jump let go: the landing is tested before the rise is cut.
      {SlotUpAirAttacking, AttackLength, false, 0, 1.0f, Run::Input, SlotAscending, SlotAscending,
       SlotIdling},
      {SlotDownAirAttacking, AttackLength, true, 0, -1.0f, Run::Input, SlotFalling, SlotFalling},
      {SlotDownAirAttacking, AttackLength, true, 0, -1.0f, Run::HeldInput, SlotFalling,
       SlotFalling},
      {SlotRespawning, 2.0f, false, 0, 0.0f, Run::Update, SlotFalling, SlotFalling},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "slot " << row.slot << " vy " << row.vy);
    StandAt(10.0f, FloorTop);
    if (row.key) Press({row.key});
    game.StepFrames(2);
    PlayerState& state = *player->SwitchState(row.slot);
    ASSERT_NEAR(state.animationLength, row.length, 1e-6f);
    const float length = state.animationLength;
    for (const auto& [time, expected] :
         {std::pair{std::nextafter(length, 0.0f), row.shortOfLength.value_or(row.slot)},
          std::pair{length, row.atLength},
          std::pair{std::nextafter(length, 10.0f), row.pastLength}}) {
      player->body->SetPositionXYZ(
          10.0f, FloorTop + player->body->height / 2 + (row.air ? 5.0f : 0.0f), 0.0f);
      player->body->velocity = {};
      player->SwitchState(row.slot);
      player->body->velocity.y = row.vy;
      if (row.air) player->groundContact = nullptr;
      player->wallContact = nullptr;
      state.stateTime = time;
      if (row.run == Run::Input) state.HandleInput(0.0f);
      if (row.run == Run::HeldInput) state.HandleInputHeld(0.0f);
      if (row.run == Run::Update) state.Update(0.0f);
      EXPECT_TRUE(In(expected)) << time << ": " << WStringToString(Current()->GetName());
    }
  }
}

// One step from a ground state, with the keys pressed in it: off the floor every state falls;
// under a ceiling that only a low body fits below, the ends that would stand crouch instead. A
// hit-stop keeps the choice for its end. Rows start facing right, the guard's facing left.
TEST_F(TimedStatesGame, EachGroundStateLeavesByTheKeysOfItsStepAndTheRoomAroundIt) {
  enum class Room { Floor, OffTheFloor, LowCeiling };
  struct Row {
    PlayerStateSlot from;
    std::vector<int> keys;
    Room room;
    bool over;  // its time run out
    bool hitStop;
    PlayerStateSlot expected;
    int facing;
  };
  const Row rows[] = {
      {SlotIdling, {S, O, A}, Room::Floor, false, true, SlotRolling, -1},
      {SlotIdling, {S}, Room::Floor, false, true, SlotDucking, 1},
      {SlotIdling, {O}, Room::Floor, false, true, SlotGroundDashing, 1},
      {SlotIdling, {A}, Room::Floor, false, true, SlotWalking, -1},
      {SlotWalking, {A, O}, Room::Floor, false, false, SlotGroundDashing, -1},
      {SlotWalking, {S}, Room::Floor, false, true, SlotDucking, 1},
      {SlotWalking, {}, Room::Floor, false, true, SlotIdling, 1},
      {SlotGroundDashing, {}, Room::OffTheFloor, false, false, SlotFalling, 1},
      {SlotGroundDashing, {W, J}, Room::Floor, false, false, SlotUpAttacking, 1},
      {SlotGroundDashing, {S, J}, Room::Floor, false, false, SlotDownAttacking, 1},
      {SlotGroundDashing, {J}, Room::Floor, false, false, SlotGroundDashAttacking, 1},
      {SlotGroundDashing, {}, Room::LowCeiling, true, false, SlotCrouching, 1},
      {SlotGroundDashing, {S}, Room::Floor, true, false, SlotDucking, 1},
      {SlotGroundDashAttacking, {}, Room::LowCeiling, true, false, SlotCrouching, 1},
      {SlotGroundDashAttacking, {D}, Room::Floor, true, false, SlotWalking, 1},
      {SlotDodging, {}, Room::OffTheFloor, false, false, SlotFalling, 1},
      {SlotRolling, {}, Room::OffTheFloor, false, false, SlotFalling, 1},
      {SlotRollRecovering, {}, Room::OffTheFloor, false, false, SlotFalling, 1},
      {SlotDucking, {S}, Room::OffTheFloor, false, false, SlotFalling, 1},
      {SlotDucking, {}, Room::Floor, false, true, SlotStanding, 1},
      {SlotCrouching, {}, Room::Floor, false, true, SlotStanding, 1},
      {SlotCrouchWalking, {S}, Room::OffTheFloor, false, false, SlotFalling, 1},
      {SlotCrouchWalking, {S}, Room::Floor, false, false, SlotCrouching, 1},
      {SlotCrouchWalking, {S}, Room::Floor, false, true, SlotCrouching, 1},
      {SlotCrouchWalking, {}, Room::Floor, false, true, SlotStanding, 1},
      {SlotGuarding, {P, D}, Room::Floor, false, false, SlotGuarding, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "from " << row.from << ", expected " << row.expected);
    game.Platform().ReleaseAllKeys();
    StandAt(10.0f, FloorTop);
    BoundingQuad* ceiling = nullptr;
    if (row.room == Room::LowCeiling) {
      ceiling = &AddBlock(10.0f, FloorTop + player->dashingSize.y + 0.1f, 20.0f, 2.0f);
    }
    player->facing = row.from == SlotGuarding ? -1 : 1;
    PlayerState& state = *player->SwitchState(row.from);
    if (row.room == Room::OffTheFloor) {
      player->body->SetPositionXYZ(10.0f, FloorTop + 5.0f, 0.0f);
      player->groundContact = nullptr;
    }
    if (row.over) state.stateTime = 10.0f;
    for (int key : row.keys) game.PressKey(key);
    StepThroughAStop(row.hitStop, row.expected);
    EXPECT_TRUE(In(row.expected)) << WStringToString(Current()->GetName());
    EXPECT_EQ(player->facing, row.facing);
    if (ceiling) world->RemoveBoundary(ceiling);
  }
}

}  // namespace
