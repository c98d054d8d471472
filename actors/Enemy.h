#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "actors/Actor.h"
#include "platform/MathTypes.h"

class BoundingQuad;
class EnemyAnimationPool;
class EnemyResources;
class HitQuad;
class Sprite;

// What every enemy shares: its kind in the catalogue, the map line it is made from and written
// to, and the experience it pays when it dies.
class Enemy : public Actor {
 public:
  static constexpr int32_t ActorKindEnemy = 1;

  // Which vertical push-outs stand the enemy on the boundary that gave them.
  enum class Landing { AnyVerticalPush, UpwardWhileNotRising };
  // One value of the gained sheet.
  struct GainedValue {
    int index;
    float value;
  };
  // An enemy that starts at the foot of the usual growth curve and pays 12 when it dies.
  static constexpr std::array<GainedValue, 5> FreshExperience{{
      {Stat::StatExperience, 0.0f},
      {Stat::PtExperience, 0.0f},
      {Stat::StatGivenExperience, 12.0f},
      {Stat::InitExperience, 200.0f},
      {Stat::RateExperience, 1.4f},
  }};

  explicit Enemy(std::string name);
  ~Enemy() override;

  // A new enemy of the same class at that place.
  virtual std::unique_ptr<Enemy> CreateAt(World* owner, float x, float y, float z,
                                          uint8_t flag) = 0;
  // Reads one enemy line of a map (an integer, three floats, a flag) and builds the enemy,
  // which takes over the animation pool.
  virtual std::unique_ptr<Enemy> ReadRecord(std::istream& in, World* owner,
                                            std::unique_ptr<EnemyAnimationPool> pool) = 0;
  // The boundary pass and friction.
  virtual void StepPhysics(float dt) = 0;
  // The state of that index; null outside the enemy's table and on a prototype.
  virtual State* GetState(int) const { return nullptr; }
  // The enemy's map line, its kind first.
  virtual void WriteRecord(std::ostream& out) = 0;

  // A new pool of the kind's class from its texture group; kinds outside 1 to 6 take the pool
  // of kind 0. Null when that pool is not in the catalogue.
  static std::unique_ptr<EnemyAnimationPool> CreateAnimationPool(const EnemyResources& resources,
                                                                 int kind);
  // The same from the world's catalogue; null without a world or a catalogue.
  static std::unique_ptr<EnemyAnimationPool> CreateAnimationPool(const World* owner, int kind);
  // The kind of the first prototype named exactly so; -1 when none is.
  static int FindKindByName(const EnemyResources& resources, const std::string& name);

  // Enters the state of that index and makes it current; no state is left by an exit step.
  void SwitchState(int index);

  // Pays the total given experience to the world's first player. False, and nothing paid,
  // while the world has no player.
  bool GiveExperience();

  // The kind number of the catalogue, 0 to 6.
  int32_t enemyKind = 0;

 protected:
  // The body and a hit box of the same size at the place; the hit box keeps the group number
  // the actor has at this moment.
  void MakeBody(const char* bodyName, const char* hitBoxName, const platform::Vector3& position,
                const platform::Vector3& size);
  // The sprite on the current state's first frame at the body, and the health and stamina
  // meters above it, full, with the stamina meter's break point marked.
  void MakeSpriteAndMeters();
  // The sprite is mirrored while the enemy faces left, and not while it faces right.
  void MirrorSpriteByFacing();
  // The current state's first picture, strike and hit box in place.
  void SettleFirstFrame();
  // The meters follow the sprite; their limits and regeneration are refreshed.
  void PlaceMeters(float dt);
  // Straight into the gained sheet: the lists of values in order, then BaseAttack onwards from
  // the last list, if any; the totals and derived values follow once.
  void WriteGainedStats(std::initializer_list<std::span<const GainedValue>> lists,
                        std::span<const float> fromBaseAttack = {});
  // The boundary pass: push-out, ground and wall contacts, the sprite back on the body, the
  // velocity stopped where a boundary pushed, the ground followed down, and drag.
  void StepBoundaryPhysics(float dt, Landing landing);

  // The enemy's own parts; the actor part points at them. The sprite is the prototype's picture
  // where a class gives its prototype one.
  std::unique_ptr<BoundingQuad> ownBody;
  std::unique_ptr<HitQuad> ownHitBox;
  std::unique_ptr<Sprite> ownSprite;
};
