#include "player/PlayerState.h"

#include <algorithm>
#include <array>
#include <string>

#include "actors/Playfield.h"
#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/CircularMeter.h"
#include "engine/Controls.h"
#include "engine/DebugSwitches.h"
#include "engine/FloatingText.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/Sound.h"
#include "engine/VectorMath.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"

const Color4 StaminaBarGreen{200, 0, 128, 0};
const Color4 StaminaBarBroken{200, 128, 0, 0};

namespace {

void AddToStat(Actor& actor, int index, float delta) { (actor.*Actor::statAdders[index])(delta); }

// The guard breaks of levels 1 to 3, rising and not.
constexpr std::array<PlayerStateSlot, 3> RisingBreaks = {SlotGuardBreak1Up, SlotGuardBreak2Up,
                                                         SlotGuardBreak3Up};
constexpr std::array<PlayerStateSlot, 3> SinkingBreaks = {SlotGuardBreak1Down, SlotGuardBreak2Down,
                                                          SlotGuardBreak3Down};

// Texel corners in the order (right, bottom), (left, bottom), (right, top), (left, top).
std::array<float, 8> CornersOf(const platform::PixelRect& cell) {
  const auto l = static_cast<float>(cell.left);
  const auto t = static_cast<float>(cell.top);
  const auto r = static_cast<float>(cell.right);
  const auto b = static_cast<float>(cell.bottom);
  return {r, b, l, b, r, t, l, t};
}

}  // namespace

PlayerState::PlayerState(Player* newOwner, Texture* texture, PlayerStateSlot entry)
    : State(newOwner, nullptr), player(newOwner), slot(entry) {
  const PlayerStatePlan& plan = PlayerStatePlans()[slot];
  name = plan.displayName;
  firstOffset = plan.firstOffset;
  spriteOffset = plan.spriteOffset;
  hitBoxOffset = plan.hitBoxOffset;
  // Built from the last frame to the first, so that each links to the one after it.
  AnimationFrame* next = nullptr;
  for (auto frame = plan.frames.rbegin(); frame != plan.frames.rend(); ++frame) {
    frames.insert(frames.begin(), CreateAnimationFrame(frame->name, frame->duration, next, texture,
                                                       CornersOf(frame->cell)));
    next = frames.front().get();
  }
  auto built = std::make_unique<Animation>();
  for (const auto& frame : frames) built->frames.push_back(frame.get());
  built->length = frames.empty() ? 0.0f : ChainLength(frames.front().get());
  built->loop = plan.loop;
  animation = built.get();
  animationLength = built->length;
  animations.push_back(std::move(built));
  followsItself = plan.followOn == FollowOn::Itself;
}

PlayerState::~PlayerState() = default;

void PlayerState::Exit() {
  Playfield* world = player ? player->world : nullptr;
  if (!world) return;
  for (StrikeShape* strike : StrikesInChain(strikeFrames)) {
    auto& live = world->playerStrikes;
    auto found = std::find(live.begin(), live.end(), strike);
    if (found != live.end()) live.erase(found);
    for (HitShape* hitBox : strike->hitList) hitBox->Forget(strike);
    // The strike forgets them as well, so that it can hit them again and keeps no stale box.
    strike->hitList.clear();
  }
}

void PlayerState::SetMovementLimits() { RefillAirMoves(); }

bool PlayerState::CheckIncomingHits(const HitRule& rule) {
  Playfield* world = player->world;
  if (!world) return false;
  bool hit = false;
  for (StrikeShape* strike : world->enemyStrikes) hit = ApplyIncomingHit(*strike, rule) || hit;
  if (world->playersHitPlayers) {
    for (StrikeShape* strike : world->playerStrikes) {
      if (strike->owner != owner) hit = ApplyIncomingHit(*strike, rule) || hit;
    }
  }
  return hit;
}

bool PlayerState::ApplyIncomingHit(StrikeShape& strike, const HitRule& rule) {
  HitQuad* hitBox = player->hitBox;
  if (!hitBox || !Collide(hitBox, &strike)) return false;
  // A strike hits a player once, until it is forgotten.
  if (hitBox->Contains(&strike)) return true;
  holdTimer = strike.freezeTime;
  BoundingQuad& body = *player->body;
  body.velocity = body.velocity + ComputeStrikeVector(strike, body);
  strike.hitList.AddUnique(hitBox);
  hitBox->hitList.push_back(&strike);

  const float damage = strike.damage;
  const float net = DamageAfterDefence(damage, player->derived[Derived::Defense] + rule.extraDefence);
  player->healthMeter->value -= net;
  AddToStat(*player, Stat::StatDamageDefended, damage - net);
  AddToStat(*player, Stat::StatDamageReceived, net);
  float netStamina = 0.0f;
  if (rule.takesStamina) {
    const float staminaDamage = strike.staminaDamage;
    netStamina = DamageAfterDefence(staminaDamage,
                                    player->derived[Derived::Endurance] + rule.extraEndurance);
    player->staminaRing->SetValue(player->staminaRing->value - netStamina);
    AddToStat(*player, Stat::StatStaminaDamageDefended, staminaDamage - netStamina);
    AddToStat(*player, Stat::StatStaminaDamageReceived, netStamina);
  }
  if (Actor* attacker = strike.owner) {
    AddToStat(*attacker, Stat::StatDamageDealt, net);
    if (rule.takesStamina) AddToStat(*attacker, Stat::StatStaminaDamageDealt, netStamina);
    if (attacker->state) attacker->state->holdTimer = strike.freezeTime;
  }
  if (player->world->floatingTexts) {
    player->world->floatingTexts->Add(std::to_string(TruncateToInt(net)), body.position.x,
                                      body.position.y, body.position.z, ColorBlack);
  }
  return true;
}

