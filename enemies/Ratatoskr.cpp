#include "enemies/Ratatoskr.h"

#include <array>

#include "actors/EnemyResources.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/EnemyRecord.h"
#include "enemies/RatatoskrStates.h"
#include "engine/BarMeter.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr const char* Description =
    "A scurrying rodent.  A normally nonviolent creature, it will flee and attack if it is "
    "startled by approach.";

// The prototype's picture, the cautious pose.
constexpr platform::PixelRect PictureCell{128, 0, 256, 128};

// The meters float above the sprite.
constexpr float HealthMeterRise = 3.0f;
constexpr float StaminaMeterRise = 2.0f;
constexpr float MeterWidth = 3.0f;
constexpr float MeterHeight = 0.5f;
constexpr Color4 HealthMeterColor{200, 128, 0, 0};
constexpr Color4 StaminaMeterColor{200, 0, 128, 0};

// The Ratatoskr's group number; its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

struct GainedValue {
  int index;
  float value;
};

constexpr std::array<GainedValue, 8> GrowthValues{{
    {Stat::Mass, 0.87f},
    {Stat::DragFactor, 0.5f},
    {Stat::AirDragFactor, 0.2f},
    {Stat::StatExperience, 0.0f},
    {Stat::PtExperience, 0.0f},
    {Stat::StatGivenExperience, 12.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
}};

// BaseAttack (3) to GainedGuardSpeedFactor (48), in index order.
constexpr std::array<float, 46> FighterValues{
    1, 0, 0, 0, 10, 0.05f, 1, 1, 0.66f, 0.33f, 0.5f, 1, 0,     0,    0, 0,  // 3 to 18
    0, 0, 0, 0, 1,  1,     1, 1, 0,     0,     0,    5, 0.01f, 0.3f,        // 19 to 32
    0, 0, 0, 0, 0,  0,     0, 0, 0,     0,     0,    0, 0,     0,    0, 0   // 33 to 48
};

// A quad of the body's size at the place.
template <typename BodyShape>
std::unique_ptr<BodyShape> MakeBodyShape(const char* name, const Color4& color,
                                         const Vector3& position) {
  auto shape = std::make_unique<BodyShape>();
  shape->SetName(name);
  shape->SetFillColor(color);
  shape->SetDimensions(Ratatoskr::BodyWidth, Ratatoskr::BodyHeight, 0.0f);
  shape->SetPosition(position);
  return shape;
}

}  // namespace

Ratatoskr::Ratatoskr(World* owner, const TextureGroup& textures) : Enemy("Ratatoskr") {
  Actor::Initialize(owner);
  Texture* sheet = textures.empty() ? nullptr : textures.front().get();
  ownSprite = std::make_unique<Sprite>(sheet);
  ownSprite->SetRect(PictureCell.left, PictureCell.top, PictureCell.right, PictureCell.bottom);
  ownSprite->dirty = 1;
  Initialize({});
}

Ratatoskr::Ratatoskr(World* owner, const Vector3& position,
                     std::unique_ptr<EnemyAnimationPool> pool)
    : Enemy("Ratatoskr") {
  Actor::Initialize(owner);
  Initialize(position);
  states = std::make_unique<RatatoskrStateTable>(this, std::move(pool));
  SwitchState(RatatoskrIdling);

  const AnimationFrame* first = state->animation ? state->animation->current : nullptr;
  ownSprite = std::make_unique<Sprite>(first ? first->texture : nullptr, 1, body->position, 0.0f,
                                       platform::PixelRect{});
  if (first) SetSourceRectFromFrame(*ownSprite, *first);
  sprite = ownSprite.get();

  const Vector3 at = ownSprite->position;
  healthMeter =
      std::make_unique<BarMeter>(derived[Derived::MaxHealth], at.x, at.y + HealthMeterRise, at.z,
                                 MeterWidth, MeterHeight, 0.0f, HealthMeterColor);
  staminaMeter =
      std::make_unique<BarMeter>(derived[Derived::MaxStamina], at.x, at.y + StaminaMeterRise, at.z,
                                 MeterWidth, MeterHeight, 0.0f, StaminaMeterColor);
  staminaMeter->AddTick(derived[Derived::ResistanceFactor] * derived[Derived::BreakPoint1Factor],
                        HealthMeterColor);

  if (state->animation) state->animation->Advance(0.0f);
  state->PlaceHitBox();
}

// The states go before the sprite, the hit box and the body they refer to. The world, which may
// be gone, is not touched: whoever removes an enemy from play withdraws its strikes first.
Ratatoskr::~Ratatoskr() = default;

