#include "enemies/DemoEnemyStates.h"

#include <cmath>

#include "collision/Boundary.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAttackStates.h"
#include "engine/BarMeter.h"

namespace {

// Idling: a player farther than this is dashed at, one closer than this struck upward, as is
// one higher than the last.
constexpr float DashAtDistance = 3.0f;
constexpr float UpwardReach = 1.8f;
constexpr float UpwardHeight = 3.0f;

// In the air a player within this reach is met with an attack; beyond it the fall drifts after
// one beyond the next distance, the rise after one beyond the last.
constexpr float AirAttackReach = 5.0f;
constexpr float FallDriftDistance = 4.0f;
constexpr float RiseDriftDistance = 3.0f;

// A broken guard that has no health left lies down after this long on the ground.
constexpr float FallOverTime = 0.5f;

using Skips = DemoEnemyState::Skips;
using Entry = DemoEnemyState::Entry;

}  // namespace

void DemoEnemy::MakeStates() {
  MakeState<DemoEnemyStateIdling>(this, DemoEnemyIdling);
  MakeState<DemoEnemyStateDashing>(this, DemoEnemyDashing);
  MakeState<DemoEnemyStateBackDashing>(this, DemoEnemyBackDashing);
  MakeState<DemoEnemyStateDodging>(this, DemoEnemyDodging);
  MakeState<DemoEnemyStateGuarding>(this, DemoEnemyGuarding);
  MakeState<DemoEnemyStateGuardBreakUp>(this, DemoEnemyGuardBreakUp);
  MakeState<DemoEnemyStateGuardBreakDown>(this, DemoEnemyGuardBreakDown);
  MakeState<DemoEnemyStateJumping>(this, DemoEnemyJumping);
  MakeState<DemoEnemyStateFalling>(this, DemoEnemyFalling);
  MakeState<DemoEnemyStateAirDashing>(this, DemoEnemyAirDashing);
  MakeState<DemoEnemyStateForwardAttacking>(this, DemoEnemyForwardAttacking);
  MakeState<DemoEnemyStateDownAttacking>(this, DemoEnemyDownAttacking);
  MakeState<DemoEnemyStateUpAttacking>(this, DemoEnemyUpAttacking);
  MakeState<DemoEnemyStateNeutralAirAttacking>(this, DemoEnemyNeutralAirAttacking);
  MakeState<DemoEnemyStateForwardAirAttacking>(this, DemoEnemyForwardAirAttacking);
  MakeState<DemoEnemyStateDownAirAttacking>(this, DemoEnemyDownAirAttacking);
  MakeState<DemoEnemyStateUpAirAttacking>(this, DemoEnemyUpAirAttacking);
  MakeState<DemoEnemyStateDowned>(this, DemoEnemyDowned);
}

DemoEnemyStateIdling::DemoEnemyStateIdling(DemoEnemy* newOwner,
                                           std::unique_ptr<Animation> animation)
    : DemoEnemyState(newOwner, L"Demo Enemy: Idling", std::move(animation), Entry::Ground) {}

void DemoEnemyStateIdling::Decide(float) {
  if (!OnGround()) {
    SwitchTo(DemoEnemyFalling);
    return;
  }
  const Actor* player = FirstPlayer();
  if (!player) return;
  const float dx = Dx(*player);
  const float dy = Dy(*player);
  // The attacks go the way the enemy already faces.
  if (dy > JumpAtHeight) {
    Jump();
    SwitchTo(DemoEnemyJumping);
  } else if (std::fabs(dx) > DashAtDistance) {
    TurnToward(dx);
    SwitchTo(DemoEnemyDashing);
  } else if (std::fabs(dx) < UpwardReach || dy > UpwardHeight) {
    SwitchTo(DemoEnemyUpAttacking);
  } else {
    SwitchTo(DemoEnemyDownAttacking);
  }
}

void DemoEnemyStateHolding::Decide(float) {
  if (!OnGround()) SwitchTo(DemoEnemyFalling);
}

DemoEnemyStateGuarding::DemoEnemyStateGuarding(DemoEnemy* newOwner,
                                               std::unique_ptr<Animation> animation)
    : DemoEnemyStateHolding(newOwner, L"Demo Enemy: Guarding", std::move(animation),
                            Entry::Ground) {}

DemoEnemyStateDowned::DemoEnemyStateDowned(DemoEnemy* newOwner,
                                           std::unique_ptr<Animation> animation)
    : DemoEnemyStateHolding(newOwner, L"Demo Enemy: Downed", std::move(animation), Entry::Downed,
                            Skips{.guardBreakTest = true}) {}

