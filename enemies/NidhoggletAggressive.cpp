#include "enemies/NidhoggletAggressive.h"

#include <array>

#include "enemies/EnemyRecord.h"
#include "enemies/NidhoggletStates.h"
#include "enemies/Ratatoskr.h"

using platform::Vector3;

namespace {

constexpr const char* Description =
    "Offspring of the dragon that gnaws at the roots of the World Tree.  Quite the mean looking "
    "creature.";

// The prototype's picture, the second idle frame.
constexpr platform::PixelRect PictureCell{64, 64, 128, 128};

// Its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

// Its fighting values from BaseAttack on are the Ratatoskr's.
constexpr std::array<GainedValue, 7> GrowthValues{{
    {Stat::Mass, 1.0f},
    {Stat::DragFactor, 0.5f},
    {Stat::AirDragFactor, 0.2f},
    {Stat::StatGivenExperience, 4.0f},
    {Stat::StatExperience, 0.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
}};

}  // namespace

NidhoggletAggressive::NidhoggletAggressive(Playfield* owner, const TextureGroup& textures)
    : StandingEnemy(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
}

NidhoggletAggressive::NidhoggletAggressive(Playfield* owner, const Vector3& position,
                                           std::unique_ptr<EnemyAnimationPool> newPool)
    : StandingEnemy(Kind) {
  Actor::Initialize(owner);
  Initialize(position);
  BeginInPlay(std::move(newPool));
}

void NidhoggletAggressive::MakeStates() {
  MakeState<NidhoggletAggressiveStateIdling>(this, Idling);
  MakeState<NidhoggletAggressiveStateDead>(this, Dead);
}

void NidhoggletAggressive::Initialize(const Vector3& position) {
  description = Description;
  bodySize = {BodyWidth, BodyHeight, 0.0f};
  InitializeBody("Nidhogglet Aggressive Bounding Quad", "Nidhogglet Aggressive Hit Box", bodySize,
                 position, GroupNumber);
  age = 0.0f;
  WriteGrowth(GrowthValues, Ratatoskr::FighterValues);
}

void NidhoggletAggressive::Update(float dt) {
  age += dt;
  StandingEnemy::Update(dt);
}

std::unique_ptr<Enemy> NidhoggletAggressive::CreateAt(Playfield* owner, float x, float y, float z,
                                                      uint8_t) {
  return std::make_unique<NidhoggletAggressive>(owner, Vector3{x, y, z},
                                                PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> NidhoggletAggressive::ReadRecord(
    std::istream& in, Playfield* owner, std::unique_ptr<EnemyAnimationPool> newPool) {
  EnemyLine line;
  return ReadEnemy<NidhoggletAggressive>(in, owner, std::move(newPool), 0, line);
}
