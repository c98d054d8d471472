#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "actors/Actor.h"
#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyAnimationPool.h"
#include "enemies/EnemyKinds.h"
#include "engine/BarMeter.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "world/World.h"

// A state that does nothing but lend its statistics sheet.
class InertState : public State {
 public:
  void Enter() override {}
  void Exit() override {}
  void Update(float) override {}
  void UpdateHeld(float) override {}
};

// The parts a test actor owns: a 1 x 2 body, a hit box of the same size, an empty sprite and
// a health and a stamina bar of 100. Its update runs the current state, gravity and the
// boundary pass, and stands it on what stops its fall.
template <typename ActorClass>
class TestFigure : public ActorClass {
 public:
  static constexpr float MeterMaximum = 100.0f;

  TestFigure(Playfield* owner, std::string figureName)
      : ActorClass(std::move(figureName)), picture(nullptr) {
    this->Initialize(owner);
    this->body = &bodyQuad;
    this->hitBox = &hitQuad;
    this->sprite = &picture;
    bodyQuad.SetDimensions(1.0f, 2.0f, 0.0f);
    hitQuad.SetDimensions(1.0f, 2.0f, 0.0f);
    this->healthMeter = std::make_unique<BarMeter>(MeterMaximum, 0.0f, 0.0f, 0.0f, 3.0f, 0.5f,
                                                   0.0f, Color4{200, 128, 0, 0});
    this->staminaMeter = std::make_unique<BarMeter>(MeterMaximum, 0.0f, 0.0f, 0.0f, 3.0f, 0.5f,
                                                    0.0f, Color4{200, 0, 128, 0});
  }

  // Puts the body at rest at that place, its hit box with it.
  void PlaceAt(float x, float y) {
    bodyQuad.SetPositionXYZ(x, y, 0.0f);
    bodyQuad.previousPosition = bodyQuad.position;
    hitQuad.SetPositionXYZ(x, y, 0.0f);
  }

  // The world's step: the held step while the state's hold timer runs.
  void Step(float dt) {
    if (this->state && this->state->holdTimer > 0.0f) {
      this->UpdateHeld(dt);
    } else {
      this->Update(dt);
    }
  }

  void Update(float dt) override {
    if (this->state) this->state->Update(dt);
    this->ApplyGravity(dt);
    if (this->onGround) {
      this->ApplyDrag(dt);
    } else {
      this->ApplyAirDrag(dt);
    }
    bodyQuad.Move(dt);
    if (this->world) {
      const platform::Vector3 push = this->world->CollideWithBoundaries(&bodyQuad);
      bodyQuad.SetPosition(bodyQuad.position + push);
      if (push.y > 0.0f) bodyQuad.velocity.y = 0.0f;
      this->onGround = push.y > 0.0f;
    }
    hitQuad.SetPosition(bodyQuad.position);
  }
  void DrawDebugInfo() override {}

  BoundingQuad bodyQuad;
  HitQuad hitQuad;
  Sprite picture;
};

class WorldBody : public TestFigure<Actor> {
 public:
  explicit WorldBody(Playfield* owner = nullptr, std::string bodyName = "Test Body")
      : TestFigure<Actor>(owner, std::move(bodyName)) {}
};

// An enemy kind for tests; its map line is the kind, the place and a flag.
class TestEnemy : public TestFigure<Enemy> {
 public:
  explicit TestEnemy(Playfield* owner, std::string enemyName = "TestEnemy")
      : TestFigure<Enemy>(owner, std::move(enemyName)) {}

  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float, uint8_t) override {
    auto enemy = std::make_unique<TestEnemy>(owner, name);
    enemy->enemyKind = enemyKind;
    enemy->PlaceAt(x, y);
    return enemy;
  }
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> newPool) override {
    int lineKind = 0;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    int flag = 0;
    if (!(in >> lineKind >> x >> y >> z >> flag)) return nullptr;
    auto enemy = CreateAt(owner, x, y, z, static_cast<uint8_t>(flag));
    static_cast<TestEnemy&>(*enemy).pool = std::move(newPool);
    return enemy;
  }
  void StepPhysics(float) override {}
  void WriteRecord(std::ostream& out) override {
    out << enemyKind << ' ' << bodyQuad.position.x << ' ' << bodyQuad.position.y << ' '
        << bodyQuad.position.z << " 0\n";
  }

  std::unique_ptr<EnemyAnimationPool> pool;
};

// A pool with one idle frame cut from the first texture of its group, and a looping
// animation 1 of two frames.
class TestEnemyPool : public EnemyAnimationPool {
 public:
  static constexpr int IdleAnimation = 1;

  explicit TestEnemyPool(const TextureGroup& textures) {
    Texture* atlas = textures.empty() ? nullptr : textures.front().get();
    auto second = CreateAnimationFrame(L"m_frameIdle2", 0.2f, nullptr, atlas, {});
    auto first = CreateAnimationFrame(L"m_frameIdle1", 0.1f, second.get(), atlas, {});
    defaultFrame = first.get();
    frames.push_back(std::move(first));
    frames.push_back(std::move(second));
  }
  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override {
    return std::make_unique<TestEnemyPool>(textures);
  }
  std::unique_ptr<Animation> GetAnimation(int number) override {
    if (number != IdleAnimation) return CreateAnimation(*this);
    auto animation = std::make_unique<Animation>();
    animation->frames = {frames[0].get()};
    animation->loop = 1;
    animation->length = ChainLength(frames[0].get());
    return animation;
  }
};

// The game's kind table with no kind built: each row keeps its number, name and texture files.
inline EnemyKindTable UnbuiltEnemyKinds() {
  EnemyKindTable kinds = RegisteredEnemyKinds();
  for (EnemyKind& kind : kinds) {
    kind.makePool = nullptr;
    kind.makePrototype = nullptr;
  }
  return kinds;
}

// A boundary quad at rest.
inline void PlaceBoundary(BoundingQuad& quad, float x, float y, float width, float height) {
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.previousPosition = quad.position;
  quad.SetDimensions(width, height, 0.0f);
}

// A boundary quad at rest, appended to the world's boundaries, which own it.
inline BoundingQuad& AddBoundaryQuad(World& world, float x, float y, float width, float height) {
  auto quad = std::make_unique<BoundingQuad>();
  PlaceBoundary(*quad, x, y, width, height);
  BoundingQuad& added = *quad;
  world.AddBoundary(std::move(quad));
  return added;
}
