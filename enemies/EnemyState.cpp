#include "enemies/EnemyState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "actors/Actor.h"
#include "actors/Playfield.h"
#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "engine/Globals.h"
#include "engine/VectorMath.h"
#include "player/Player.h"

namespace {

// How far above the body's centre the damage number starts.
constexpr float DamageTextRise = 1.0f;
constexpr float Forever = std::numeric_limits<float>::max();
constexpr float HundredthsPerSecond = 100.0f;
// How fast a run below its top speed picks up, per second.
constexpr float RunAcceleration = 5.0f;

void AddToStat(Actor& actor, int index, float delta) { (actor.*Actor::statAdders[index])(delta); }

}  // namespace

EnemyState::EnemyState(Actor* newOwner, std::unique_ptr<Animation> firstAnimation)
    : State(newOwner, std::move(firstAnimation)) {}

void EnemyState::Exit() {
  Playfield* world = owner ? owner->world : nullptr;
  if (!world) return;
  // Every strike the state may have put into play: the sequence it steps and the ones it owns.
  std::vector<StrikeShape*> used = StrikesInChain(strikeFrames);
  for (const auto& strike : strikes) used.push_back(strike.get());
  for (StrikeShape* strike : used) {
    auto& list = world->enemyStrikes;
    auto found = std::find(list.begin(), list.end(), strike);
    if (found != list.end()) list.erase(found);
    world->ForgetStrike(strike);
  }
}

void EnemyState::CheckIncomingHits(KnockBack knockBack, const HitQuad* cover) {
  Playfield* world = owner ? owner->world : nullptr;
  if (!world || !owner->hitBox) return;
  HitQuad* hitBox = owner->hitBox;
  for (StrikeShape* strike : world->playerStrikes) {
    if (!strike || !Collide(hitBox, strike)) continue;
    if (hitBox->Contains(strike)) continue;
    if (cover && (cover->Contains(strike) || Collide(cover, strike))) continue;
    holdTimer = strike->freezeTime;
    if (knockBack == KnockBack::Applied && owner->body) {
      owner->body->velocity = ComputeStrikeVector(*strike, *owner->body);
    }
    strike->hitList.AddUnique(hitBox);
    hitBox->hitList.push_back(strike);

    const float damage = strike->damage;
    const float net = DamageAfterDefence(damage, owner->derived[Derived::Defense]);
    if (owner->healthMeter) owner->healthMeter->value -= net;
    if (owner->staminaMeter) owner->staminaMeter->value -= net;
    AddToStat(*owner, Stat::StatDamageDefended, damage - net);
    AddToStat(*owner, Stat::StatDamageReceived, net);
    if (Actor* attacker = strike->owner) {
      AddToStat(*attacker, Stat::StatDamageDealt, net);
      if (attacker->state) attacker->state->holdTimer = strike->freezeTime;
    }
    if (world->floatingTexts && owner->body) {
      const platform::Vector3 at = owner->body->position;
      world->floatingTexts->Add(std::to_string(TruncateToInt(net)), at.x, at.y + DamageTextRise,
                                at.z, ColorBlack);
    }
  }
}

void EnemyState::UpdateIdle(float dt) {
  stateTime += dt;
  if (owner) owner->ApplyGravity(dt);
  if (animation) animation->Advance(dt);
}

StrikeQuad* EnemyState::MakeLastingStrike(const wchar_t* entryName, const StrikeValues& values) {
  StrikeQuad* strike = AddStrikeQuad(values);
  BuildStrikeFrames({{entryName, Forever, strike}});
  return strike;
}

StrikeQuad* EnemyState::AddStrikeQuad(const StrikeValues& values, const platform::Vector3& bias,
                                      float staminaDamage) {
  auto strike = std::make_unique<StrikeQuad>();
  strike->SetFillColor(StrikeColor);
  strike->SetDimensions(values.width, values.height, 0.0f);
  strike->owner = owner;
  strike->offset = values.offset;
  strike->direction = bias;
  strike->force = values.force;
  strike->damage = values.damage;
  strike->staminaDamage = staminaDamage;
  strike->freezeTime = values.freeze;
  StrikeQuad* made = strike.get();
  strikes.push_back(std::move(strike));
  return made;
}

