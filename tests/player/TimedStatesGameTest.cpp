#include <gtest/gtest.h>

#include <cmath>
#include <utility>

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
         {std::pair{std::nextafter(length, 0.0f), row.slot}, std::pair{length, row.atLength},
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

}  // namespace