DemoEnemyStateGuardBreak::DemoEnemyStateGuardBreak(DemoEnemy* newOwner,
                                                   std::unique_ptr<Animation> animation,
                                                   Variant breakVariant)
    : DemoEnemyState(newOwner,
                     breakVariant == Variant::Up ? L"Demo Enemy: Guard Break - Up"
                                                 : L"Demo Enemy: Guard Break - Down",
                     std::move(animation), Entry::GuardBreak, Skips{.guardBreakTest = true}),
      variant(breakVariant) {}

void DemoEnemyStateGuardBreak::Decide(float dt) {
  if (HealthSpent()) {
    if (stateTime > FallOverTime && OnGround()) SwitchTo(DemoEnemyDowned);
    if (variant == Variant::Down) return;
  }
  const Actor* player = FirstPlayer();
  if (player && !OnGround()) {
    const float dx = Dx(*player);
    if (dx != 0.0f) DriftAwayFrom(SideOfOffset(dx), dt);
  }
  if (demoEnemy.staminaMeter->value < demoEnemy.derived[Derived::ResistanceFactor]) return;
  if (OnGround()) {
    SwitchTo(DemoEnemyIdling);
  } else {
    RiseOrFall();
  }
}

DemoEnemyStateGuardBreakUp::DemoEnemyStateGuardBreakUp(DemoEnemy* newOwner,
                                                       std::unique_ptr<Animation> animation)
    : DemoEnemyStateGuardBreak(newOwner, std::move(animation), Variant::Up) {}

DemoEnemyStateGuardBreakDown::DemoEnemyStateGuardBreakDown(DemoEnemy* newOwner,
                                                           std::unique_ptr<Animation> animation)
    : DemoEnemyStateGuardBreak(newOwner, std::move(animation), Variant::Down) {}

DemoEnemyStateAirborne::DemoEnemyStateAirborne(DemoEnemy* newOwner, std::wstring label,
                                               std::unique_ptr<Animation> animation,
                                               Variant airVariant)
    : DemoEnemyState(newOwner, std::move(label), std::move(animation), Entry::Air),
      variant(airVariant) {}

void DemoEnemyStateAirborne::Decide(float dt) {
  if (OnGround()) {
    SwitchTo(DemoEnemyIdling);
    return;
  }
  const Actor* player = FirstPlayer();
  if (!player) return;
  const float dx = Dx(*player);
  const float dy = Dy(*player);
  const float distance = DistanceTo(*player);
  if (distance < SpinReach) {
    SwitchTo(DemoEnemyNeutralAirAttacking);
  } else if (distance < AirAttackReach) {
    if (std::fabs(dx) < OverheadSpan) {
      SwitchTo(dy < 0.0f ? DemoEnemyDownAirAttacking : DemoEnemyUpAirAttacking);
    } else if (std::fabs(dy) < LevelSpan) {
      TurnToward(dx);
      SwitchTo(DemoEnemyForwardAirAttacking);
    }
  } else {
    DecideFar(*player, dt);
  }
}

void DemoEnemyStateAirborne::DecideFar(const Actor& player, float dt) {
  const float dx = Dx(player);
  if (variant == Variant::Jumping) {
    // Within the attacks' reach a rise never turns into a fall.
    if (std::fabs(dx) > RiseDriftDistance) DriftToward(SideOfOffset(dx), dt);
    if (demoEnemy.body->velocity.y < 0.0f) SwitchTo(DemoEnemyFalling);
    return;
  }
  if (Dy(player) > AirJumpHeight && Available(Stat::AirJumpCount)) {
    Spend(Stat::AirJumpCount);
    JumpOn();
    SwitchTo(DemoEnemyJumping);
    return;
  }
  if (std::fabs(dx) > AirDashDistance && Available(Stat::AirDashCount)) {
    Spend(Stat::AirDashCount);
    SwitchTo(DemoEnemyAirDashing);
  }
  if (std::fabs(dx) > FallDriftDistance) DriftToward(SideOfOffset(dx), dt);
}

DemoEnemyStateJumping::DemoEnemyStateJumping(DemoEnemy* newOwner,
                                             std::unique_ptr<Animation> animation)
    : DemoEnemyStateAirborne(newOwner, L"Demo Enemy: Jumping", std::move(animation),
                             Variant::Jumping) {}

DemoEnemyStateFalling::DemoEnemyStateFalling(DemoEnemy* newOwner,
                                             std::unique_ptr<Animation> animation)
    : DemoEnemyStateAirborne(newOwner, L"Demo Enemy: Falling", std::move(animation),
                             Variant::Falling) {}
