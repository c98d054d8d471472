#include "enemies/StandingEnemy.h"

#include "enemies/EnemyRecord.h"

StandingEnemy::StandingEnemy(std::string name) : EnemyFamily(std::move(name)) {}

StandingEnemy::~StandingEnemy() = default;

void StandingEnemy::StepPhysics(float dt) {
  // It leaves the ground as soon as nothing pushes it up.
  StepOnBoundaries(dt, false);
}

void StandingEnemy::WriteRecord(std::ostream& out) { WriteEnemyLine(out, *this); }
