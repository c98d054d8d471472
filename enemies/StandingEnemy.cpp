#include "enemies/StandingEnemy.h"

#include "enemies/EnemyRecord.h"
#include "enemies/StandingStates.h"

StandingEnemy::StandingEnemy(std::string name) : Enemy(std::move(name)) {}

StandingEnemy::~StandingEnemy() = default;

void StandingEnemy::StepPhysics(float dt) {
  // It leaves the ground as soon as nothing pushes it up.
  StepOnBoundaries(dt, false);
}

void StandingEnemy::WriteRecord(std::ostream& out) { WriteEnemyLine(out, *this); }

void StandingEnemy::SwitchState(int index) { EnterState(GetState(index)); }

StandingState* StandingEnemy::GetState(int index) const {
  if (index < 0 || index >= StateCount) return nullptr;
  return states[static_cast<size_t>(index)].get();
}
