#pragma once

#include <cstdint>
#include <memory>

#include "enemies/StandingEnemy.h"

// Offspring of the world tree's dragon, the mean one: it stands where it is placed, takes the
// players' strikes and, killed, pays its experience.
class NidhoggletAggressive : public StandingEnemy {
 public:
  static constexpr int32_t Kind = 2;
  static constexpr float BodyWidth = 1.4f;
  static constexpr float BodyHeight = 0.7f;
  enum StateIndex : int { Idling = FirstState, Dead = SecondState };

  // The catalogue's prototype: a picture cut from the first texture of the group, and no
  // states, meters or drawn sprite.
  NidhoggletAggressive(Playfield* owner, const TextureGroup& textures);
  // One in play, idling at the place and facing right; it owns the pool.
  NidhoggletAggressive(Playfield* owner, const platform::Vector3& position,
                       std::unique_ptr<EnemyAnimationPool> newPool);

  void Update(float dt) override;
  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> newPool) override;

  // Seconds since it was made.
  float age = 0.0f;

 protected:
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);
};
