#include "enemies/EnemyResources.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "enemies/Enemy.h"
#include "engine/Texture.h"

namespace {

constexpr uint32_t EnemyTextureSide = 1024;

// The slot of that kind, or null for a number outside the slots.
template <typename Slots>
auto SlotOf(Slots& slots, int kind) -> decltype(&slots[0]) {
  return kind >= 0 && static_cast<size_t>(kind) < slots.size() ? &slots[static_cast<size_t>(kind)]
                                                               : nullptr;
}

const std::string& PathOf(const std::unique_ptr<Texture>& texture) { return texture->path; }

}  // namespace

EnemyResources::EnemyResources() = default;
EnemyResources::~EnemyResources() { Free(); }

void EnemyResources::Load(Playfield* owner, const EnemyKindTable& kinds) {
  Free();
  world = owner;
  kindGroups.resize(kinds.size());
  for (const EnemyKind& kind : kinds) {
    if (size_t* group = SlotOf(kindGroups, kind.number)) *group = GroupOf(kind.textures);
  }
  animationPools.resize(kinds.size());
  for (const EnemyKind& kind : kinds) {
    auto* pool = SlotOf(animationPools, kind.number);
    if (pool && kind.makePool) *pool = kind.makePool(*GetTextureGroup(kind.number));
  }
  prototypes.resize(kinds.size());
  for (const EnemyKind& kind : kinds) {
    auto* prototype = SlotOf(prototypes, kind.number);
    if (prototype && kind.makePrototype) {
      *prototype = kind.makePrototype(world, *GetTextureGroup(kind.number));
    }
  }
}

size_t EnemyResources::GroupOf(const std::vector<std::string>& files) {
  const auto same = std::ranges::find_if(textureGroups, [&files](const TextureGroup& group) {
    return std::ranges::equal(group, files, {}, PathOf);
  });
  if (same != textureGroups.end()) return static_cast<size_t>(same - textureGroups.begin());
  TextureGroup group;
  for (const std::string& path : files) {
    // Loaded once a map places an enemy drawn from it, or when first drawn.
    group.push_back(DeferTexture(path, EnemyTextureSide, EnemyTextureSide));
  }
  textureGroups.push_back(std::move(group));
  return textureGroups.size() - 1;
}

void EnemyResources::Free() {
  world = nullptr;
  // The prototypes may show frames of the pools, which show the textures.
  prototypes.clear();
  animationPools.clear();
  textureGroups.clear();
  kindGroups.clear();
}

Enemy* EnemyResources::GetPrototype(int kind) const {
  const auto* prototype = SlotOf(prototypes, kind);
  return prototype ? prototype->get() : nullptr;
}

EnemyAnimationPool* EnemyResources::GetAnimationPool(int kind) const {
  const auto* pool = SlotOf(animationPools, kind);
  return pool ? pool->get() : nullptr;
}

const TextureGroup* EnemyResources::GetTextureGroup(int kind) const {
  const size_t* group = SlotOf(kindGroups, kind);
  return group ? &textureGroups[*group] : nullptr;
}
