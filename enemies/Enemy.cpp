#include "enemies/Enemy.h"

#include <algorithm>

#include "actors/Playfield.h"
#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/EnemyResources.h"
#include "engine/BarMeter.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

constexpr int FallbackPoolKind = 0;

// The bestiary shows a picture in a square of this side, whatever the size of its cell.
constexpr float PictureSide = 128.0f;

template <typename BodyShape>
std::unique_ptr<BodyShape> MakeBodyShape(const char* name, const Color4& color, const Vector3& size,
                                         const Vector3& position) {
  auto shape = std::make_unique<BodyShape>();
  shape->SetName(name);
  shape->SetFillColor(color);
  shape->SetDimensions(size.x, size.y, size.z);
  shape->SetPosition(position);
  return shape;
}

void WriteGained(StatBlock& gained, std::span<const GainedValue> values) {
  for (const GainedValue& entry : values) gained[entry.index] = entry.value;
}

}  // namespace

Enemy::Enemy(int32_t kind) : Enemy(EnemyKindName(kind)) { enemyKind = kind; }

Enemy::Enemy(std::string name) : Actor(std::move(name)) { kind = ActorKindEnemy; }

// The concrete enemy's states, which refer to these parts, are gone by now.
Enemy::~Enemy() = default;

std::unique_ptr<EnemyAnimationPool> Enemy::CreateAnimationPool(const EnemyResources& resources,
                                                               int kind) {
  const int poolKind = IsEnemyKind(kind) ? kind : FallbackPoolKind;
  const EnemyAnimationPool* pool = resources.GetAnimationPool(poolKind);
  const TextureGroup* textures = resources.GetTextureGroup(poolKind);
  if (!pool || !textures) return nullptr;
  for (const std::unique_ptr<Texture>& texture : *textures) texture->Require();
  return pool->Create(*textures);
}

std::unique_ptr<EnemyAnimationPool> Enemy::PoolFromCatalogue(const Playfield* owner, int kind) {
  if (!owner || !owner->EnemyCatalogue()) return nullptr;
  return CreateAnimationPool(*owner->EnemyCatalogue(), kind);
}

int Enemy::FindKindByName(const EnemyResources& resources, const std::string& name) {
  const auto& prototypes = resources.prototypes;
  const auto found = std::ranges::find_if(prototypes, [&name](const std::unique_ptr<Enemy>& kind) {
    return kind && kind->name == name;
  });
  return found != prototypes.end() ? static_cast<int>(found - prototypes.begin()) : -1;
}

void Enemy::EnterState(State* next) {
  if (!next) return;
  // A hit-stop written in this update belongs to the enemy, not to the state it leaves, which
  // would otherwise freeze the enemy the next time it is entered.
  float hold = 0.0f;
  if (state) {
    hold = state->holdTimer;
    state->holdTimer = 0.0f;
  }
  next->Enter();
  state = next;
  next->holdTimer = hold;
}

bool Enemy::GiveExperience() {
  Player* player = world ? world->GetFirstPlayer() : nullptr;
  if (!player) return false;
  player->AddGainedStat49(totalStats[Stat::StatGivenExperience]);
  player->UpdateExperienceMeter();
  return true;
}

void Enemy::InitializeBody(const char* bodyName, const char* hitBoxName, const Vector3& size,
                           const Vector3& position, int32_t groupNumber) {
  ownBody = MakeBodyShape<BoundingQuad>(bodyName, BoundingColor, size, position);
  ownBody->previousPosition = position;
  body = ownBody.get();

  ownHitBox = MakeBodyShape<HitQuad>(hitBoxName, HitBoxColor, size, position);
  ownHitBox->groupNumber = drawLayer;
  hitBox = ownHitBox.get();

  facing = 1;
  groundContact = nullptr;
  wallContact = nullptr;
  drawLayer = groupNumber;
}

void Enemy::WriteGrowth(std::span<const GainedValue> values) {
  // Straight into the gained sheet; the totals and derived values follow once, below.
  WriteGained(*stats, values);
  RecomputeTotalStats();
  RecomputeDerivedStats();
}

