#include "npcs/NPCResources.h"

#include "engine/Texture.h"
#include "npcs/NPC.h"

NPCResources::NPCResources() = default;
NPCResources::~NPCResources() { Free(); }

void NPCResources::Load(Playfield* owner) {
  Free();
  world = owner;
  // A character's pictures are loaded once a map places it, or when first drawn.
  for (size_t kind = 0; kind < Cast().size(); ++kind) {
    textures[kind].sheet = DeferTexture(SheetPath(Cast()[kind]), NPCSheetSide, NPCSheetSide);
    textures[kind].portrait =
        DeferTexture(PortraitPath(Cast()[kind]), NPCPortraitSide, NPCPortraitSide);
  }
  for (size_t kind = 0; kind < Cast().size(); ++kind) {
    pools[kind] = std::make_unique<NPCAnimationPool>(textures[kind]);
  }
  for (size_t kind = 0; kind < Cast().size(); ++kind) {
    prototypes[kind] =
        std::make_unique<NPC>(owner, static_cast<int32_t>(kind), textures[kind].portrait.get());
  }
}

void NPCResources::Free() {
  world = nullptr;
  // The prototypes show the pictures the pools cut their frames from.
  for (auto& prototype : prototypes) prototype.reset();
  for (auto& pool : pools) pool.reset();
  for (NPCTextures& pictures : textures) {
    pictures.sheet.reset();
    pictures.portrait.reset();
  }
}

int NPCResources::FindByName(const std::string& name) const {
  for (size_t kind = 0; kind < prototypes.size(); ++kind) {
    if (prototypes[kind] && prototypes[kind]->name == name) return static_cast<int>(kind);
  }
  return -1;
}

std::unique_ptr<NPC> NPCResources::Place(long long kind, const platform::Vector3& position) const {
  if (!IsNPCKind(kind)) return nullptr;
  const auto index = static_cast<size_t>(kind);
  const NPC* prototype = prototypes[index].get();
  if (!prototype || !pools[index]) return nullptr;
  textures[index].sheet->Require();
  textures[index].portrait->Require();
  return prototype->CreateAt(world, prototype->portraitTexture, position,
                             pools[index]->Create(textures[index]));
}

NPC* NPCResources::GetPrototype(int kind) const {
  return kind >= 0 && kind < NPCKindCount ? prototypes[kind].get() : nullptr;
}
