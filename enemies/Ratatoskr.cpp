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

// The Ratatoskr's group number; its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

constexpr std::array<Enemy::GainedValue, 3> MotionValues{{
    {Stat::Mass, 0.87f},
    {Stat::DragFactor, 0.5f},
    {Stat::AirDragFactor, 0.2f},
}};

// BaseAttack (3) to GainedGuardSpeedFactor (48), in index order.
constexpr std::array<float, 46> FighterValues{
    1, 0, 0, 0, 10, 0.05f, 1, 1, 0.66f, 0.33f, 0.5f, 1, 0,     0,    0, 0,  // 3 to 18
    0, 0, 0, 0, 1,  1,     1, 1, 0,     0,     0,    5, 0.01f, 0.3f,        // 19 to 32
    0, 0, 0, 0, 0,  0,     0, 0, 0,     0,     0,    0, 0,     0,    0, 0   // 33 to 48
};

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
  MakeSpriteAndMeters();
  SettleFirstFrame();
}

// The states go before the sprite, the hit box and the body they refer to. The world, which may
// be gone, is not touched: whoever removes an enemy from play withdraws its strikes first.
Ratatoskr::~Ratatoskr() = default;

void Ratatoskr::Initialize(const Vector3& position) {
  description = Description;
  enemyKind = Kind;

  MakeBody("Ratatoskr Bounding Quad", "Ratatoskr Hit Box", position,
           {BodyWidth, BodyHeight, 0.0f});

  facing = 1;
  groundContact = nullptr;
  wallContact = nullptr;
  drawLayer = GroupNumber;

  WriteGainedStats({MotionValues, FreshExperience}, FighterValues);
  SetHome(position, 0.0f);
}

void Ratatoskr::SetHome(const Vector3& point, float halfWidth) {
  home = point;
  range = halfWidth;
  leftBound = home.x - range;
  rightBound = home.x + range;
}

RatatoskrState* Ratatoskr::GetState(int index) const {
  return states ? states->Get(index) : nullptr;
}

void Ratatoskr::PlaceSprite() { sprite->SetPosition(body->position); }

void Ratatoskr::Update(float dt) {
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

void Ratatoskr::StepPhysics(float dt) { StepBoundaryPhysics(dt, Landing::AnyVerticalPush); }

std::unique_ptr<Enemy> Ratatoskr::CreateAt(World* owner, float x, float y, float z, uint8_t) {
  return std::make_unique<Ratatoskr>(owner, Vector3{x, y, z}, CreateAnimationPool(owner, Kind));
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
