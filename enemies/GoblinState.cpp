#include "enemies/GoblinState.h"

#include <cmath>
#include <cstdlib>

#include "actors/Playfield.h"
#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "engine/BarMeter.h"

namespace {

// Three ways to end a close guard: one backs away, two push.
constexpr int CloseGuardMoves = 3;
constexpr float HundredthsPerUnit = 100.0f;

}  // namespace

GoblinState::GoblinState(Goblin* newOwner, std::wstring label,
                         std::unique_ptr<Animation> animation, bool shielded, LimitDraw draw)
    : EnemyState(newOwner, std::move(animation)),
      goblin(*newOwner),
      shieldRaised(shielded),
      waitDraw(draw) {
  name = std::move(label);
}

void GoblinState::Enter() {
  Restart();
  goblin.hitBox->SetDimensions(Goblin::BodyWidth, Goblin::BodyHeight, 0.0f);
  goblin.body->SetDimensions(Goblin::BodyWidth, Goblin::BodyHeight, 0.0f);
  goblin.RaiseShield(shieldRaised);
  if (waitDraw.spread > 0) wait = DrawTime(waitDraw);
}

void GoblinState::StepPrologue(float dt) {
  UpdateIdle(dt);
  CheckIncomingHits(KnockBack::Applied, &goblin.HitShield());
}

bool GoblinState::LeaveWhenDeadOrFalling() {
  if (HealthSpent()) {
    SwitchTo(GoblinDead);
    return true;
  }
  if (!goblin.groundContact) {
    SwitchTo(GoblinFalling);
    return true;
  }
  return false;
}

void GoblinState::UpdateCommon(float dt) {
  const Animation* shown = goblin.state ? goblin.state->animation : nullptr;
  if (shown && shown->current) Actor::SetSourceRectFromFrame(*goblin.sprite, *shown->current);
  goblin.body->Move(dt);
  goblin.StepPhysics(dt);
  PlaceStrikeShape();
  PlaceHitBox();
  goblin.PlaceSprite();
  goblin.PlaceShield();
  goblin.PlaceMeters(dt);
}

bool GoblinState::CheckShieldContact() {
  Playfield* world = goblin.world;
  if (!world) return false;
  HitQuad& shield = goblin.HitShield();
  bool blocked = false;
  for (StrikeShape* strike : world->playerStrikes) {
    // A strike that has already reached the body is not stopped afterwards.
    if (!strike || !Collide(&shield, strike) || shield.Contains(strike) ||
        goblin.hitBox->Contains(strike)) {
      continue;
    }
    goblin.body->velocity.x += ComputeStrikeVector(*strike, *goblin.body).x;
    BarMeter& stamina = *goblin.staminaMeter;
    stamina.value -= strike->staminaDamage;
    if (stamina.value > 0.0f) {
      SwitchTo(GoblinBlocking);
    } else {
      SwitchTo(goblin.body->velocity.y > 0.0f ? GoblinGuardBreakUp : GoblinGuardBreakDown);
    }
    goblin.state->holdTimer = strike->freezeTime;
    strike->hitList.AddUnique(&shield);
    shield.hitList.push_back(strike);
    blocked = true;
  }
  return blocked;
}

void GoblinState::ChooseGuardMove() {
  const Actor* player = FirstPlayer();
  if (!player) return;
  if (!WaitIsOver()) {
    Face(*player);
    return;
  }
  const float farEnough =
      static_cast<float>(Goblin::GuardDistanceBase + Goblin::GuardDistanceSpread) /
      HundredthsPerUnit;
  if (std::fabs(OffsetTo(*player)) >= farEnough) {
    SwitchTo(GoblinForwardGuardWalking);
  } else {
    SwitchTo(std::rand() % CloseGuardMoves == 0 ? GoblinBackwardGuardWalking
                                                 : GoblinShieldPushing);
  }
}

void GoblinState::Notice(const Actor& player) {
  switch (AlertBy(player, NoticeInFront, NoticeBehind)) {
    case Alert::Front: SwitchTo(GoblinFrontAlerted); break;
    case Alert::Back: SwitchTo(GoblinBackAlerted); break;
    case Alert::None: break;
  }
}

void GoblinState::SwitchTo(int index) { goblin.SwitchState(index); }

void GoblinState::Face(const Actor& player) { goblin.facing = SideOf(player); }

float GoblinState::OffsetTo(const Actor& player) const {
  return player.body->position.x - goblin.body->position.x;
}
