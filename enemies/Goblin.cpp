#include "enemies/Goblin.h"

#include <array>

#include "actors/Playfield.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/EnemyRecord.h"
#include "enemies/GoblinStates.h"
#include "engine/Globals.h"
#include "engine/VectorMath.h"

using platform::Vector3;

namespace {

constexpr const char* Description = "Goblin description.";

// The prototype's picture, the idling pose.
constexpr platform::PixelRect PictureCell{0, 0, 128, 128};

// The goblin's group number; its hit box keeps the 1 the actor had when the box was made.
constexpr int32_t GroupNumber = -1;

// The shield stands this many screen pixels ahead of the body's centre and above it.
constexpr float ShieldAheadPixels = 30.0f;
constexpr float ShieldAbovePixels = 4.0f;

// Every value not named keeps the actor's default.
constexpr std::array<GainedValue, 11> OwnValues{{
    {Stat::Mass, 1.87f},
    {Stat::DragFactor, 1.0f},
    {Stat::AirDragFactor, 0.8f},
    {Stat::StatExperience, 0.0f},
    {Stat::PtExperience, 0.0f},
    {Stat::StatGivenExperience, 12.0f},
    {Stat::InitExperience, 200.0f},
    {Stat::RateExperience, 1.4f},
    {Stat::GainedDefense, 1.0f},
    {Stat::GainedHealth, 20.0f},
    {Stat::BaseHealth, 150.0f},
}};

void Tilt(Shape& shape, float degrees) {
  shape.rotation = NormalizeAngle(degrees);
  if (shape.rotation != 0.0f) shape.dirty = 1;
}

// The push directions run +x, +y, -x, -y.
constexpr size_t PushUp = 1;
constexpr size_t PushDown = 3;
constexpr Vector3 PushesEveryWay{1.0f, 1.0f, 1.0f};

// The edge toward the foe is marked solid and the others open, and the push directions follow
// the facing. Edge flags and push directions steer only the push-out of a boundary whose
// pass-through flag is raised; the shield's is kept lowered, so it pushes out of every side
// and nothing drops through it.
void ShowOuterFace(BoundingQuad& shield, int32_t facing) {
  const bool right = facing == 1;
  shield.SetEdgeFlag1(right ? 1 : 0);
  shield.SetEdgeFlag0(right ? 0 : 1);
  shield.sideVectors[PushDown] = right ? Vector3{1.0f, 0.0f, 0.0f} : Vector3{};
  shield.sideVectors[PushUp] = right ? Vector3{} : Vector3{-1.0f, 0.0f, 0.0f};
  shield.partialEdges = 0;
}

}  // namespace

Goblin::Goblin(Playfield* owner, const TextureGroup& textures) : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  MakePicture(textures, PictureCell);
  Initialize({});
  shieldQuad = std::make_unique<BoundingQuad>();
  hitShieldQuad = std::make_unique<HitQuad>();
}

Goblin::Goblin(Playfield* owner, const Vector3& position, std::unique_ptr<EnemyAnimationPool> pool)
    : EnemyFamily(Kind) {
  Actor::Initialize(owner);
  Initialize(position);

  shieldQuad = std::make_unique<BoundingQuad>();
  shieldQuad->SetName("Goblin Shield Quad");
  shieldQuad->SetFillColor(BoundingColor);
  shieldQuad->SetDimensions(ShieldWidth, ShieldHeight, 0.0f);
  Tilt(*shieldQuad, ShieldTilt);
  shieldQuad->SetEdgeFlag2(0);
  shieldQuad->SetEdgeFlag3(0);
  ShowOuterFace(*shieldQuad, facing);
  // Until the first placement turns it to face a side.
  shieldQuad->sideVectors.fill(PushesEveryWay);
  shieldOffset = {ScreenSizeToWorld(ShieldAheadPixels, 0.0f),
                  ScreenSizeToWorld(ShieldAbovePixels, 0.0f), 0.0f};
  // The goblin walks into its own shield without being pushed.
  shieldQuad->ignoreList.push_back(body);
  body->ignoreList.push_back(shieldQuad.get());
  if (world) world->actorBoundaries.push_back(shieldQuad.get());

  hitShieldQuad = std::make_unique<HitQuad>();
  hitShieldQuad->SetName("Goblin Hit Shield Quad");
  hitShieldQuad->SetFillColor(HitBoxColor);
  hitShieldQuad->SetDimensions(ShieldWidth, ShieldHeight, 0.0f);
  Tilt(*hitShieldQuad, ShieldTilt);

  BeginInPlay(std::move(pool));
}

// The world, which may be gone, is not touched: the shield takes itself out of the world's lists
// as it goes.
Goblin::~Goblin() = default;

void Goblin::Initialize(const Vector3& position) {
  description = Description;
  InitializeBody("Goblin Bounding Quad", "Goblin Hit Box", {BodyWidth, BodyHeight, 0.0f}, position,
                 GroupNumber);
  WriteGrowth(OwnValues);
}

void Goblin::RaiseShield(bool raised) {
  const float width = raised ? ShieldWidth : 0.0f;
  const float height = raised ? ShieldHeight : 0.0f;
  shieldQuad->SetDimensions(width, height, 0.0f);
  hitShieldQuad->SetDimensions(width, height, 0.0f);
}

void Goblin::PlaceSprite() {
  MirrorSpriteByFacing();
  Enemy::PlaceSprite();
}

void Goblin::PlaceShield() {
  const Vector3 at = body->position;
  const bool right = facing == 1;
  shieldQuad->SetPosition(
      {right ? at.x + shieldOffset.x : at.x - shieldOffset.x, at.y + shieldOffset.y, at.z});
  ShowOuterFace(*shieldQuad, facing);
  const float tilt = right ? ShieldTilt : -ShieldTilt;
  Tilt(*shieldQuad, tilt);
  hitShieldQuad->SetPosition(shieldQuad->position);
  Tilt(*hitShieldQuad, tilt);
}

void Goblin::Update(float dt) {
  if (state) state->Update(dt);
}

void Goblin::StepPhysics(float dt) { StepOnBoundaries(dt, true, Landing::OnlyFromAbove); }

std::unique_ptr<Enemy> Goblin::CreateAt(Playfield* owner, float x, float y, float z, uint8_t) {
  return std::make_unique<Goblin>(owner, Vector3{x, y, z}, PoolFromCatalogue(owner, Kind));
}

std::unique_ptr<Enemy> Goblin::ReadRecord(std::istream& in, Playfield* owner,
                                          std::unique_ptr<EnemyAnimationPool> pool) {
  EnemyLine line;
  return ReadEnemy<Goblin>(in, owner, std::move(pool), 0, line, LevelExperience::Set);
}

void Goblin::WriteRecord(std::ostream& out) { WriteEnemyLine(out, *this); }
