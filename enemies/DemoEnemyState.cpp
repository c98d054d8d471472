#include "enemies/DemoEnemyState.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "engine/BarMeter.h"
#include "engine/Sound.h"

DemoEnemyState::DemoEnemyState(DemoEnemy* newOwner, std::wstring label,
                               std::unique_ptr<Animation> animation, Entry entryKind, Skips skips)
    : EnemyState(newOwner, std::move(animation)),
      demoEnemy(*newOwner),
      entry(entryKind),
      skipped(skips) {
  name = std::move(label);
}

void DemoEnemyState::Enter() {
  const bool downed = entry == Entry::Downed;
  const BoundingQuad& body = *demoEnemy.body;
  demoEnemy.hitBox->SetDimensions(downed ? 0.0f : body.width, downed ? 0.0f : body.height,
                                  downed ? 0.0f : body.depth);
  if (entry == Entry::Ground || entry == Entry::Downed || entry == Entry::GroundAttack) {
    demoEnemy.SetGainedStat245(Total(Stat::MaxAirDashes));
    demoEnemy.SetGainedStat246(Total(Stat::MaxAirJumps));
  }
  Restart();
  if (demoEnemy.staminaMeter) {
    demoEnemy.staminaMeter->fill->SetFillColor(
        entry == Entry::GuardBreak ? Enemy::HealthMeterColor : Enemy::StaminaMeterColor);
  }
  if (entry == Entry::GroundAttack || entry == Entry::AirAttack) {
    PutFirstStrikeInPlay();
    effectFrames->Rewind();
  }
}

void DemoEnemyState::Update(float dt) {
  stateTime += dt;
  if (!skipped.gravity) demoEnemy.ApplyGravity(dt);
  StepAnimation(dt);
  if (strikeFrames) StepStrikeFrames(dt);
  if (!skipped.incomingHits) CheckIncomingHits();
  Decide(dt);
  if (!skipped.guardBreakTest) TestGuardBreak();
  StepSoundFrames(dt);
}

void DemoEnemyState::TestGuardBreak() {
  const bool spent =
      (demoEnemy.staminaMeter && demoEnemy.staminaMeter->value <= 0.0f) || HealthSpent();
  if (!spent) return;
  SwitchTo(demoEnemy.body->velocity.y > 0.0f ? DemoEnemyGuardBreakUp : DemoEnemyGuardBreakDown);
}

void DemoEnemyState::StepSoundFrames(float dt) {
  if (!effectFrames) return;
  StepSequence(effectFrames, dt);
  const FrameEntry* current = effectFrames->current;
  Sound* const* held = current ? std::get_if<Sound*>(&current->payload) : nullptr;
  if (!held || !*held) return;
  (*held)->SetPosition(demoEnemy.body->position);
  (*held)->Play();
}

void DemoEnemyState::SwitchTo(int index) { demoEnemy.SwitchState(index); }

bool DemoEnemyState::OnGround() const { return demoEnemy.groundContact != nullptr; }

float DemoEnemyState::Total(int stat) const { return demoEnemy.totalStats[stat]; }

bool DemoEnemyState::Available(int count) const { return std::trunc(Total(count)) >= 1.0f; }

void DemoEnemyState::Spend(int count) {
  if (count == Stat::AirDashCount) {
    demoEnemy.AddGainedStat245(-1.0f);
  } else {
    demoEnemy.AddGainedStat246(-1.0f);
  }
}

float DemoEnemyState::Dx(const Actor& player) const {
  return player.body->position.x - demoEnemy.body->position.x;
}

float DemoEnemyState::Dy(const Actor& player) const {
  return player.body->position.y - demoEnemy.body->position.y;
}

float DemoEnemyState::DistanceTo(const Actor& player) const {
  return std::sqrt(Dx(player) * Dx(player) + Dy(player) * Dy(player));
}

void DemoEnemyState::TurnToward(float dx) {
  if (dx < 0.0f) demoEnemy.facing = -1;
  if (dx > 0.0f) demoEnemy.facing = 1;
}

void DemoEnemyState::DriftToward(int side, float dt) {
  demoEnemy.facing = side;
  Accelerate(side, dt);
}

void DemoEnemyState::DriftAwayFrom(int side, float dt) { Accelerate(-side, dt); }

void DemoEnemyState::Accelerate(int side, float dt) {
  float& vx = demoEnemy.body->velocity.x;
  const float step = Total(Stat::DashStrength) * dt;
  vx = side < 0 ? std::max(vx - step, -DashSpeed) : std::min(vx + step, DashSpeed);
}

void DemoEnemyState::Jump() { demoEnemy.body->velocity.y = Total(Stat::JumpStrength); }

void DemoEnemyState::JumpOn() {
  float& vy = demoEnemy.body->velocity.y;
  vy = vy < 0.0f ? Total(Stat::JumpStrength) : vy + Total(Stat::JumpStrength);
}

void DemoEnemyState::RiseOrFall() {
  SwitchTo(demoEnemy.body->velocity.y >= 0.0f ? DemoEnemyJumping : DemoEnemyFalling);
}
