#include "actors/Enemy.h"

#include "actors/EnemyResources.h"
#include "player/Player.h"
#include "world/World.h"

namespace {

constexpr int FallbackPoolKind = 0;

}  // namespace

Enemy::Enemy(std::string name) : Actor(std::move(name)) { kind = ActorKindEnemy; }

std::unique_ptr<EnemyAnimationPool> Enemy::CreateAnimationPool(const EnemyResources& resources,
                                                               int kind) {
  const int poolKind = kind >= 1 && kind < EnemyKindCount ? kind : FallbackPoolKind;
  const EnemyAnimationPool* pool = resources.GetAnimationPool(poolKind);
  const TextureGroup* textures = resources.GetTextureGroup(poolKind);
  if (!pool || !textures) return nullptr;
  return pool->Create(*textures);
}

int Enemy::FindKindByName(const EnemyResources& resources, const std::string& name) {
  for (int kind = 0; kind < EnemyKindCount; ++kind) {
    const Enemy* prototype = resources.GetPrototype(kind);
    if (prototype && prototype->name == name) return kind;
  }
  return -1;
}

bool Enemy::GiveExperience() {
  Player* player = world ? world->GetFirstPlayer() : nullptr;
  if (!player) return false;
  player->AddGainedStat49(totalStats[Stat::StatGivenExperience]);
  return true;
}
