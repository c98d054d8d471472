#pragma once

#include <cstdint>
#include <ostream>

#include "enemies/EnemyFamily.h"
#include "enemies/StandingStates.h"
#include "platform/MathTypes.h"

// An enemy that stays where it is put (the Nidhogglets and the DemoWall): two states, the
// first of which it starts in, and a physics step that does not follow the ground down. Its
// map line is the common one.
class StandingEnemy : public EnemyFamily<StandingState, 2> {
 public:
  static constexpr int SecondState = 1;

  ~StandingEnemy() override;

  void StepPhysics(float dt) override;
  void WriteRecord(std::ostream& out) override;

  // The size of the body, which the hit box takes again at every state entry.
  platform::Vector3 bodySize;

 protected:
  explicit StandingEnemy(int32_t kind);
};
