#include "enemies/DemoEnemyAttackStates.h"

#include <cmath>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "engine/VectorMath.h"

using platform::Vector3;

namespace {

// Strike frame times: 4, 6, 8, 10 and 16 sixtieths of a second.
constexpr float Four = 0.06666667f;
constexpr float Six = 0.1f;
constexpr float Eight = 0.13333334f;
constexpr float Ten = 0.16666667f;
constexpr float Sixteen = 0.26666668f;
// Every swing sounds the same: the swing starts with the cut.
constexpr SwingTimes SoundTimes{0.1f, Four, 0.0f};
constexpr float GroundFreeze = 0.06f;
constexpr float SpinFreeze = 0.04f;

// The strike sizes are screen pixels at the start-up camera, turned into world units.
constexpr StrikePlan QuadStrike(float width, float height, Vector3 offset, Vector3 bias,
                                float freezeTime = GroundFreeze) {
  return {StrikeForm::Quad, {width, height, 0.0f}, offset, bias, {}, ReachRule::OffsetPlusExtent,
          freezeTime};
}

constexpr DemoEnemyAttackPlan Plans[] = {
    {DemoEnemyForwardAttacking, L"Demo Enemy: Forward Attacking", L"Forward Attack pFrame",
     QuadStrike(3.638176f, 2.323738f, {2.0f, -0.65f, 0.0f}, {12.0f, 0.0f, 0.0f}), 5.0f, 4.3f,
     {Eight, Four, Eight}, false},
    {DemoEnemyDownAttacking, L"Demo Enemy: Down Attacking", L"Down Attack pFrame",
     QuadStrike(5.398583f, 1.689991f, {0.0f, -0.77f, 0.0f}, {0.0f, -7.0f, 0.0f}), 4.0f, 15.3f,
     {Eight, Four, Ten}, false},
    {DemoEnemyUpAttacking, L"Demo Enemy: Up Attacking", L"Up Attack pFrame",
     QuadStrike(2.441099f, 4.013730f, {-0.08f, 0.5f, 0.0f}, {0.0f, 23.0f, 0.0f}), 4.0f, 6.3f,
     {Six, Six, Eight}, false},
    {DemoEnemyNeutralAirAttacking, L"Demo Enemy: Neutral Air Attacking",
     L"Neutral Air Attack pFrame",
     {StrikeForm::Circle, {2.05f, 0.0f, 0.0f}, {0.2f, 0.2f, 0.0f}, {}, {},
      ReachRule::OffsetPlusExtent, SpinFreeze},
     3.0f, 9.3f, {Six, Four, Eight}, true},
    {DemoEnemyForwardAirAttacking, L"Demo Enemy: Forward Air Attacking",
     L"Forward Air Attack pFrame",
     QuadStrike(4.389283f, 1.830824f, {0.55f, 0.08f, 0.0f}, {12.0f, 10.0f, 0.0f}), 4.0f, 4.3f,
     {Eight, Six, Ten}, true},
    {DemoEnemyDownAirAttacking, L"Demo Enemy: Down Air Attacking", L"Down Air Attack pFrame",
     QuadStrike(2.652348f, 3.591232f, {-0.05f, -0.6f, 0.0f}, {0.0f, -10.0f, 0.0f}), 5.0f, 8.3f,
     {Six, Six, Sixteen}, true},
    {DemoEnemyUpAirAttacking, L"Demo Enemy: Up Air Attacking", L"Up Air Attack pFrame",
     QuadStrike(3.239150f, 4.905669f, {-0.27f, 0.93f, 0.0f}, {0.0f, 20.0f, 0.0f}), 4.0f, 6.3f,
     {Six, Six, Ten}, true},
};

// Ground attacks: once over, a player farther than this is dashed at; a launched player higher
// than the next is followed at once.
constexpr float DashAtDistance = 4.0f;
constexpr float LaunchedHeight = 3.0f;
// A spin that missed drifts after a player farther than this.
constexpr float DriftDistance = 4.0f;
// The rising strike jumps on after a player higher than this.
constexpr float UpAirFollowHeight = 2.0f;

}  // namespace

const DemoEnemyAttackPlan& DemoEnemyAttackPlanOf(int index) {
  return Plans[index - DemoEnemyForwardAttacking];
}

DemoEnemyAttackState::DemoEnemyAttackState(DemoEnemy* newOwner,
                                           std::unique_ptr<Animation> animation, int index)
    : DemoEnemyState(newOwner, DemoEnemyAttackPlanOf(index).displayName, std::move(animation),
                     DemoEnemyAttackPlanOf(index).air ? Entry::AirAttack : Entry::GroundAttack),
      plan(DemoEnemyAttackPlanOf(index)) {
  BuildSwingFrames(*this, plan.strike, plan.strikeFrameName, plan.strikeTimes, SoundTimes,
                   newOwner->swingSounds.front().get());
  StrikeShape* live = LiveStrike();
  live->damage = plan.damage;
  live->force = plan.force;
}

StrikeShape* DemoEnemyAttackState::LiveStrike() const { return strikes.back().get(); }

bool DemoEnemyAttackState::Confirmed(const Actor& player) const {
  const FrameEntry* current = strikeFrames->current;
  StrikeShape* strike = current ? current->Strike() : nullptr;
  return strike && player.hitBox && player.hitBox->Contains(strike);
}

