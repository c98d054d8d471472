#include "player/AttackState.h"

#include <variant>

#include "actors/Playfield.h"
#include "collision/Strike.h"
#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"

AttackState::AttackState(Player* newOwner, Texture* texture, PlayerStateSlot entry)
    : PlayerState(newOwner, texture, entry), plan(AttackPlanOf(entry)) {
  for (const auto& frame : frames) baseFrameTimes.push_back(frame->duration);

  const SwingSteps steps =
      BuildSwingFrames(*this, plan.strike, plan.strikeFrameName, plan.strikeTimes, plan.soundTimes,
                       newOwner->sounds[plan.swingSound].get());
  strikeSteps = steps.strike;
  soundSteps = steps.sound;
}

AttackState::~AttackState() = default;

void AttackState::Enter() {
  TakeBodySize(BodySize(PlayerStatePlans()[slot].body));
  if (plan.hitBoxSize) {
    player->hitBox->SetDimensions(plan.hitBoxSize->x, plan.hitBoxSize->y, plan.hitBoxSize->z);
  }
  // An air attack gives back none of the air moves already spent.
  if (plan.footing == Footing::Ground) RefillAirMoves();
  ResetTimers();
  // What the strike does follows the statistics at the moment of the swing.
  StrikeShape& live = *LiveStrike();
  live.damage = Total(plan.damageFactor) * player->derived[Derived::Attack];
  live.staminaDamage = Total(plan.staminaDamageFactor) * player->derived[Derived::StaminaDamage];
  live.force = Total(plan.forceFactor) * Total(plan.force);
  ApplyAttackSpeed();
  strikeFrames->Rewind();
  PlaceStrikeShape();
  PutInPlay(strikeFrames->current);
  PlaceHitBox();
  effectFrames->Rewind();
  swungSound = nullptr;
  SetStaminaBarColor(StaminaBarGreen);
}

void AttackState::ApplyAttackSpeed() {
  const float factor = player->derived[Derived::AttackSpeedFactor];
  for (size_t i = 0; i < frames.size(); ++i) frames[i]->duration = baseFrameTimes[i] * factor;
  Animation& pictures = *animations.front();
  pictures.length = ChainLength(frames.front().get());
  animationLength = pictures.length;
  for (int k = 0; k < AttackStepCount; ++k) {
    strikeSteps[k]->duration = plan.strikeTimes[k] * factor;
    soundSteps[k]->duration = plan.soundTimes[k] * factor;
  }
  strikeFrames->length = ChainLength(strikeSteps.front());
  effectFrames->length = ChainLength(soundSteps.front());
}

StrikeShape* AttackState::LiveStrike() const { return strikeSteps[LiveStep]->Strike(); }

void AttackState::HandleInput(float) {
  if (TookPending()) return;
  if (!LostGround()) TimeEnded();
  CheckGodMode();
  CloseStep();
}

void AttackState::HandleInputHeld(float) {
  CheckGodMode();
  CloseStep();
}

bool AttackState::TookPending() {
  if (!TakePending()) return false;
  CloseStep();
  return true;
}

bool AttackState::LostGround() {
  if (OnGround()) return false;
  SwitchTo(SlotFalling);
  return true;
}

bool AttackState::Landed() {
  if (!OnGround()) return false;
  SwitchTo(SlotIdling);
  return true;
}

bool AttackState::TimeEnded() {
  if (!TimeUsedUp()) return false;
  EndAttack();
  return true;
}

bool AttackState::TakeFirst(std::initializer_list<AttackCancel> cancels) {
  for (const AttackCancel& cancel : cancels) {
    if (!Triggered(cancel.trigger)) continue;
    FaceFor(cancel.trigger);
    SwitchTo(cancel.target);
    return true;
  }
  return false;
}

void AttackState::KeepForLater(std::initializer_list<AttackCancel> cancels) {
  for (const AttackCancel& cancel : cancels) {
    if (!Triggered(cancel.trigger)) continue;
    FaceFor(cancel.trigger);
    SetPending(cancel.target);
  }
}

bool AttackState::Waits(PlayerStateSlot slot) const {
  return pendingState == player->StateAt(slot);
}

void AttackState::Update(float dt) {
  stateTime += dt;
  player->ApplyGravity(dt);
  StepAnimation(dt);
  UpdateShapeFrames(dt);
  if (strikeFrames->current != shownStrike) {
    Exit();
    PutInPlay(strikeFrames->current);
  }
  if (TakeStrikes() == StrikeOutcome::Hit) ChooseGuardBreakState();
  StepSequence(effectFrames, dt);
  Swing();
  CloseStep();
}

void AttackState::SetMovementLimits() {
  if (plan.footing == Footing::Ground) {
    RefillAirMoves();
  } else {
    ApplyStatLimits();
  }
}

void AttackState::EndAttack() {
  if (plan.footing == Footing::Ground) {
    SwitchTo(SlotIdling);
  } else {
    SwitchTo(player->body->velocity.y > 0.0f ? SlotAscending : SlotFalling);
  }
}

bool AttackState::Triggered(Trigger trigger) const {
  const Controls& input = Input();
  const int pad = input.activePad;
  const bool attack = input.IsAction1Pressed(pad);
  switch (trigger) {
    case Trigger::JumpHeld:
      return input.IsAction2Held();
    case Trigger::AirJump:
      return input.IsAction2Pressed(pad) && Total(Stat::AirJumpCount) > 0.0f;
    case Trigger::AirDash:
      return AirDashReady();
    case Trigger::AttackUp:
      return input.IsRightStickUpPressed(pad) || (attack && input.IsUpHeld());
    case Trigger::AttackDown:
      return input.IsRightStickDownPressed(pad) || (attack && input.IsDownHeld());
    case Trigger::AttackLeft:
      return input.IsRightStickLeftPressed(pad) || (attack && input.IsLeftHeld());
    case Trigger::AttackRight:
      return input.IsRightStickRightPressed(pad) || (attack && input.IsRightHeld());
  }
  return false;
}

void AttackState::FaceFor(Trigger trigger) {
  const Controls& input = Input();
  if (trigger == Trigger::AttackLeft || (trigger == Trigger::AirDash && input.IsLeftHeld())) {
    player->facing = -1;
  } else if (trigger == Trigger::AttackRight ||
             (trigger == Trigger::AirDash && input.IsRightHeld())) {
    player->facing = 1;
  }
}

void AttackState::CutJump() {
  float& vy = player->body->velocity.y;
  if (!Input().IsAction2Held() && vy > 0.0f) vy = 0.0f;
}

void AttackState::Drift(float dt, bool turning) {
  const Controls& input = Input();
  if (!(input.IsLeftHeld() || input.IsRightHeld())) return;
  const int side = input.IsLeftHeld() ? -1 : 1;
  if (turning) player->facing = side;
  Accelerate(side, Total(Stat::WalkAccel), Total(Stat::MaxDashSpeed), dt);
}

void AttackState::PutInPlay(const FrameEntry* entry) {
  shownStrike = entry;
  StrikeShape* strike = entry ? entry->Strike() : nullptr;
  if (strike && player->world) player->world->playerStrikes.push_back(strike);
}

void AttackState::Swing() {
  const FrameEntry* entry = effectFrames ? effectFrames->current : nullptr;
  Sound* const* held = entry ? std::get_if<Sound*>(&entry->payload) : nullptr;
  Sound* swing = held ? *held : nullptr;
  if (!swing) return;
  swing->SetPosition(player->body->position);
  if (swungSound != entry && !swing->IsPlaying()) {
    swing->Play();
    swungSound = entry;
  }
}
