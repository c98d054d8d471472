#include "enemies/RatatoskrState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "engine/BarMeter.h"
#include "player/Player.h"
#include "world/World.h"

namespace {

constexpr float HundredthsPerSecond = 100.0f;
// How fast a run below its top speed picks up, per second.
constexpr float RunAcceleration = 5.0f;

}  // namespace

RatatoskrState::RatatoskrState(Ratatoskr* newOwner, std::wstring label,
                               std::unique_ptr<Animation> animation, LimitDraw draw,
                               Prelude prelude)
    : EnemyState(newOwner, std::move(animation)),
      ratatoskr(*newOwner),
      limitDraw(draw),
      preludeEnd(prelude) {
  name = std::move(label);
}

void RatatoskrState::Enter() {
  stateTime = 0.0f;
  if (ratatoskr.hitBox) {
    ratatoskr.hitBox->SetDimensions(Ratatoskr::BodyWidth, Ratatoskr::BodyHeight, 0.0f);
  }
  if (animation) animation->Rewind();
  if (limitDraw.spread > 0) {
    timeLimit =
        static_cast<float>(std::rand() % limitDraw.spread + limitDraw.base) / HundredthsPerSecond;
  }
}

void RatatoskrState::Update(float dt) {
  if (RunPrelude(dt, preludeEnd)) return;
  if (const Actor* player = FirstPlayer()) Decide(*player, dt);
}

bool RatatoskrState::RunPrelude(float dt, Prelude last) {
  UpdateIdle(dt);
  if (last == Prelude::Animation) return false;
  CheckIncomingHits();
  if (ratatoskr.healthMeter && ratatoskr.healthMeter->value <= 0.0f) {
    // Only the bite has something to take back.
    Exit();
    SwitchTo(RatatoskrDead);
    return true;
  }
  if (last == Prelude::Death) return false;
  if (!ratatoskr.groundContact) {
    SwitchTo(RatatoskrFalling);
    return true;
  }
  return false;
}

const Actor* RatatoskrState::FirstPlayer() const {
  const Actor* player = ratatoskr.world ? ratatoskr.world->GetFirstPlayer() : nullptr;
  return player && player->body ? player : nullptr;
}

float RatatoskrState::DistanceTo(const Actor& player) const {
  const float dx = player.body->position.x - ratatoskr.body->position.x;
  const float dy = player.body->position.y - ratatoskr.body->position.y;
  return std::sqrt(dx * dx + dy * dy);
}

bool RatatoskrState::IsInFront(const Actor& player) const {
  const float playerX = player.body->position.x;
  const float ownX = ratatoskr.body->position.x;
  return ratatoskr.facing == -1 ? playerX <= ownX : playerX > ownX;
}

void RatatoskrState::SwitchTo(int index) { ratatoskr.SwitchState(index); }

int RatatoskrState::Coin() { return std::rand() % 2; }

void RatatoskrState::SwitchByCoin(int first, int second) { SwitchTo(Coin() == 0 ? first : second); }

void RatatoskrState::TurnRandomlyAndSwitch(int first, int second) {
  const int next = Coin() == 0 ? first : second;
  ratatoskr.facing = Coin() == 0 ? -1 : 1;
  SwitchTo(next);
}

void RatatoskrState::RunAt(float topSpeed, float dt) {
  const float side = ratatoskr.facing == -1 ? -1.0f : 1.0f;
  const float speed = side * ratatoskr.body->velocity.x;
  if (speed < topSpeed) {
    ratatoskr.body->velocity.x = side * std::max(speed + RunAcceleration * dt, topSpeed);
  }
}

void RatatoskrState::DecideWhileResting(const Actor& player, int coinFirst, float alertInFront,
                                        float alertBehind) {
  if (TimedOut()) {
    const float x = ratatoskr.body->position.x;
    if (x < ratatoskr.leftBound) {
      ratatoskr.facing = 1;
      SwitchTo(RatatoskrRunning);
    } else if (x > ratatoskr.rightBound) {
      ratatoskr.facing = -1;
      SwitchTo(RatatoskrRunning);
    } else {
      TurnRandomlyAndSwitch(coinFirst, RatatoskrRunning);
    }
    return;
  }
  const float distance = DistanceTo(player);
  if (IsInFront(player)) {
    if (distance <= alertInFront) SwitchTo(RatatoskrFrontAlerted);
  } else if (distance <= alertBehind) {
    SwitchTo(RatatoskrBackAlerted);
  }
}
