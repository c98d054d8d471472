#pragma once

#include <memory>
#include <span>

#include "actors/Animation.h"

class Texture;

// A character's two pictures.
struct NPCTextures {
  std::unique_ptr<Texture> sheet;
  std::unique_ptr<Texture> portrait;
};

// A character's one frame on its sheet, from which its idling and speaking animations are
// made. The frame belongs to the pool; the animations point at it.
class NPCAnimationPool {
 public:
  static constexpr int CellSide = 128;
  static constexpr float IdleFrameSeconds = 0.4f;

  explicit NPCAnimationPool(const NPCTextures& textures);
  NPCAnimationPool(const NPCAnimationPool&) = delete;
  NPCAnimationPool& operator=(const NPCAnimationPool&) = delete;

  // Every character's sheet is cut by this table: one cell at the top-left corner. The sprite
  // is centred on the body, so a character's feet lie half its height below the cell's middle.
  static std::span<const AnimationCell> Cells();

  // A new pool on the textures.
  std::unique_ptr<NPCAnimationPool> Create(const NPCTextures& textures) const;
  // A looping animation of the one frame, whatever the number.
  std::unique_ptr<Animation> GetAnimation(int number) const;

  const NPCTextures* textures;  // not owned
  std::unique_ptr<AnimationFrame> m_frameIdle1;
};
