#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Vertex.h"

// The nineteen non-player characters. They are built on one pattern and differ only in what
// this table holds; the kind number is a character's place in it, which maps store.
struct CastMember {
  const char* name;
  // The body's height in world units; every body is BodyWidth wide.
  float height;
  const char* description;
};

inline constexpr int NPCKindCount = 19;

const std::array<CastMember, NPCKindCount>& Cast();

// Kinds 0 to 18.
bool IsNPCKind(long long kind);

// Every character's sheet and portrait, square and requested at these sides.
inline constexpr uint32_t NPCSheetSide = 1024;
inline constexpr uint32_t NPCPortraitSide = 512;
// The part of the portrait that the people pages show, in portrait texels.
inline constexpr platform::PixelRect PortraitCrop{130, 112, 335, 437};

// "Content\Textures\Characters\NAME\NAME.png" and "..._portrait.png".
std::string SheetPath(const CastMember& member);
std::string PortraitPath(const CastMember& member);
