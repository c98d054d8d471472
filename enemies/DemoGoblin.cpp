#include "enemies/DemoGoblin.h"

#include <array>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/DemoGoblinStates.h"
#include "enemies/EnemyRecord.h"
#include "engine/draw/Sprite.h"

using platform::Vector3;

namespace {

constexpr const char* Description = "DemoGoblin description.";

// The prototype's picture, the idling pose.
constexpr platform::PixelRect PictureCell{0, 384, 128, 512};

// The DemoGoblin's group number; its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

constexpr std::array<GainedValue, 8> GrowthValues{{
    {Stat::Mass, 1.87f},
    {Stat::DragFactor, 1.0f},
    {Stat::AirDragFactor, 0.8f},
    {Stat::StatExperience, 0.0f},
    {Stat::PtExperience, 0.0f},
    {Stat::StatGivenExperience, 12.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
}};

// The fighting values not named are 0.
constexpr std::array<GainedValue, 16> FighterValues{{
    {Stat::BaseAttack, 2.0f},
    {Stat::BaseHealth, 50.0f},
    {Stat::BaseHealthRecovery, 0.1f},
    {Stat::BaseStamina, 1.0f},
    {Stat::BaseStaminaRecovery, 1.0f},
    {Stat::BaseBreakPoint1Factor, 0.66f},
    {Stat::BaseBreakPoint2Factor, 0.33f},
    {Stat::BaseResistanceFactor, 0.5f},
    {Stat::BaseStaminaDamage, 1.0f},
    {Stat::BaseAttackSpeedFactor, 1.0f},
    {Stat::BaseDodgeSpeedFactor, 1.0f},
    {Stat::BaseGuardSpeedFactor, 1.0f},
    {Stat::GainedAttack, 1.0f},
    {Stat::GainedHealth, 5.0f},
    {Stat::GainedHealthRecovery, 0.01f},
    {Stat::GainedStamina, 0.3f},
}};

}  // namespace

DemoGoblin::DemoGoblin(Playfield* owner, const TextureGroup& textures) : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
}

DemoGoblin::DemoGoblin(Playfield* owner, const Vector3& position,
                       std::unique_ptr<EnemyAnimationPool> pool)
    : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  Initialize(position);
  BeginInPlay(std::move(pool));
}

DemoGoblin::~DemoGoblin() = default;

void DemoGoblin::Initialize(const Vector3& position) {
  description = Description;
  InitializeBody("DemoGoblin Bounding Quad", "DemoGoblin Hit Box", StandingSize, position,
                 GroupNumber);
  WriteGrowth(GrowthValues, FighterValues);
}

void DemoGoblin::Resize(const Vector3& size) {
  // The feet stay where they are: resized about its centre, the low dead body would hang a unit
  // above the ground and drop for several frames. The body is not pushed out here: a body that
  // only changed its size has not moved, and the next boundary pass sees it as it was.
  const Vector3 rise{0.0f, 0.5f * (size.y - body->height), 0.0f};
  body->SetDimensions(size.x, size.y, size.z);
  body->SetPosition(body->position + rise);
  body->previousPosition = body->previousPosition + rise;
  hitBox->SetDimensions(size.x, size.y, size.z);
}

void DemoGoblin::Update(float dt) {
  if (!state) return;
  state->Update(dt);
  if (state->animation && state->animation->current) {
    SetSourceRectFromFrame(*sprite, *state->animation->current);
  }
  StepPhysics(dt);
  body->Move(dt);
  state->PlaceHitBox();
  MirrorSpriteByFacing();
  PlaceSprite();
  PlaceMeters(dt);
}

void DemoGoblin::StepPhysics(float dt) { StepOnBoundaries(dt, true, Landing::OnlyFromAbove); }

std::unique_ptr<Enemy> DemoGoblin::CreateAt(Playfield* owner, float x, float y, float z, uint8_t) {
  return std::make_unique<DemoGoblin>(owner, Vector3{x, y, z}, PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> DemoGoblin::ReadRecord(std::istream& in, Playfield* owner,
                                              std::unique_ptr<EnemyAnimationPool> pool) {
  EnemyLine line;
  return ReadEnemy<DemoGoblin>(in, owner, std::move(pool), 0, line);
}

void DemoGoblin::WriteRecord(std::ostream& out) { WriteEnemyLine(out, *this); }
