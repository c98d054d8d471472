#include "actors/EnemyResources.h"

const EnemyKindTable& RegisteredEnemyKinds() {
  static const EnemyKindTable kinds{};
  return kinds;
}
