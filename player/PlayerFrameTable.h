#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/MathTypes.h"
#include "platform/Vertex.h"
#include "player/PlayerStateSlots.h"

// Every picture of the player character: for each of the 39 states its one animation, cut from
// one of the four sheets, with the body the state gives the player and where its sprite stands
// on that body. The states build their animations from it, and the picture generator draws
// each cell from it, so that the pictures and the game cannot drift apart.

// The sheets, in the order of the player pool's textures; each is 1024 by 1024 pixels.
enum PlayerSheet : int { MainSheet = 0, AttackSheet1, AttackSheet2, AttackSheet3, PlayerSheetCount };
constexpr int PlayerSheetSide = 1024;

// The three bodies of the player; a resize keeps the feet where they are.
enum class PlayerBody : uint8_t { Standing, Dashing, Crouching };
constexpr platform::Vector3 StandingSize{1.4f, 2.45f, 0.0f};
constexpr platform::Vector3 DashingSize{1.8f, 1.4f, 0.0f};
constexpr platform::Vector3 CrouchingSize{1.5f, 1.1f, 0.0f};
platform::Vector3 BodySize(PlayerBody body);

// What a state's Enter makes the animation's follow-on: none, or the animation itself.
enum class FollowOn : uint8_t { None, Itself };

struct PlayerFramePlan {
  std::wstring name;
  // Seconds; attack states scale it by the attack speed when they are entered.
  float duration = 0.0f;
  // Pixels of the sheet: left, top, right, bottom.
  platform::PixelRect cell;
};

struct PlayerStatePlan {
  PlayerStateSlot slot;
  std::wstring displayName;
  PlayerSheet sheet;
  PlayerBody body;
  // The camera frames the body plus the first offset; the sprite stands at the body plus the
  // sprite offset (never mirrored); the hit box at the body plus the hit-box offset.
  platform::Vector3 firstOffset;
  platform::Vector3 spriteOffset;
  platform::Vector3 hitBoxOffset;
  // 1 wraps to the first frame after the last.
  uint8_t loop = 0;
  FollowOn followOn = FollowOn::None;
  // In playing order; every state has this one animation.
  std::vector<PlayerFramePlan> frames;
};

// The 39 states in table order: entry i is slot i.
const std::vector<PlayerStatePlan>& PlayerStatePlans();

// Screen pixels per world unit of a sprite drawn at the default camera distance, where one
// texel of a sheet covers one pixel.
float SpritePixelsPerUnit();
// How far below the cell's top edge, in pixels, the feet of a picture of this state stand: the
// sprite is centred on the body plus the sprite offset, and the feet are the body's bottom.
float FootLineInCell(const PlayerStatePlan& state, const platform::PixelRect& cell);
