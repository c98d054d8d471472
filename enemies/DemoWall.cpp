#include "enemies/DemoWall.h"

#include <array>

#include "actors/Playfield.h"
#include "collision/Boundary.h"
#include "enemies/DemoWallStates.h"
#include "enemies/EnemyRecord.h"
#include "engine/Globals.h"

using platform::Vector3;

namespace {

constexpr const char* Description = "DemoWall description.";

// The prototype's picture, the first standing frame.
constexpr platform::PixelRect PictureCell{0, 0, 176, 192};

// Its hit box keeps the 1 the actor had when the box was made. The picture stands on layer -8,
// so the maps keep their sky, hills and far trees on the layers below that.
constexpr int32_t GroupNumber = -8;

// Three points of health, no defence, no stamina, and nothing to give when broken; the values
// it does not name keep the actor's defaults.
constexpr std::array<GainedValue, 17> GrowthValues{{
    {Stat::Mass, 1.0f},
    {Stat::DragFactor, 0.5f},
    {Stat::AirDragFactor, 0.2f},
    {Stat::BaseAttack, 0.0f},
    {Stat::BaseDefense, 0.0f},
    {Stat::BaseGuardDefense, 0.0f},
    {Stat::BasePowershieldDefense, 0.0f},
    {Stat::BaseHealth, 3.0f},
    {Stat::BaseHealthRecovery, 0.0f},
    {Stat::BaseStamina, 0.0f},
    {Stat::BaseStaminaRecovery, 0.0f},
    {Stat::BaseResistanceFactor, 0.0f},
    {Stat::BaseStaminaDamage, 0.0f},
    {Stat::StatGivenExperience, 0.0f},
    {Stat::StatExperience, 0.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
}};

}  // namespace

DemoWall::DemoWall(Playfield* owner, const TextureGroup& textures) : StandingEnemy(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
}

DemoWall::DemoWall(Playfield* owner, const Vector3& position,
                   std::unique_ptr<EnemyAnimationPool> newPool)
    : StandingEnemy(Kind) {
  Actor::Initialize(owner);
  Initialize(position);

  block = std::make_unique<BoundingQuad>();
  block->SetName("DemoWall Block Quad");
  block->SetFillColor(BoundingColor);
  block->SetDimensions(bodySize.x, bodySize.y, bodySize.z);
  block->SetPosition(body->position);
  block->previousPosition = body->position;
  // Nobody slides down it or drops through it.
  block->wallFlag = 0;
  block->partialEdges = 0;
  // The wall is never pushed out of its own block.
  block->ignoreList.push_back(body);
  body->ignoreList.push_back(block.get());
  if (world) world->actorBoundaries.push_back(block.get());

  BeginInPlay(std::move(newPool));
}

// The world, which may be gone, is not touched: the block takes itself out of the boundary
// pass as it goes.
DemoWall::~DemoWall() = default;

void DemoWall::MakeStates() {
  MakeState<DemoWallStateIdling>(this, Idling);
  MakeState<DemoWallStateDead>(this, Dead);
}

void DemoWall::Initialize(const Vector3& position) {
  description = Description;
  bodySize = {BodyWidth, BodyHeight, 0.0f};
  InitializeBody("DemoWall Bounding Quad", "DemoWall Hit Box", bodySize, position, GroupNumber);
  WriteGrowth(GrowthValues);
}

void DemoWall::Update(float dt) {
  StandingEnemy::Update(dt);
  if (block && body) block->SetPosition(body->position);
}

std::unique_ptr<Enemy> DemoWall::CreateAt(Playfield* owner, float x, float y, float z, uint8_t) {
  return std::make_unique<DemoWall>(owner, Vector3{x, y, z}, PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> DemoWall::ReadRecord(std::istream& in, Playfield* owner,
                                            std::unique_ptr<EnemyAnimationPool> newPool) {
  EnemyLine line;
  return ReadEnemy<DemoWall>(in, owner, std::move(newPool), 0, line);
}
