#pragma once

#include <cstdint>
#include <memory>

#include "enemies/EnemyAnimationPool.h"
#include "enemies/EnemyFamily.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/GoblinState.h"
#include "platform/MathTypes.h"

// A walking enemy with a shield. Before its body it carries two shield volumes on the side it
// faces: a boundary that pushes other actors away and a hit volume that blocks the player's
// strikes. Its states give them their size only while it guards.
class Goblin : public EnemyFamily<GoblinState, GoblinStateCount> {
 public:
  static constexpr int32_t Kind = 4;
  // The body. The sprite's cell is drawn centred on the body's centre, so the feet stand half
  // the body's height below the middle of the cell.
  static constexpr float BodyWidth = 1.1f;
  static constexpr float BodyHeight = 2.0f;
  static constexpr float ShieldWidth = 0.5868015f;
  static constexpr float ShieldHeight = 1.6430459f;
  // The shield leans back by 4 degrees, its top towards the goblin.
  static constexpr float ShieldTilt = 4.0f;
  // The stopping distance of a guarded approach: (r mod spread + base) hundredths.
  static constexpr int GuardDistanceBase = 180;
  static constexpr int GuardDistanceSpread = 100;

  // The catalogue's prototype: a picture cut from the first texture of the group, no states,
  // sprite or meters, and a shield that is nowhere.
  Goblin(Playfield* owner, const TextureGroup& textures);
  // A goblin in play, idling at the place and facing right, its shield one of the world's
  // actor boundaries. It owns the pool its animations come from.
  Goblin(Playfield* owner, const platform::Vector3& position,
         std::unique_ptr<EnemyAnimationPool> pool);
  ~Goblin() override;

  // Runs the current state, which moves and places everything.
  void Update(float dt) override;
  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole. The level sets the goblin's
  // experience without raising its growth points, so its own level reads 0.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> pool) override;
  void StepPhysics(float dt) override;
  void WriteRecord(std::ostream& out) override;

  // The shield volumes at full size, or at none.
  void RaiseShield(bool raised);
  // The sprite mirrored by the facing and put on the body.
  void PlaceSprite();
  // The shield volumes beside the body on the side it faces, leaning towards it.
  void PlaceShield();
  using Enemy::PlaceMeters;

  BoundingQuad& ShieldQuad() const { return *shieldQuad; }
  HitQuad& HitShield() const { return *hitShieldQuad; }

  // From the body's centre to the shield's, for a goblin facing right.
  platform::Vector3 shieldOffset;

 protected:
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);

  std::unique_ptr<BoundingQuad> shieldQuad;
  std::unique_ptr<HitQuad> hitShieldQuad;
};
