#include "player/DeathStates.h"

#include "actors/Playfield.h"
#include "engine/BarMeter.h"
#include "engine/CircularMeter.h"
#include "engine/ColorFade.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "player/Player.h"

namespace {

// The picture fades to nothing.
constexpr Color4 Vanished{0, 0, 0, 0};

}  // namespace

StateDying::StateDying(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotDying) {}

void StateDying::Enter() {
  EnterStanding(StaminaBarBroken);
  GameStateSet* set = player->world ? player->world->ScreenSet() : nullptr;
  if (set) set->SwitchTo(set->screens[SlotDeath].get());
}

void StateDying::Update(float dt) {
  UpdatePassive(dt);
  CloseStep();
}

StateRespawning::StateRespawning(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotRespawning) {
  animationLength = Duration;
}

void StateRespawning::Enter() {
  EnterStanding(StaminaBarBroken);
  if (animation) StartFade(Vanished, animationLength);
}

void StateRespawning::Update(float dt) {
  CountStat(Stat::StatStunTime, dt);
  UpdatePassive(dt);
  if (fading) player->bodySprite->SetFillColor(StepFade(dt));
  if (stateTime >= animationLength) {
    player->FillMeters();
    // The velocity of the death is kept.
    player->body->SetPosition(player->world ? player->world->spawnPoint : player->body->position);
    SwitchTo(SlotFalling);
  }
  CloseStep();
}

void StateRespawning::Exit() {
  PlayerState::Exit();
  fading = false;
  player->bodySprite->SetFillColor(ColorWhite);
}

void StateRespawning::StartFade(const Color4& target, float seconds) {
  fadeDuration = seconds;
  fading = true;
  fadeElapsed = 0.0f;
  fadeTarget = target;
  BeginChannelFade(player->bodySprite->GetColor(), target, seconds, fadeChannels, fadeRates);
}

Color4 StateRespawning::StepFade(float dt) {
  fadeElapsed += dt;
  const Color4 color = AdvanceChannelFade(fadeChannels, fadeRates, dt);
  if (fadeElapsed < fadeDuration && !(color == fadeTarget)) return color;
  fading = false;
  return fadeTarget;
}
