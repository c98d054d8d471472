#include <cmath>

#include "collision/Boundary.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyStates.h"

namespace {

// Dashing: a player nearer than this is struck. Air dashing: beyond this it steers at the player.
constexpr float StrikeDistance = 4.0f;
constexpr float SteerDistance = 4.0f;

using Skips = DemoEnemyState::Skips;
using Entry = DemoEnemyState::Entry;

}  // namespace

DemoEnemyStateDashing::DemoEnemyStateDashing(DemoEnemy* newOwner,
                                             std::unique_ptr<Animation> animation)
    : DemoEnemyState(newOwner, L"Demo Enemy: Dashing", std::move(animation), Entry::Ground) {}

void DemoEnemyStateDashing::Decide(float dt) {
  if (!OnGround()) {
    SwitchTo(DemoEnemyFalling);
    return;
  }
  const Actor* player = FirstPlayer();
  if (!player) return;
  const float dx = Dx(*player);
  // Against the ground's drag the dash gains no speed of its own: it only creeps forward.
  if (dx != 0.0f) DriftToward(SideOfOffset(dx), dt);
  if (Dy(*player) > JumpAtHeight) {
    Jump();
    SwitchTo(DemoEnemyJumping);
  } else if (std::fabs(dx) < StrikeDistance) {
    SwitchTo(DemoEnemyForwardAttacking);
  }
}

DemoEnemyStateBackDashing::DemoEnemyStateBackDashing(DemoEnemy* newOwner,
                                                     std::unique_ptr<Animation> animation)
    : DemoEnemyStateHolding(newOwner, L"Demo Enemy: Back Dashing", std::move(animation),
                            Entry::Ground, Skips{.guardBreakTest = true}) {}

DemoEnemyStateDodging::DemoEnemyStateDodging(DemoEnemy* newOwner,
                                             std::unique_ptr<Animation> animation)
    : DemoEnemyStateHolding(newOwner, L"Demo Enemy: Dodging", std::move(animation), Entry::Ground,
                            Skips{.incomingHits = true, .guardBreakTest = true}) {}

DemoEnemyStateAirDashing::DemoEnemyStateAirDashing(DemoEnemy* newOwner,
                                                   std::unique_ptr<Animation> animation)
    : DemoEnemyState(newOwner, L"Demo Enemy: Air Dashing", std::move(animation), Entry::Air,
                     Skips{.gravity = true}),
      dashTime(newOwner->totalStats[Stat::AirDashTime]) {}

void DemoEnemyStateAirDashing::Decide(float) {
  if (stateTime > dashTime) {
    SwitchTo(DemoEnemyFalling);
    return;
  }
  const Actor* player = FirstPlayer();
  if (!player) return;
  const float dx = Dx(*player);
  // Beyond the steering distance it flies level at the player; within it, on as it was.
  if (std::fabs(dx) > SteerDistance) {
    demoEnemy.facing = SideOfOffset(dx);
    platform::Vector3& velocity = demoEnemy.body->velocity;
    velocity = {static_cast<float>(demoEnemy.facing) * DashSpeed, 0.0f, velocity.z};
  }
  if (Dy(*player) > AirJumpHeight && Available(Stat::AirJumpCount)) {
    Spend(Stat::AirJumpCount);
    JumpOn();
    SwitchTo(DemoEnemyJumping);
  }
}