void Enemy::WriteGrowth(std::span<const GainedValue> values,
                        std::span<const GainedValue> fighting) {
  StatBlock& gained = *stats;
  WriteGained(gained, values);
  std::fill(gained.begin() + Stat::BaseAttack, gained.begin() + Stat::GainedGuardSpeedFactor + 1,
            0.0f);
  WriteGrowth(fighting);
}

void Enemy::MakePicture(const TextureGroup& textures, const platform::PixelRect& cell) {
  Texture* sheet = textures.empty() ? nullptr : textures.front().get();
  ownSprite = std::make_unique<Sprite>(sheet);
  ownSprite->SetRect(cell.left, cell.top, cell.right, cell.bottom);
  const auto side = static_cast<float>(std::max(cell.right - cell.left, cell.bottom - cell.top));
  if (side > 0.0f) ownSprite->SetScale(PictureSide / side, PictureSide / side);
  ownSprite->dirty = 1;
}

void Enemy::MakeSpriteAndMeters() {
  const AnimationFrame* first = state && state->animation ? state->animation->current : nullptr;
  ownSprite = std::make_unique<Sprite>(first ? first->texture : nullptr, 1, body->position, 0.0f,
                                       platform::PixelRect{});
  if (first) SetSourceRectFromFrame(*ownSprite, *first);
  sprite = ownSprite.get();

  MakeMeters(ownSprite->position);

  if (!state) return;
  if (state->animation) state->animation->Advance(0.0f);
  state->UpdateShapeFrames(0.0f);
  state->PlaceStrikeShape();
  state->PlaceHitBox();
}

void Enemy::PlaceSprite() { sprite->SetPosition(body->position); }

void Enemy::Update(float dt) {
  if (!state || !sprite) return;
  state->Update(dt);
  if (state->animation && state->animation->current) {
    SetSourceRectFromFrame(*sprite, *state->animation->current);
  }
  body->Move(dt);
  MirrorSpriteByFacing();
  StepPhysics(dt);
  state->PlaceStrikeShape();
  state->PlaceHitBox();
  PlaceSprite();
  PlaceMeters(dt);
}

void Enemy::MirrorSpriteByFacing() {
  if (facing != -1 && facing != 1) return;
  const uint8_t mirrored = facing == -1 ? 1 : 0;
  if (sprite->flipHorizontal != mirrored) {
    sprite->flipHorizontal = mirrored;
    sprite->dirty = 1;
  }
}

void Enemy::PlaceMeters(float dt) {
  PlaceMetersAbove(sprite->position);
  RefreshMeterLimits(dt, HealthRecovers());
}

void Enemy::StepOnBoundaries(float dt, bool followGroundDown, Landing landing,
                             Stopping stopping) {
  if (!world) return;
  BoundingShape* touched = nullptr;
  const Vector3 push = world->CollideWithBoundaries(body, &touched);
  const bool wasGrounded = groundContact != nullptr;
  groundContact = nullptr;
  wallContact = nullptr;
  Vector3& velocity = body->velocity;
  if (push.x != 0.0f && touched && touched->type == ShapeTypeQuad) {
    wallContact = dynamic_cast<BoundingQuad*>(touched);
  }
  const bool lands =
      landing == Landing::OnAnyVerticalPush ? push.y != 0.0f : push.y > 0.0f && velocity.y <= 0.0f;
  if (lands && touched) groundContact = touched;
  body->SetPosition(body->position + push);
  if (sprite) PlaceSprite();

  const bool everyPush = stopping == Stopping::AgainstEveryPush;
  if (push.x != 0.0f && everyPush) velocity.x = 0.0f;
  const bool ceiling = push.y < 0.0f && velocity.y > 0.0f && (everyPush || push.x != 0.0f);
  if (ceiling || (push.y > 0.0f && velocity.y <= 0.0f)) velocity.y = 0.0f;
  if (followGroundDown && !groundContact && wasGrounded && velocity.y <= 0.0f) ProbeGround();
  if (groundContact) {
    ApplyDrag(dt);
  } else {
    ApplyAirDrag(dt);
  }
}