PlayerState* PlayerState::CheckDeath() {
  if (!(player->healthMeter->value > 0.0f) && player->world) {
    if (player->world->deathMode == Playfield::DeathModeScreen) {
      SwitchTo(SlotDying);
    } else if (player->world->deathMode == Playfield::DeathModeRespawn) {
      SwitchTo(SlotRespawning);
    }
  }
  return player->CurrentState();
}

StrikeOutcome PlayerState::TakeStrikes(const HitRule& rule) {
  const bool hit = CheckIncomingHits(rule);
  PlayerState* before = player->CurrentState();
  if (CheckDeath() != before) return StrikeOutcome::Died;
  return hit ? StrikeOutcome::Hit : StrikeOutcome::Missed;
}

PlayerState* PlayerState::ChooseGuardBreakState() {
  const int level = GuardBreakLevel();
  if (level > 0) BreakGuard(level);
  return player->CurrentState();
}

int PlayerState::GuardBreakLevel() const {
  const float stamina = player->staminaRing->value;
  const float breakPoint1 = player->derived[Derived::BreakPoint1Factor];
  const float breakPoint2 = player->derived[Derived::BreakPoint2Factor];
  // The second threshold is the product of the two factors, not a share of the maximum.
  if (stamina <= 0.0f) return 3;
  if (stamina <= breakPoint2 * breakPoint1) return 2;
  if (stamina <= breakPoint1 * player->derived[Derived::MaxStamina]) return 1;
  return 0;
}

void PlayerState::BreakGuard(int level) {
  const auto index = static_cast<size_t>(level - 1);
  SwitchTo(player->body->velocity.y > 0.0f ? RisingBreaks.at(index) : SinkingBreaks.at(index));
}

void PlayerState::RefillAirMoves() {
  player->SetGainedStat245(Total(Stat::MaxAirDashes));
  player->SetGainedStat246(Total(Stat::MaxAirJumps));
}

void PlayerState::ApplyStatLimits() {
  if (Total(Stat::MaxAirJumps) < Total(Stat::AirJumpCount)) {
    player->SetGainedStat246(Total(Stat::MaxAirJumps));
  }
  if (Total(Stat::MaxAirDashes) < Total(Stat::AirDashCount)) {
    player->SetGainedStat245(Total(Stat::MaxAirDashes));
  }
}

PlayerState* PlayerState::SwitchTo(PlayerStateSlot slot) { return player->SwitchState(slot); }

void PlayerState::SetPending(PlayerStateSlot slot) { pendingState = player->StateAt(slot); }

bool PlayerState::TakePending() {
  if (!pendingState) return false;
  PlayerState* next = pendingState;
  Leave();
  player->EnterState(next);
  return true;
}

void PlayerState::Leave() {
  if (!visiting) return;
  visiting = false;
  Exit();
}

void PlayerState::Go(PlayerStateSlot target, bool buffered) {
  if (buffered) {
    SetPending(target);
  } else {
    SwitchTo(target);
  }
}

bool PlayerState::TakeGroundAction(bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsAction4Pressed(pad)) {
    SwitchTo(SlotGuarding);
  } else if (input.IsAction1Pressed(pad)) {
    Go(input.IsUpHeld() ? SlotUpAttacking : SlotGroundAttacking1, buffered);
  } else if (TakeStickAttack(buffered)) {
    // Attacked.
  } else if (input.IsAction2Pressed(pad)) {
    Go(SlotGroundJumping, buffered);
  } else {
    return false;
  }
  return true;
}

bool PlayerState::TakeStickAttack(bool buffered) {
  return TakeStickAttack(SlotUpAttacking, SlotDownAttacking, SlotGroundAttacking1, buffered);
}

bool PlayerState::TakeStickAttack(PlayerStateSlot up, PlayerStateSlot down,
                                  PlayerStateSlot sideways, bool buffered) {
  const Controls& input = Input();
  const int pad = input.activePad;
  if (input.IsRightStickUpPressed(pad)) {
    Go(up, buffered);
  } else if (input.IsRightStickDownPressed(pad)) {
    Go(down, buffered);
  } else if (input.IsRightStickLeftPressed(pad) || input.IsRightStickRightPressed(pad)) {
    player->facing = input.IsRightStickLeftPressed(pad) ? -1 : 1;
    Go(sideways, buffered);
  } else {
    return false;
  }
  return true;
}

