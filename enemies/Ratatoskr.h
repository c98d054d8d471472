#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "enemies/EnemyAnimationPool.h"
#include "enemies/EnemyFamily.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "enemies/RatatoskrState.h"
#include "platform/MathTypes.h"

// A small rodent that roams a stretch of ground around its home point, startles when the
// player comes near, runs off and leaps back to bite.
class Ratatoskr : public EnemyFamily<RatatoskrState, RatatoskrStateCount> {
 public:
  static constexpr int32_t Kind = 3;
  // The body. The sprite's cell is drawn centred on the body's centre, so the feet stand half
  // the body's height below the middle of the cell.
  static constexpr float BodyWidth = 1.4f;
  static constexpr float BodyHeight = 0.7f;
  // The home point, range and facing letter follow y in its map line.
  static constexpr int ExtraLineFields = 3;
  // Its fighting values; those not named are 0.
  static constexpr std::array<GainedValue, 16> FighterValues{{
      {Stat::BaseAttack, 1.0f},
      {Stat::BaseHealth, 10.0f},
      {Stat::BaseHealthRecovery, 0.05f},
      {Stat::BaseStamina, 1.0f},
      {Stat::BaseStaminaRecovery, 1.0f},
      {Stat::BaseBreakPoint1Factor, 0.66f},
      {Stat::BaseBreakPoint2Factor, 0.33f},
      {Stat::BaseResistanceFactor, 0.5f},
      {Stat::BaseStaminaDamage, 1.0f},
      {Stat::BaseAttackSpeedFactor, 1.0f},
      {Stat::BaseDodgeSpeedFactor, 1.0f},
      {Stat::BaseGuardSpeedFactor, 1.0f},
      {Stat::GainedAttack, 1.0f},
      {Stat::GainedHealth, 5.0f},
      {Stat::GainedHealthRecovery, 0.01f},
      {Stat::GainedStamina, 0.3f},
  }};

  // The catalogue's prototype: a picture cut from the first texture of the group, and no
  // states, meters or drawn sprite.
  Ratatoskr(Playfield* owner, const TextureGroup& textures);
  // A Ratatoskr in play, idling at the place and facing right, its range 0 around the place.
  // It owns the pool its animations come from.
  Ratatoskr(Playfield* owner, const platform::Vector3& position,
            std::unique_ptr<EnemyAnimationPool> pool);
  ~Ratatoskr() override;

  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> pool) override;
  void StepPhysics(float dt) override;
  void WriteRecord(std::ostream& out) override;

  // Centres the roaming range of that half-width on the point.
  void SetHome(const platform::Vector3& point, float halfWidth);

  platform::Vector3 home;
  // Half the width of the roaming range.
  float range = 0.0f;
  // home.x - range and home.x + range.
  float leftBound = 0.0f;
  float rightBound = 0.0f;

 protected:
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);
};