void DemoEnemyAttackState::EndOnGround(const Actor* player) {
  if (!OnGround()) {
    SwitchTo(DemoEnemyFalling);
    return;
  }
  if (!Over()) return;
  if (player && Dy(*player) > JumpAtHeight) {
    Jump();
    SwitchTo(DemoEnemyJumping);
  } else if (player && std::fabs(Dx(*player)) > DashAtDistance) {
    TurnToward(Dx(*player));
    SwitchTo(DemoEnemyDashing);
  } else {
    SwitchTo(DemoEnemyIdling);
  }
}

bool DemoEnemyAttackState::EndInAir() {
  if (OnGround()) {
    SwitchTo(DemoEnemyIdling);
  } else if (Over()) {
    RiseOrFall();
  } else {
    return false;
  }
  return true;
}

DemoEnemyStateForwardAttacking::DemoEnemyStateForwardAttacking(DemoEnemy* newOwner,
                                                               std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyForwardAttacking) {}

void DemoEnemyStateForwardAttacking::Decide(float) { EndOnGround(FirstPlayer()); }

DemoEnemyStateDownAttacking::DemoEnemyStateDownAttacking(DemoEnemy* newOwner,
                                                         std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyDownAttacking) {}

void DemoEnemyStateDownAttacking::Decide(float) { EndOnGround(FirstPlayer()); }

DemoEnemyStateUpAttacking::DemoEnemyStateUpAttacking(DemoEnemy* newOwner,
                                                     std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyUpAttacking) {}

void DemoEnemyStateUpAttacking::Decide(float) {
  if (!OnGround()) {
    SwitchTo(DemoEnemyFalling);
    return;
  }
  const Actor* player = FirstPlayer();
  const float dy = player ? Dy(*player) : 0.0f;
  // A player it has launched is followed before the swing is over.
  if ((player && dy > LaunchedHeight && Confirmed(*player)) || (Over() && dy > JumpAtHeight)) {
    Jump();
    SwitchTo(DemoEnemyJumping);
  } else if (Over()) {
    SwitchTo(DemoEnemyIdling);
  }
}

DemoEnemyStateNeutralAirAttacking::DemoEnemyStateNeutralAirAttacking(
    DemoEnemy* newOwner, std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyNeutralAirAttacking) {}

void DemoEnemyStateNeutralAirAttacking::Decide(float dt) {
  if (EndInAir()) return;
  const Actor* player = FirstPlayer();
  if (!player) return;
  const float dx = Dx(*player);
  const float dy = Dy(*player);
  const bool confirmed = Confirmed(*player);
  if (DistanceTo(*player) < SpinReach) {
    if (std::fabs(dx) < OverheadSpan && confirmed) {
      SwitchTo(dy < 0.0f ? DemoEnemyDownAirAttacking : DemoEnemyUpAirAttacking);
    } else if (std::fabs(dy) < LevelSpan && confirmed) {
      TurnToward(dx);
      SwitchTo(DemoEnemyForwardAirAttacking);
    }
    return;
  }
  if (dy > AirJumpHeight && Available(Stat::AirJumpCount) && confirmed) {
    Spend(Stat::AirJumpCount);
    Jump();
    SwitchTo(DemoEnemyJumping);
    return;
  }
  if (std::fabs(dx) > AirDashDistance && Available(Stat::AirDashCount) && confirmed) {
    Spend(Stat::AirDashCount);
    SwitchTo(DemoEnemyAirDashing);
  }
  if (std::fabs(dx) > DriftDistance) {
    // Held within the dash speed both ways, unlike the drift of a plain rise or fall.
    const int side = SideOfOffset(dx);
    demoEnemy.facing = side;
    float& vx = demoEnemy.body->velocity.x;
    vx = ClampFloat(vx + static_cast<float>(side) * Total(Stat::DashStrength) * dt, -DashSpeed,
                    DashSpeed);
  }
}

DemoEnemyStateForwardAirAttacking::DemoEnemyStateForwardAirAttacking(
    DemoEnemy* newOwner, std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyForwardAirAttacking) {}

void DemoEnemyStateForwardAirAttacking::Decide(float) {
  if (EndInAir()) return;
  const Actor* player = FirstPlayer();
  if (!player || !Available(Stat::AirDashCount) || !Confirmed(*player)) return;
  demoEnemy.facing = SideOfOffset(Dx(*player));
  Spend(Stat::AirDashCount);
  SwitchTo(DemoEnemyAirDashing);
}

DemoEnemyStateDownAirAttacking::DemoEnemyStateDownAirAttacking(DemoEnemy* newOwner,
                                                               std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyDownAirAttacking) {}

void DemoEnemyStateDownAirAttacking::Decide(float) { EndInAir(); }

DemoEnemyStateUpAirAttacking::DemoEnemyStateUpAirAttacking(DemoEnemy* newOwner,
                                                           std::unique_ptr<Animation> animation)
    : DemoEnemyAttackState(newOwner, std::move(animation), DemoEnemyUpAirAttacking) {}

void DemoEnemyStateUpAirAttacking::Decide(float) {
  if (EndInAir()) return;
  const Actor* player = FirstPlayer();
  if (!player || !Available(Stat::AirJumpCount) || Dy(*player) <= UpAirFollowHeight ||
      !Confirmed(*player)) {
    return;
  }
  Spend(Stat::AirJumpCount);
  Jump();
  SwitchTo(DemoEnemyJumping);
}
