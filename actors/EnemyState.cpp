#include "actors/EnemyState.h"

#include <algorithm>
#include <limits>
#include <string>

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "engine/Globals.h"
#include "engine/VectorMath.h"
#include "world/World.h"

namespace {

// How far above the body's centre the damage number starts.
constexpr float DamageTextRise = 1.0f;
constexpr float Forever = std::numeric_limits<float>::max();

void AddToStat(Actor& actor, int index, float delta) { (actor.*Actor::statAdders[index])(delta); }

}  // namespace

EnemyState::EnemyState(Actor* newOwner, std::unique_ptr<Animation> firstAnimation)
    : State(newOwner, std::move(firstAnimation)) {}

void EnemyState::Exit() {
  World* world = owner ? owner->world : nullptr;
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

void EnemyState::CheckIncomingHits(KnockBack knockBack) {
  World* world = owner ? owner->world : nullptr;
  if (!world || !owner->hitBox) return;
  HitQuad* hitBox = owner->hitBox;
  for (StrikeShape* strike : world->playerStrikes) {
    if (!strike || !Collide(hitBox, strike)) continue;
    if (hitBox->Contains(strike)) continue;
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

StrikeQuad* EnemyState::MakeLastingStrike(std::wstring entryName, const StrikeValues& values) {
  auto strike = std::make_unique<StrikeQuad>();
  strike->SetFillColor(StrikeColor);
  strike->SetDimensions(values.width, values.height, 0.0f);
  strike->owner = owner;
  strike->offset = values.offset;
  strike->force = values.force;
  strike->damage = values.damage;
  strike->freezeTime = values.freeze;
  auto entry = MakeFrameEntry(std::move(entryName), Forever, strike.get(), nullptr);
  auto sequence = std::make_unique<FrameSequence>();
  sequence->frames.push_back(entry.get());
  sequence->length = Forever;
  strikeFrames = sequence.get();
  StrikeQuad* made = strike.get();
  strikes.push_back(std::move(strike));
  entries.push_back(std::move(entry));
  sequences.push_back(std::move(sequence));
  return made;
}
