#pragma once

#include <cstdint>
#include <memory>

#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/DemoGoblinState.h"
#include "enemies/EnemyAnimationPool.h"
#include "enemies/EnemyFamily.h"
#include "platform/MathTypes.h"

// A training goblin: it wanders, notices the player in front of it or close behind, walks up
// and swings once when the player is within reach.
class DemoGoblin : public EnemyFamily<DemoGoblinState, DemoGoblinStateCount> {
 public:
  static constexpr int32_t Kind = 5;
  // The body while alive, and what is left of it once dead. The sprite's cell is drawn centred
  // on the body's centre.
  static constexpr platform::Vector3 StandingSize{1.1f, 2.5f, 0.0f};
  static constexpr platform::Vector3 DeadSize{2.5f, 0.5f, 0.0f};

  // The catalogue's prototype: a picture cut from the first texture of the group, and no
  // states, sprite or meters.
  DemoGoblin(Playfield* owner, const TextureGroup& textures);
  // A DemoGoblin in play, idling at the place and facing right. It owns the pool its animations
  // come from.
  DemoGoblin(Playfield* owner, const platform::Vector3& position,
             std::unique_ptr<EnemyAnimationPool> pool);
  ~DemoGoblin() override;

  // The state, its picture, the boundary pass and only then the move, then the hit box,
  // sprite and meters put in place.
  void Update(float dt) override;
  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> pool) override;
  void StepPhysics(float dt) override;
  void WriteRecord(std::ostream& out) override;

  // The body and the hit box take the size, the feet staying where they are.
  void Resize(const platform::Vector3& size);

 protected:
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);
};
