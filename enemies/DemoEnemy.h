#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoEnemyState.h"
#include "enemies/EnemyAnimationPool.h"
#include "enemies/EnemyFamily.h"
#include "platform/MathTypes.h"

class Sound;

// A sparring partner that fights with the player's own moves: it dashes in, jumps, dashes in
// the air, has three attacks on the ground and four in the air, strings air attacks together
// while they connect, and is guard-broken when a meter runs out. Beaten, it lies downed. A switch
// of state lets the state left take its strikes out of play first.
class DemoEnemy : public EnemyFamily<DemoEnemyState, DemoEnemyStateCount, StateSwitch::ExitFirst> {
 public:
  static constexpr int32_t Kind = 0;
  // The body. The sprite's cell is drawn centred on the body's centre.
  static constexpr platform::Vector3 BodySize{1.4f, 2.2f, 0.0f};
  static constexpr int SwingSoundCount = 4;

  // The catalogue's prototype: a picture cut from the first texture of the group, the swing
  // sounds, and no states, meters or drawn sprite.
  DemoEnemy(Playfield* owner, const TextureGroup& textures);
  // A DemoEnemy in play, idling at the place and facing right. It owns the pool its animations
  // come from.
  DemoEnemy(Playfield* owner, const platform::Vector3& position,
            std::unique_ptr<EnemyAnimationPool> pool);
  ~DemoEnemy() override;

  // With a pool of its own from the world's catalogue; the flag is not used.
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float z,
                                  uint8_t flag) override;
  // Null, with nothing made, for a line that does not read whole.
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool> pool) override;
  // Any vertical push stands it on what pushed; only a landing stops its fall, and a ceiling
  // stops its rise only while a wall pushes it sideways too. Nothing stops it sideways.
  void StepPhysics(float dt) override;
  void WriteRecord(std::ostream& out) override;

  // The attacks play the first; the others are only carried.
  std::array<std::unique_ptr<Sound>, SwingSoundCount> swingSounds;

 protected:
  // Not once it is spent: refilling from nothing would stand a beaten enemy up again the next
  // frame, before its broken guard could lay it down.
  bool HealthRecovers() const override;
  void MakeStates() override;

 private:
  void Initialize(const platform::Vector3& position);
  void LoadSounds();
};
