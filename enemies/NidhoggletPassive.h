#pragma once

#include <cstdint>
#include <memory>

#include "enemies/StandingEnemy.h"

// The harmless Nidhogglet: it stands where the map puts it and plays its idle loop; strikes
// pass it by and nothing makes it change its state.
class NidhoggletPassive : public StandingEnemy {
 public:
  static constexpr int32_t Kind = 1;
  static constexpr float BodyWidth = 1.0f;
  static constexpr float BodyHeight = 0.55f;
  // Defending is built but nothing leads into it.
  enum StateIndex : int { Idling = FirstState, Defending = SecondState };

  // The catalogue's prototype: a picture cut from the first texture of the group, and no
  // states, meters or drawn sprite.
  NidhoggletPassive(Playfield* owner, const TextureGroup& textures);
  // One in play, idling at the place and facing right; it owns the pool.
  NidhoggletPassive(Playfield* owner, const platform::Vector3& position,
                    std::unique_ptr<EnemyAnimationPool> newPool);

  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> newPool) override;

 protected:
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);
};
