#include <cmath>

#include "collision/Boundary.h"
#include "collision/Strike.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinStates.h"
#include "engine/VectorMath.h"

namespace {

constexpr bool Shielded = true;
constexpr bool Bare = false;

// Strike sizes and offsets are screen pixels at depth 0, turned into world lengths when the
// state is made.
float Pixels(float length) { return ScreenSizeToWorld(length, 0.0f); }

StrikeValues PushValues() {
  return {Pixels(40.0f), Pixels(49.0f), {Pixels(40.0f), Pixels(4.0f), 0.0f}, 4.3f, 5.0f, 0.06f};
}
const platform::Vector3 PushBias{12.0f, 0.0f, 0.0f};

StrikeValues SwingValues() {
  return {Pixels(235.0f), Pixels(110.0f), {Pixels(5.0f), Pixels(20.0f), 0.0f}, 4.3f, 10.0f, 0.2f};
}
const platform::Vector3 SwingBias{18.0f, 0.0f, 0.0f};

// The wind-up and the live frame of each swing; the last frame is instant.
constexpr float WindUp = 0.33333334f;
constexpr float PushLive = 0.26666668f;
constexpr float SwingLive = 0.033333335f;

float FrameDuration(const Animation* animation, size_t index) {
  if (!animation || index >= animation->frames.size()) return 0.0f;
  return animation->frames[index]->duration;
}

}  // namespace

GoblinStateGuarding::GoblinStateGuarding(Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, L"Goblin: Idling", std::move(animation), Shielded,
                  GoblinRestingWait) {}

void GoblinStateGuarding::Update(float dt) {
  StepPrologue(dt);
  // The tail comes first here, and with it the meters' regeneration, which must not undo a
  // blow that has just spent the goblin's health.
  const bool dies = HealthSpent();
  if (dies) SwitchTo(GoblinDead);
  UpdateCommon(dt);
  if (dies || LeaveWhenDeadOrFalling()) return;
  if (!CheckShieldContact()) ChooseGuardMove();
}

GoblinStateBlocking::GoblinStateBlocking(Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, L"Goblin: Blocking", std::move(animation), Shielded,
                  GoblinBlockingWait) {}

void GoblinStateBlocking::Update(float dt) {
  StepPrologue(dt);
  if (!LeaveWhenDeadOrFalling() && !CheckShieldContact()) ChooseGuardMove();
  UpdateCommon(dt);
}

GoblinStateForwardGuardWalking::GoblinStateForwardGuardWalking(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, L"Goblin: Forward Guard Walking", std::move(animation), Shielded,
                  {Goblin::GuardDistanceSpread, Goblin::GuardDistanceBase}) {}

void GoblinStateForwardGuardWalking::Update(float dt) {
  StepPrologue(dt);
  if (!LeaveWhenDeadOrFalling() && !CheckShieldContact()) {
    const Actor* player = FirstPlayer();
    // The wait is the distance at which the approach stops.
    if (player && (std::fabs(OffsetTo(*player)) <= wait || !IsInFront(*player))) {
      SwitchTo(GoblinGuarding);
    } else {
      RunAt(GuardWalkSpeed, dt);
    }
  }
  UpdateCommon(dt);
}

GoblinStateBackwardGuardWalking::GoblinStateBackwardGuardWalking(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinState(newOwner, L"Goblin: Backward Guard Walking", std::move(animation), Shielded,
                  GoblinRestingWait) {}

void GoblinStateBackwardGuardWalking::Update(float dt) {
  StepPrologue(dt);
  if (!LeaveWhenDeadOrFalling() && !CheckShieldContact()) {
    const Actor* player = FirstPlayer();
    if (WaitIsOver() || (player && !IsInFront(*player))) {
      SwitchTo(GoblinGuarding);
    } else {
      BackAwayAt(GuardWalkSpeed, dt);
    }
  }
  UpdateCommon(dt);
}

GoblinStateStriking::GoblinStateStriking(Goblin* newOwner, std::wstring label,
                                         std::unique_ptr<Animation> animation, bool shielded,
                                         const StrikeValues& values,
                                         const platform::Vector3& bias)
    : GoblinState(newOwner, std::move(label), std::move(animation), shielded),
      strike(AddStrikeQuad(values, bias)) {}

void GoblinStateStriking::BuildSwing(const FrameNames& names, const FrameTimes& times) {
  StrikeShape* blank = AddBlankStrike();
  BuildStrikeFrames({{names[0], times[0], blank},
                     {names[1], times[1], strike},
                     {names[2], times[2], blank}});
}

void GoblinStateStriking::Enter() {
  GoblinState::Enter();
  PutFirstStrikeInPlay();
}

void GoblinStateStriking::Update(float dt) {
  StepPrologue(dt);
  StepStrikeFrames(dt);
  if (HealthSpent()) {
    Exit();
    SwitchTo(GoblinDead);
  } else if (!goblin.groundContact) {
    Exit();
    SwitchTo(GoblinFalling);
  } else if (stateTime > animationLength) {
    Exit();
    Finish();
  }
  UpdateCommon(dt);
}

void GoblinStateStriking::Finish() { SwitchTo(GoblinGuarding); }

GoblinStateShieldPushing::GoblinStateShieldPushing(Goblin* newOwner,
                                                   std::unique_ptr<Animation> animation)
    : GoblinStateStriking(newOwner, L"Demo Enemy: Forward Attacking", std::move(animation),
                          Shielded, PushValues(), PushBias) {
  BuildSwing({L"Forward Attack pFrame1", L"Forward Attack pFrame2", L"Forward Attack pFrame3"},
             {WindUp, PushLive, WindUp});
}

void GoblinStateShieldPushing::Finish() {
  const Actor* player = FirstPlayer();
  const float dx = player ? OffsetTo(*player) : 0.0f;
  if (player && std::fabs(dx) <= AttackReach) {
    goblin.facing = dx >= 0.0f ? 1 : -1;
    SwitchTo(GoblinAttacking);
  } else {
    SwitchTo(GoblinGuarding);
  }
}

GoblinStateAttacking::GoblinStateAttacking(Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateAttacking(newOwner, L"Goblin: Attacking", std::move(animation)) {
  BuildSwing(SwingFrames, {WindUp, SwingLive, 0.0f});
}

GoblinStateAttacking::GoblinStateAttacking(Goblin* newOwner, std::wstring label,
                                           std::unique_ptr<Animation> animation)
    : GoblinStateStriking(newOwner, std::move(label), std::move(animation), Bare, SwingValues(),
                          SwingBias) {}

GoblinStateAttackingWithShield::GoblinStateAttackingWithShield(
    Goblin* newOwner, std::unique_ptr<Animation> animation)
    : GoblinStateAttacking(newOwner, L"Goblin: Attacking With Shield", std::move(animation)) {
  BuildSwing(SwingFrames, {FrameDuration(this->animation, 0), FrameDuration(this->animation, 1),
                           0.0f});
}
