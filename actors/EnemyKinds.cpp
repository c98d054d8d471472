#include "actors/EnemyResources.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
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
    table[Goblin::Kind] = {[](const TextureGroup& textures) {
                             return std::make_unique<GoblinAnimationPool>(textures);
                           },
                           [](World* owner, const TextureGroup&) {
                             return std::make_unique<Goblin>(owner);
                           }};
    table[DemoGoblin::Kind] = {[](const TextureGroup& textures) {
                                 return std::make_unique<DemoGoblinAnimationPool>(textures);
                               },
                               [](World* owner, const TextureGroup&) {
                                 return std::make_unique<DemoGoblin>(owner);
                               }};
    return table;
  }();
  return kinds;
}
