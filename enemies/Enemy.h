#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "actors/Actor.h"
#include "enemies/EnemyAnimationPool.h"
#include "engine/Color4.h"

class EnemyResources;
class HitQuad;
class Sprite;

// One gained statistic an enemy starts with.
struct GainedValue {
  int index;
  float value;
};

// What every enemy shares: its kind in the catalogue, the map line it is made from and written
// to, the experience it pays when it dies, and the body, hit box and sprite it owns.
class Enemy : public Actor {
 public:
  static constexpr int32_t ActorKindEnemy = 1;
  // Which vertical push-outs stand the enemy on the boundary that gave them.
  enum class Landing { OnAnyVerticalPush, OnlyFromAbove };
  // Which push-outs stop the velocity: any push against the motion, or only a landing and a
  // ceiling met while also pushed sideways (the sideways motion goes on).
  enum class Stopping { AgainstEveryPush, OnLandingAndCorneredCeiling };
  // The meters' fills; a broken guard shows the stamina meter in the health meter's colour.
  static constexpr Color4 HealthMeterColor{200, 128, 0, 0};
  static constexpr Color4 StaminaMeterColor{200, 0, 128, 0};

  // An enemy of that kind, named as its row of the kind table says.
  explicit Enemy(int32_t kind);
  explicit Enemy(std::string name);
  ~Enemy() override;

  // The frame step most kinds share: the state, the picture of its frame, the move, the
  // facing, the physics step, the strike, hit box and sprite placed, the meters above the
  // sprite. A prototype does nothing.
  void Update(float dt) override;
  // The body with its debug text, and the boundary stood on.
  void DrawDebugInfo() override { DrawDebugShapes(); }

  // A new enemy of the same class at that place.
  virtual std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                          uint8_t flag) = 0;
  // Reads one enemy line of a map (an integer, three floats, a flag) and builds the enemy,
  // which takes over the animation pool.
  virtual std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                            std::unique_ptr<EnemyAnimationPool> pool) = 0;
  // The boundary pass and friction.
  virtual void StepPhysics(float dt) = 0;
  // The enemy's map line, its kind first.
  virtual void WriteRecord(std::ostream& out) = 0;

  // A new pool of the kind's class from its texture group; a number no kind has takes the pool
  // of kind 0. Null when that pool is not in the catalogue.
  static std::unique_ptr<EnemyAnimationPool> CreateAnimationPool(const EnemyResources& resources,
                                                                 int kind);
  // The same from the world's catalogue; null without a world or catalogue.
  static std::unique_ptr<EnemyAnimationPool> PoolFromCatalogue(const Playfield* owner, int kind);
  // The kind of the first prototype, in kind order, named exactly so; -1 when none is.
  static int FindKindByName(const EnemyResources& resources, const std::string& name);

  // Enters the state and makes it current, carrying over the hit-stop the state left held; the
  // state left runs no exit step. Null does nothing.
  void EnterState(State* next);

  // Pays the total given experience to the world's first player, whose level bar then shows
  // it. False, and nothing paid, while the world has no player.
  bool GiveExperience();

  // A prototype's bestiary picture, null for a kind that has none.
  Sprite* GetPicture() const { return ownSprite.get(); }

  // The number of its row in the kind table.
  int32_t enemyKind = 0;
  // Where the bestiary page puts the picture's centre, from the page's top-left corner.
  platform::Vector3 pictureOffset{70.0f, 60.0f, 0.0f};

 protected:
  // The body and the hit box, both of that size at the place; the hit box copies the group
  // number the actor has now, then the actor takes its own group number, faces right and
  // touches nothing.
  void InitializeBody(const char* bodyName, const char* hitBoxName, const platform::Vector3& size,
                      const platform::Vector3& position, int32_t groupNumber);
  // Writes the values into the gained sheet in order; the totals and derived values follow once.
  void WriteGrowth(std::span<const GainedValue> values);
  // The same, then the fighting values, BaseAttack to GainedGuardSpeedFactor: those the second
  // list names take its values, the others 0.
  void WriteGrowth(std::span<const GainedValue> values, std::span<const GainedValue> fighting);
  // The prototype's picture: that cell of the first texture of the group. It is not drawn.
  void MakePicture(const TextureGroup& textures, const platform::PixelRect& cell);
  // Once the first state is current: the sprite on its frame at the body, the health and
  // stamina meters above the sprite with the first break point's tick, and the first frame
  // settled with the strike and the hit box in place.
  void MakeSpriteAndMeters();
  // Takes the push-out of the world's boundaries: the contacts (a sideways push by a quad is
  // a wall), the body and sprite moved out, the velocity stopped against what pushed, then
  // drag on the ground and air drag off it. One that follows the ground down probes for it
  // after walking off an edge.
  void StepOnBoundaries(float dt, bool followGroundDown,
                        Landing landing = Landing::OnAnyVerticalPush,
                        Stopping stopping = Stopping::AgainstEveryPush);
  void PlaceSprite();
  // The sprite is mirrored while the enemy faces left, and not while it faces right.
  void MirrorSpriteByFacing();
  // The meters follow the sprite; their limits and regeneration are refreshed.
  void PlaceMeters(float dt);
  // Whether the health meter refills now; it always does unless a kind says otherwise.
  virtual bool HealthRecovers() const { return true; }

  std::unique_ptr<BoundingQuad> ownBody;
  std::unique_ptr<HitQuad> ownHitBox;
  // The drawn sprite; on a prototype only a picture.
  std::unique_ptr<Sprite> ownSprite;
};
