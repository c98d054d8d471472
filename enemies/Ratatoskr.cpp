#include "enemies/Ratatoskr.h"

#include <array>

#include "enemies/EnemyRecord.h"
#include "enemies/RatatoskrStates.h"

using platform::Vector3;

namespace {

constexpr const char* Description =
    "A scurrying rodent.  A normally nonviolent creature, it will flee and attack if it is "
    "startled by approach.";

// The prototype's picture, the cautious pose.
constexpr platform::PixelRect PictureCell{128, 0, 256, 128};

// The Ratatoskr's group number; its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

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

}  // namespace

Ratatoskr::Ratatoskr(Playfield* owner, const TextureGroup& textures) : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
}

Ratatoskr::Ratatoskr(Playfield* owner, const Vector3& position,
                     std::unique_ptr<EnemyAnimationPool> pool)
    : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  Initialize(position);
  BeginInPlay(std::move(pool));
}

// The world, which may be gone, is not touched: whoever removes an enemy from play withdraws its
// strikes first.
Ratatoskr::~Ratatoskr() = default;

void Ratatoskr::Initialize(const Vector3& position) {
  description = Description;
  InitializeBody("Ratatoskr Bounding Quad", "Ratatoskr Hit Box", {BodyWidth, BodyHeight, 0.0f},
                 position, GroupNumber);
  WriteGrowth(GrowthValues, FighterValues);
  SetHome(position, 0.0f);
}

void Ratatoskr::SetHome(const Vector3& point, float halfWidth) {
  home = point;
  range = halfWidth;
  leftBound = home.x - range;
  rightBound = home.x + range;
}

void Ratatoskr::StepPhysics(float dt) {
  // Walking off an edge follows the ground down instead of leaving it.
  StepOnBoundaries(dt, true);
}

std::unique_ptr<Enemy> Ratatoskr::CreateAt(Playfield* owner, float x, float y, float z, uint8_t) {
  return std::make_unique<Ratatoskr>(owner, Vector3{x, y, z}, PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> Ratatoskr::ReadRecord(std::istream& in, Playfield* owner,
                                             std::unique_ptr<EnemyAnimationPool> pool) {
  EnemyLine line;
  auto made = ReadEnemy<Ratatoskr>(in, owner, std::move(pool), ExtraLineFields, line);
  if (made) made->SetHome({line.extras[0], line.extras[1], 0.0f}, line.extras[2]);
  return made;
}

void Ratatoskr::WriteRecord(std::ostream& out) {
  WriteEnemyLine(out, *this, {home.x, home.y, range});
}
