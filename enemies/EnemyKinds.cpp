#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/DemoWall.h"
#include "enemies/DemoWallAnimationPool.h"
#include "enemies/EnemyResources.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"

namespace {

// A kind whose pool and prototype are both built from its texture group.
template <typename Pool, typename Kind>
EnemyKindEntry KindEntry() {
  return {[](const TextureGroup& textures) { return std::make_unique<Pool>(textures); },
          [](Playfield* owner, const TextureGroup& textures) {
            return std::make_unique<Kind>(owner, textures);
          }};
}

}  // namespace

const EnemyKindTable& RegisteredEnemyKinds() {
  static const EnemyKindTable kinds = [] {
    EnemyKindTable table{};
    table[DemoEnemy::Kind] = KindEntry<DemoEnemyAnimationPool, DemoEnemy>();
    table[NidhoggletPassive::Kind] = KindEntry<NidhoggletPassiveAnimationPool, NidhoggletPassive>();
    table[NidhoggletAggressive::Kind] =
        KindEntry<NidhoggletAggressiveAnimationPool, NidhoggletAggressive>();
    table[Ratatoskr::Kind] = KindEntry<RatatoskrAnimationPool, Ratatoskr>();
    table[Goblin::Kind] = KindEntry<GoblinAnimationPool, Goblin>();
    table[DemoGoblin::Kind] = KindEntry<DemoGoblinAnimationPool, DemoGoblin>();
    table[DemoWall::Kind] = KindEntry<DemoWallAnimationPool, DemoWall>();
    return table;
  }();
  return kinds;
}
