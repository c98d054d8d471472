#include "enemies/StandingEnemy.h"

#include "enemies/EnemyRecord.h"

StandingEnemy::StandingEnemy(int32_t kind) : EnemyFamily(kind) {}

StandingEnemy::~StandingEnemy() = default;

void StandingEnemy::StepPhysics(float dt) {
  // It leaves the ground as soon as nothing pushes it up.
  StepOnBoundaries(dt, false);
}

void StandingEnemy::WriteRecord(std::ostream& out) { WriteEnemyLine(out, *this); }