StrikeShape* EnemyState::AddBlankStrike() {
  strikes.push_back(std::make_unique<StrikeCircle>());
  return strikes.back().get();
}

void EnemyState::BuildStrikeFrames(std::initializer_list<StrikeFrame> frames) {
  auto sequence = std::make_unique<FrameSequence>();
  std::vector<std::unique_ptr<FrameEntry>> built;
  // Last first, so that each entry can point at the one that follows it.
  FrameEntry* next = nullptr;
  for (auto frame = std::rbegin(frames); frame != std::rend(frames); ++frame) {
    built.push_back(MakeFrameEntry(frame->name, frame->duration, frame->strike, next));
    next = built.back().get();
  }
  for (auto entry = built.rbegin(); entry != built.rend(); ++entry) {
    sequence->frames.push_back(entry->get());
    entries.push_back(std::move(*entry));
  }
  sequence->length = ChainLength(sequence->frames.empty() ? nullptr : sequence->frames.front());
  strikeFrames = sequence.get();
  sequences.push_back(std::move(sequence));
}

void EnemyState::PutFirstStrikeInPlay() {
  strikeFrames->Rewind();
  PlaceStrikeShape();
  previousStrikeEntry = strikeFrames->current;
  StrikeShape* first = previousStrikeEntry ? previousStrikeEntry->Strike() : nullptr;
  if (first && owner->world) owner->world->enemyStrikes.push_back(first);
  PlaceHitBox();
}

void EnemyState::StepStrikeFrames(float dt) {
  UpdateShapeFrames(dt);
  FrameEntry* current = strikeFrames->current;
  if (current == previousStrikeEntry) return;
  Exit();
  StrikeShape* strike = current ? current->Strike() : nullptr;
  if (strike && owner->world) owner->world->enemyStrikes.push_back(strike);
  previousStrikeEntry = current;
}

float EnemyState::DrawTime(LimitDraw draw) {
  if (draw.spread <= 0) return 0.0f;
  return static_cast<float>(std::rand() % draw.spread + draw.base) / HundredthsPerSecond;
}

int EnemyState::Coin() { return std::rand() % 2; }

bool EnemyState::HealthSpent() const {
  return owner->healthMeter && owner->healthMeter->value <= 0.0f;
}

void EnemyState::Restart() {
  stateTime = 0.0f;
  if (animation) animation->Rewind();
}

const Actor* EnemyState::FirstPlayer() const {
  const Actor* player = owner->world ? owner->world->GetFirstPlayer() : nullptr;
  return player && player->body ? player : nullptr;
}

float EnemyState::DistanceTo(const Actor& player) const {
  const float dx = player.body->position.x - owner->body->position.x;
  const float dy = player.body->position.y - owner->body->position.y;
  return std::sqrt(dx * dx + dy * dy);
}

bool EnemyState::IsInFront(const Actor& player) const {
  const float playerX = player.body->position.x;
  const float ownX = owner->body->position.x;
  return owner->facing == -1 ? playerX <= ownX : playerX > ownX;
}

EnemyState::Alert EnemyState::AlertBy(const Actor& player, float reachInFront,
                                      float reachBehind) const {
  const float distance = DistanceTo(player);
  if (IsInFront(player)) return distance <= reachInFront ? Alert::Front : Alert::None;
  return distance <= reachBehind ? Alert::Back : Alert::None;
}

int EnemyState::SideOf(const Actor& player) const {
  return owner->body->position.x < player.body->position.x ? 1 : -1;
}

void EnemyState::RunAt(float topSpeed, float dt) {
  RunTowards(owner->facing == -1 ? -1.0f : 1.0f, topSpeed, dt);
}

void EnemyState::BackAwayAt(float topSpeed, float dt) {
  RunTowards(owner->facing == -1 ? 1.0f : -1.0f, topSpeed, dt);
}

void EnemyState::RunTowards(float side, float topSpeed, float dt) {
  const float speed = side * owner->body->velocity.x;
  if (speed < topSpeed) {
    owner->body->velocity.x = side * std::max(speed + RunAcceleration * dt, topSpeed);
  }
}