void Ratatoskr::Initialize(const Vector3& position) {
  description = Description;
  enemyKind = Kind;

  ownBody = MakeBodyShape<BoundingQuad>("Ratatoskr Bounding Quad", BoundingColor, position);
  ownBody->previousPosition = position;
  body = ownBody.get();

  ownHitBox = MakeBodyShape<HitQuad>("Ratatoskr Hit Box", HitBoxColor, position);
  ownHitBox->hitValue = drawLayer;
  hitBox = ownHitBox.get();

  facing = 1;
  groundContact = nullptr;
  wallContact = nullptr;
  drawLayer = GroupNumber;

  // Straight into the gained sheet; the totals and derived values follow once, below.
  StatBlock& gained = *stats;
  for (const GainedValue& entry : GrowthValues) gained[entry.index] = entry.value;
  for (size_t i = 0; i < FighterValues.size(); ++i) gained[Stat::BaseAttack + i] = FighterValues[i];
  RecomputeTotalStats();
  RecomputeDerivedStats();
  SetHome(position, 0.0f);
}

void Ratatoskr::SetHome(const Vector3& point, float halfWidth) {
  home = point;
  range = halfWidth;
  leftBound = home.x - range;
  rightBound = home.x + range;
}

void Ratatoskr::SwitchState(int index) {
  RatatoskrState* next = GetState(index);
  if (!next) return;
  next->Enter();
  state = next;
}

RatatoskrState* Ratatoskr::GetState(int index) const {
  if (!states || index < 0 || index >= RatatoskrStateCount) return nullptr;
  return states->states[static_cast<size_t>(index)].get();
}

void Ratatoskr::PlaceSprite() { sprite->SetPosition(body->position); }

void Ratatoskr::Update(float dt) {
  if (!state || !sprite) return;
  state->Update(dt);
  if (state->animation && state->animation->current) {
    SetSourceRectFromFrame(*sprite, *state->animation->current);
  }
  body->Move(dt);
  const uint8_t mirrored = facing == -1 ? 1 : 0;
  if (sprite->flipHorizontal != mirrored) {
    sprite->flipHorizontal = mirrored;
    sprite->dirty = 1;
  }
  StepPhysics(dt);
  state->PlaceStrikeShape();
  state->PlaceHitBox();
  PlaceSprite();
  const Vector3 at = sprite->position;
  healthMeter->SetPosition(at.x, at.y + HealthMeterRise, at.z);
  staminaMeter->SetPosition(at.x, at.y + StaminaMeterRise, at.z);
  RefreshMeterLimits(dt);
}

void Ratatoskr::StepPhysics(float dt) {
  if (!world) return;
  BoundingShape* touched = nullptr;
  const Vector3 push = world->CollideWithBoundaries(body, &touched);
  const bool wasGrounded = groundContact != nullptr;
  groundContact = nullptr;
  wallContact = nullptr;
  if (push.x != 0.0f && touched && touched->type == ShapeTypeQuad) {
    wallContact = dynamic_cast<BoundingQuad*>(touched);
  }
  if (push.y != 0.0f && touched) groundContact = touched;
  body->SetPosition(body->position + push);
  if (sprite) PlaceSprite();

  Vector3& velocity = body->velocity;
  if (push.x != 0.0f) velocity.x = 0.0f;
  if ((push.y < 0.0f && velocity.y > 0.0f) || (push.y > 0.0f && velocity.y <= 0.0f)) {
    velocity.y = 0.0f;
  }
  // Walking off an edge follows the ground down instead of leaving it.
  if (!groundContact && wasGrounded && velocity.y <= 0.0f) ProbeGround();
  if (groundContact) {
    ApplyDrag(dt);
  } else {
    ApplyAirDrag(dt);
  }
}

std::unique_ptr<Enemy> Ratatoskr::CreateAt(World* owner, float x, float y, float z, uint8_t) {
  std::unique_ptr<EnemyAnimationPool> pool;
  if (owner && owner->enemyResources) {
    pool = CreateAnimationPool(*owner->enemyResources, Kind);
  }
  return std::make_unique<Ratatoskr>(owner, Vector3{x, y, z}, std::move(pool));
}

std::unique_ptr<Enemy> Ratatoskr::ReadRecord(std::istream& in, World* owner,
                                             std::unique_ptr<EnemyAnimationPool> pool) {
  EnemyLine line;
  if (!ReadEnemyLine(in, ExtraLineFields, line)) return nullptr;
  auto made = std::make_unique<Ratatoskr>(owner, Vector3{line.x, line.y, 0.0f}, std::move(pool));
  made->SetHome({line.extras[0], line.extras[1], 0.0f}, line.extras[2]);
  ApplyEnemyLine(*made, line);
  return made;
}

void Ratatoskr::WriteRecord(std::ostream& out) {
  WriteEnemyLine(out, *this, {home.x, home.y, range});
}
