#include "enemies/DemoGoblinState.h"

#include "collision/Boundary.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinAnimationPool.h"

DemoGoblinState::DemoGoblinState(DemoGoblin* newOwner, std::wstring label,
                                 std::unique_ptr<Animation> animation, LimitDraw draw)
    : EnemyState(newOwner, std::move(animation)), demoGoblin(*newOwner), waitDraw(draw) {
  name = std::move(label);
}

void DemoGoblinState::Enter() {
  Restart();
  demoGoblin.Resize(DemoGoblin::StandingSize);
  if (waitDraw.spread > 0) wait = DrawTime(waitDraw);
}

void DemoGoblinState::Update(float dt) {
  UpdateIdle(dt);
  CheckIncomingHits();
  Decide(dt);
  PlaceStrikeShape();
}

bool DemoGoblinState::LeaveWhenDeadOrFalling() {
  if (HealthSpent()) {
    SwitchTo(DemoGoblinDead);
    return true;
  }
  if (!demoGoblin.groundContact) {
    SwitchTo(DemoGoblinFalling);
    return true;
  }
  return false;
}

void DemoGoblinState::SwitchTo(int index) { demoGoblin.SwitchState(index); }

void DemoGoblinState::Notice(const Actor& player, float reachInFront, float reachBehind) {
  switch (AlertBy(player, reachInFront, reachBehind)) {
    case Alert::Front: SwitchTo(DemoGoblinFrontAlerted); break;
    case Alert::Back: SwitchTo(DemoGoblinBackAlerted); break;
    case Alert::None: break;
  }
}
