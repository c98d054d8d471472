#pragma once

#include <cstdint>
#include <memory>

#include "enemies/StandingEnemy.h"

class BoundingQuad;

// A breakable wall: its block, a boundary of its own size, bars the way until the wall's
// health is gone; then the block shrinks to nothing and the broken wall stays as a picture.
// Strikes do not move it.
class DemoWall : public StandingEnemy {
 public:
  static constexpr int32_t Kind = 6;
  static constexpr float BodyWidth = 3.3f;
  static constexpr float BodyHeight = 4.0f;
  enum StateIndex : int { Idling = FirstState, Dead = SecondState };

  // The catalogue's prototype: a picture cut from the first texture of the group, and no
  // block, states, meters or drawn sprite.
  DemoWall(Playfield* owner, const TextureGroup& textures);
  // A standing wall at the place; its block goes into the world's boundary pass until the
  // wall is destroyed or the level cleared. It owns the pool.
  DemoWall(Playfield* owner, const platform::Vector3& position,
           std::unique_ptr<EnemyAnimationPool> newPool);
  ~DemoWall() override;

  // The frame step, with the block kept on the body.
  void Update(float dt) override;
  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> newPool) override;

  // Null on the prototype.
  BoundingQuad* Block() const { return block.get(); }

 protected:
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);

  std::unique_ptr<BoundingQuad> block;
};
