#include "enemies/DemoEnemy.h"

#include "collision/Boundary.h"
#include "enemies/DemoEnemyStates.h"
#include "enemies/EnemyRecord.h"
#include "engine/BarMeter.h"
#include "engine/Globals.h"
#include "engine/Sound.h"
#include "engine/SoundSystem.h"

using platform::Vector3;

namespace {

constexpr const char* Description = "Demo Enemy description.";

// The prototype's picture, the idle pose.
constexpr platform::PixelRect PictureCell{0, 0, 128, 128};

constexpr int32_t GroupNumber = -1;

constexpr std::array<const char*, DemoEnemy::SwingSoundCount> SwingSoundPaths{
    "Content/Audio/Swing1v2.wav", "Content/Audio/Swing2v2.wav", "Content/Audio/Swing3v2.wav",
    "Content/Audio/Swing4v2.wav"};

// The fighter's build; every statistic not named keeps the actor's default.
constexpr std::array<GainedValue, 26> GrowthValues{{
    {Stat::Mass, 0.87f},
    {Stat::WalkAccel, 7.4f},
    {Stat::CrouchWalkAccel, 4.0f},
    {Stat::RollStrength, 40.0f},
    {Stat::DodgeTime, 0.8f},
    {Stat::BaseStamina, 10.0f},
    {Stat::BaseResistanceFactor, 0.5f},
    {Stat::BaseStaminaRecovery, 7.0f},
    {Stat::StatExperience, 0.0f},
    {Stat::PtExperience, 0.0f},
    {Stat::StatGivenExperience, 10.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
    {Stat::GainedDefense, 1.0f},
    {Stat::GainedHealth, 20.0f},
    {Stat::BaseHealth, 150.0f},
    {Stat::JumpStrength, 26.5f},
    {Stat::WallSlideSpeed, -3.0f},
    {Stat::MaxFallSpeed, -28.0f},
    {Stat::DashStrength, 80.0f},
    {Stat::GroundDashTime, 0.35f},
    {Stat::AirDashTime, 0.3f},
    {Stat::MaxAirDashes, 2.0f},
    {Stat::AirDashCount, 0.0f},
    {Stat::MaxAirJumps, 1.0f},
    {Stat::AirJumpCount, 0.0f},
}};

}  // namespace

DemoEnemy::DemoEnemy(Playfield* owner, const TextureGroup& textures) : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
  LoadSounds();
}

DemoEnemy::DemoEnemy(Playfield* owner, const Vector3& position,
                     std::unique_ptr<EnemyAnimationPool> pool)
    : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  Initialize(position);
  LoadSounds();
  BeginInPlay(std::move(pool));
}

// The world, which may be gone, is not touched: whoever removes an enemy from play withdraws its
// strikes first.
DemoEnemy::~DemoEnemy() = default;

void DemoEnemy::Initialize(const Vector3& position) {
  description = Description;
  // The hit box takes the enemy's group number too.
  drawLayer = GroupNumber;
  WriteGrowth(GrowthValues);
  InitializeBody("Demo Enemy Bounding Box", "Demo Enemy Hit Box", BodySize, position, GroupNumber);
}

void DemoEnemy::LoadSounds() {
  platform::AudioDevice* device = MainSoundSystem ? MainSoundSystem->device.get() : nullptr;
  for (size_t i = 0; i < swingSounds.size(); ++i) {
    swingSounds[i] = std::make_unique<Sound>(device, SwingSoundPaths[i]);
  }
}

bool DemoEnemy::HealthRecovers() const { return healthMeter->value > 0.0f; }

void DemoEnemy::StepPhysics(float dt) {
  StepOnBoundaries(dt, false, Landing::OnAnyVerticalPush, Stopping::OnLandingAndCorneredCeiling);
}

std::unique_ptr<Enemy> DemoEnemy::CreateAt(Playfield* owner, float x, float y, float z, uint8_t) {
  return std::make_unique<DemoEnemy>(owner, Vector3{x, y, z}, PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> DemoEnemy::ReadRecord(std::istream& in, Playfield* owner,
                                             std::unique_ptr<EnemyAnimationPool> pool) {
  EnemyLine line;
  return ReadEnemy<DemoEnemy>(in, owner, std::move(pool), 0, line);
}

void DemoEnemy::WriteRecord(std::ostream& out) { WriteEnemyLine(out, *this); }