void PlayerState::CloseStep() {
  if (!IsCurrent()) Leave();
}

bool PlayerState::IsCurrent() const { return player->CurrentState() == this; }

bool PlayerState::GodModeChordHeld() const {
  return player->world && DebugSwitchOn(player->world->ScreenSet(), ToggleEnableGodMode) &&
         GodModeKeyHeld();
}

bool PlayerState::GodModeKeyHeld() const {
  const Controls* controls = player->controls;
  if (!controls) return false;
  if (controls->keyboardEnabled && controls->keyboard->IsDown(VirtualKey::LeftShift)) return true;
  const int pad = controls->activePad;
  if (pad < 0 || pad >= platform::PadSlotCount || !controls->padEnabled[pad]) return false;
  const Gamepad& gamepad = *controls->pads[pad];
  return gamepad.connected && gamepad.current.leftTrigger > gamepad.leftTriggerThreshold;
}

void PlayerState::CheckGodMode() {
  if (GodModeChordHeld()) SwitchTo(SlotGodModing);
}

void PlayerState::CheckGodModeHeld() {
  if (GodModeChordHeld()) SetPending(SlotGodModing);
}

void PlayerState::EnterStanding(const Color4& barColor) {
  EnterOnGround(player->standingSize, barColor);
}

void PlayerState::EnterCrouched() { EnterOnGround(player->crouchingSize, StaminaBarGreen); }

void PlayerState::EnterOnGround(const platform::Vector3& size, const Color4& barColor) {
  TakeBodySize(size);
  RefillAirMoves();
  ResetTimers();
  SetStaminaBarColor(barColor);
}

void PlayerState::ResetTimers() {
  stateTime = 0.0f;
  holdTimer = 0.0f;
  pendingState = nullptr;
  RestartAnimation();
}

void PlayerState::UpdatePassive(float dt) {
  stateTime += dt;
  player->ApplyGravity(dt);
  StepAnimation(dt);
}

void PlayerState::UpdateStill(float dt, const HitRule& rule) {
  UpdatePassive(dt);
  if (TakeStrikes(rule) == StrikeOutcome::Hit) ChooseGuardBreakState();
  CloseStep();
}

void PlayerState::UpdateCrouched(float dt) {
  UpdatePassive(dt);
  // A guard break would stand the player up.
  if (TakeStrikes() == StrikeOutcome::Hit && StandingFits()) ChooseGuardBreakState();
  CloseStep();
}

void PlayerState::RestartAnimation() {
  if (animations.empty()) return;
  animation = animations.front().get();
  if (followsItself) animation->next = animation;
  animation->current = animation->frames.empty() ? nullptr : animation->frames.front();
  animation->frameTime = 0.0f;
  animation->totalTime = 0.0f;
}

void PlayerState::Steer(float k, float dt) {
  const Controls& input = Input();
  if (!input.IsLeftHeld() && !input.IsRightHeld()) return;
  player->facing = input.IsLeftHeld() ? -1 : 1;
  Accelerate(player->facing, Total(Stat::WalkAccel) * k, Total(Stat::MaxWalkSpeed), dt);
}

void PlayerState::Accelerate(int side, float acceleration, float limit, float dt) {
  float& vx = player->body->velocity.x;
  const float step = acceleration * dt;
  if (side < 0 && vx > -limit) vx = std::max(vx - step, -limit);
  if (side > 0 && vx < limit) vx = std::min(vx + step, limit);
}

void PlayerState::TakeBodySize(const platform::Vector3& size) {
  player->SetBoundingSize(size.x, size.y, size.z);
  const BoundingQuad& body = *player->body;
  player->hitBox->SetDimensions(body.width, body.height, body.depth);
}

bool PlayerState::StandingFits() const {
  const platform::Vector3& size = player->standingSize;
  return player->TestResize(*player->body, size.x, size.y, size.z).y >= 0.0f;
}

void PlayerState::SetStaminaBarColor(const Color4& color) {
  if (player->staminaMeter) player->staminaMeter->fill->SetFillColor(color);
}

Sound& PlayerState::SoundAtBody(int index) {
  Sound& sound = *player->sounds[static_cast<size_t>(index)];
  sound.SetPosition(player->body->position);
  return sound;
}

bool PlayerState::DropThroughGround() {
  auto* ground = dynamic_cast<BoundingShape*>(player->groundContact);
  if (!ground || !ground->partialEdges) return false;
  player->body->AddUnique(ground);
  return true;
}

const Controls& PlayerState::Input() const { return *player->controls; }

bool PlayerState::OnGround() const { return player->groundContact != nullptr; }

float PlayerState::Total(int stat) const { return player->totalStats[stat]; }

bool PlayerState::AirDashReady() const {
  const Controls& input = Input();
  return input.IsAction3Pressed(input.activePad) && Total(Stat::AirDashCount) > 0.0f;
}

void PlayerState::CountStat(int stat, float delta) { AddToStat(*player, stat, delta); }
