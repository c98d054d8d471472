#include "actors/EnemyResources.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"

const EnemyKindTable& RegisteredEnemyKinds() {
  static const EnemyKindTable kinds = [] {
    EnemyKindTable table{};
    table[Ratatoskr::Kind] = {[](const TextureGroup& textures) {
                                return std::make_unique<RatatoskrAnimationPool>(textures);
                              },
                              [](World* owner, const TextureGroup& textures) {
                                return std::make_unique<Ratatoskr>(owner, textures);
                              }};
    return table;
  }();
  return kinds;
}
