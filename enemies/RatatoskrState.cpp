#include "enemies/RatatoskrState.h"

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"

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
  Restart();
  if (ratatoskr.hitBox) {
    ratatoskr.hitBox->SetDimensions(Ratatoskr::BodyWidth, Ratatoskr::BodyHeight, 0.0f);
  }
  if (limitDraw.spread > 0) timeLimit = DrawTime(limitDraw);
}

void RatatoskrState::Update(float dt) {
  if (RunPrelude(dt, preludeEnd)) return;
  if (const Actor* player = FirstPlayer()) Decide(*player, dt);
}

bool RatatoskrState::RunPrelude(float dt, Prelude last) {
  UpdateIdle(dt);
  if (last == Prelude::Animation) return false;
  CheckIncomingHits();
  if (HealthSpent()) {
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

void RatatoskrState::SwitchTo(int index) { ratatoskr.SwitchState(index); }

void RatatoskrState::SwitchByCoin(int first, int second) { SwitchTo(Coin() == 0 ? first : second); }

void RatatoskrState::TurnRandomlyAndSwitch(int first, int second) {
  const int next = Coin() == 0 ? first : second;
  ratatoskr.facing = Coin() == 0 ? -1 : 1;
  SwitchTo(next);
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
  switch (AlertBy(player, alertInFront, alertBehind)) {
    case Alert::Front: SwitchTo(RatatoskrFrontAlerted); break;
    case Alert::Back: SwitchTo(RatatoskrBackAlerted); break;
    case Alert::None: break;
  }
}
