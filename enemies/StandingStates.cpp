#include "enemies/StandingStates.h"

#include "actors/Playfield.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/StandingEnemy.h"
#include "engine/BarMeter.h"

StandingState::StandingState(StandingEnemy* newOwner, std::wstring label,
                             std::unique_ptr<Animation> animation)
    : EnemyState(newOwner, std::move(animation)), enemy(*newOwner) {
  name = std::move(label);
}

void StandingState::Enter() {
  const platform::Vector3& size = enemy.bodySize;
  if (enemy.hitBox) enemy.hitBox->SetDimensions(size.x, size.y, size.z);
  stateTime = 0.0f;
  if (animation) {
    animation->totalTime = 0.0f;
    animation->Advance(0.0f);
  }
}

ContactIdlingState::ContactIdlingState(StandingEnemy* newOwner, std::wstring label,
                                       std::unique_ptr<Animation> animation)
    : StandingState(newOwner, std::move(label), std::move(animation)),
      contact(MakeLastingStrike(L"Forward Attack pFrame1", Contact)) {}

void ContactIdlingState::Enter() {
  StandingState::Enter();
  strikeFrames->Rewind();
  if (enemy.sprite) {
    PlaceStrikeShape();
    PlaceHitBox();
  }
}

void ContactIdlingState::Update(float dt) {
  UpdateIdle(dt);
  UpdateShapeFrames(dt);
  TakeHits();
  if (enemy.healthMeter && enemy.healthMeter->value <= 0.0f) {
    // Its contact strike may strike the players afresh.
    if (enemy.world && strikeFrames->current) {
      enemy.world->ForgetStrike(strikeFrames->current->Strike());
    }
    enemy.SwitchState(StandingEnemy::SecondState);
  }
}

void StandingDeadState::Enter() {
  enemy.GiveExperience();
  StandingState::Enter();
}
