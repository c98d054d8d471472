#include "enemies/EnemyResources.h"

#include <string>

#include "enemies/Enemy.h"
#include "engine/Texture.h"

namespace {

constexpr uint32_t EnemyTextureSide = 1024;

const std::vector<std::vector<std::string>> TexturePaths = {
    {"Content\\Textures\\Characters\\DemoEnemy\\demoEnemyAttackAnimationAtlas0.png",
     "Content\\Textures\\Characters\\DemoEnemy\\demoEnemyAttackAnimationAtlas1.png",
     "Content\\Textures\\Characters\\DemoEnemy\\demoEnemyAttackAnimationAtlas2.png",
     "Content\\Textures\\Characters\\DemoEnemy\\demoEnemyAttackAnimationAtlas3.png"},
    {"Content\\Textures\\Characters\\Nidhogglets\\nidhogglets.png"},
    {"Content\\Textures\\Characters\\Ratatoskr\\Ratatoskr.png"},
    {"Content\\Textures\\Characters\\Goblin\\goblin_frames.png",
     "Content\\Textures\\Characters\\Goblin\\goblin_shielded.png"},
    {"Content\\Textures\\Characters\\DemoWall\\DemoWall.png"},
};

}  // namespace

bool IsEnemyKind(long long kind) { return kind >= 0 && kind < EnemyKindCount; }

EnemyResources::EnemyResources() = default;
EnemyResources::~EnemyResources() { Free(); }

void EnemyResources::Load(Playfield* owner, const EnemyKindTable& kinds) {
  Free();
  world = owner;
  for (const auto& paths : TexturePaths) {
    TextureGroup group;
    for (const std::string& path : paths) {
      // Loaded once a map places an enemy drawn from it, or when first drawn.
      group.push_back(DeferTexture(path, EnemyTextureSide, EnemyTextureSide));
    }
    textureGroups.push_back(std::move(group));
  }
  for (int kind = 0; kind < EnemyKindCount; ++kind) {
    if (kinds[kind].makePool) animationPools[kind] = kinds[kind].makePool(*GetTextureGroup(kind));
  }
  for (int kind = 0; kind < EnemyKindCount; ++kind) {
    if (kinds[kind].makePrototype) {
      prototypes[kind] = kinds[kind].makePrototype(world, *GetTextureGroup(kind));
    }
  }
}

void EnemyResources::Free() {
  world = nullptr;
  // The prototypes may show frames of the pools, which show the textures.
  for (auto& prototype : prototypes) prototype.reset();
  for (auto& pool : animationPools) pool.reset();
  textureGroups.clear();
}

Enemy* EnemyResources::GetPrototype(int kind) const {
  return IsEnemyKind(kind) ? prototypes[kind].get() : nullptr;
}

EnemyAnimationPool* EnemyResources::GetAnimationPool(int kind) const {
  return IsEnemyKind(kind) ? animationPools[kind].get() : nullptr;
}

const TextureGroup* EnemyResources::GetTextureGroup(int kind) const {
  if (!IsEnemyKind(kind)) return nullptr;
  const size_t group = static_cast<size_t>(KindTextureGroup[kind]);
  return group < textureGroups.size() ? &textureGroups[group] : nullptr;
}
