#include "npcs/NPCAnimationPool.h"

#include <array>

#include "engine/Texture.h"

namespace {

constexpr std::array<AnimationCell, 1> CellTable{{
    {L"m_frameIdle1", 0, GridCell(0, 0, NPCAnimationPool::CellSide, NPCAnimationPool::CellSide),
     NPCAnimationPool::IdleFrameSeconds, 0, "Idling", 0},
}};

}  // namespace

NPCAnimationPool::NPCAnimationPool(const NPCTextures& newTextures) : textures(&newTextures) {
  const AnimationCell& cell = CellTable.front();
  m_frameIdle1 = CreateAnimationFrame(cell.frame, cell.duration, nullptr, textures->sheet.get(),
                                      CellCorners(cell.rect));
}

std::span<const AnimationCell> NPCAnimationPool::Cells() { return CellTable; }

std::unique_ptr<NPCAnimationPool> NPCAnimationPool::Create(const NPCTextures& newTextures) const {
  return std::make_unique<NPCAnimationPool>(newTextures);
}

std::unique_ptr<Animation> NPCAnimationPool::GetAnimation(int) const {
  auto animation = std::make_unique<Animation>();
  animation->frames.push_back(m_frameIdle1.get());
  animation->loop = 1;
  animation->length = ChainLength(m_frameIdle1.get());
  return animation;
}
