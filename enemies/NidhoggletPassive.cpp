#include "enemies/NidhoggletPassive.h"

#include <array>

#include "enemies/EnemyRecord.h"
#include "enemies/NidhoggletStates.h"

using platform::Vector3;

namespace {

constexpr const char* Description =
    "Offspring of the dragon that gnaws at the roots of the world tree.";

// The prototype's picture, the second idle frame.
constexpr platform::PixelRect PictureCell{64, 0, 128, 64};

// Its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

// Sturdy: 150 health and more with each level, and a point of defence per level.
constexpr std::array<GainedValue, 12> GrowthValues{{
    {Stat::Mass, 0.87f},
    {Stat::DragFactor, 0.5f},
    {Stat::AirDragFactor, 0.2f},
    {Stat::StatExperience, 0.0f},
    {Stat::PtExperience, 0.0f},
    {Stat::StatGivenExperience, 10.0f},
    {Stat::StatExperience, 0.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
    {Stat::GainedDefense, 1.0f},
    {Stat::GainedHealth, 20.0f},
    {Stat::BaseHealth, 150.0f},
}};

}  // namespace

NidhoggletPassive::NidhoggletPassive(Playfield* owner, const TextureGroup& textures)
    : StandingEnemy(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
}

NidhoggletPassive::NidhoggletPassive(Playfield* owner, const Vector3& position,
                                     std::unique_ptr<EnemyAnimationPool> newPool)
    : StandingEnemy(Kind) {
  Actor::Initialize(owner);
  Initialize(position);
  BeginInPlay(std::move(newPool));
}

void NidhoggletPassive::MakeStates() {
  MakeState<NidhoggletPassiveStateIdling>(this, Idling);
  MakeState<NidhoggletPassiveStateDefending>(this, Defending);
}

void NidhoggletPassive::Initialize(const Vector3& position) {
  description = Description;
  bodySize = {BodyWidth, BodyHeight, 0.0f};
  InitializeBody("Nidhogglet Passive Bounding Quad", "Nidhogglet Passive Hit Box", bodySize,
                 position, GroupNumber);
  WriteGrowth(GrowthValues);
}

std::unique_ptr<Enemy> NidhoggletPassive::CreateAt(Playfield* owner, float x, float y, float z,
                                                   uint8_t) {
  return std::make_unique<NidhoggletPassive>(owner, Vector3{x, y, z},
                                             PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> NidhoggletPassive::ReadRecord(std::istream& in, Playfield* owner,
                                                     std::unique_ptr<EnemyAnimationPool> newPool) {
  EnemyLine line;
  return ReadEnemy<NidhoggletPassive>(in, owner, std::move(newPool), 0, line);
}
