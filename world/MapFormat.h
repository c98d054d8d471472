#pragma once

#include <array>
#include <cstddef>

#include "engine/MapPaths.h"
#include "platform/MathTypes.h"

// What the map reader and the map writer agree on, with where the maps lie.

// The sections of a map, in file order.
enum MapSection : int {
  SectionResources,
  SectionEnemies,
  SectionNpcs,
  SectionBoundaries,
  SectionTexturedPrimitives,
  SectionModifiers,
  MapSectionCount,
};

// Each header is written with a blank before its line feed.
inline constexpr std::array<const char*, MapSectionCount> MapSectionHeaders = {
    "*Resources", "*Enemies", "*NPCs", "*Boundaries", "*Textured_Primitives", "*Modifiers"};

// The header letters of the camera and the death mode.
constexpr char CameraMovingLetter = 'm';
constexpr char CameraStationaryLetter = 's';
constexpr char DeathScreenLetter = 's';
constexpr char DeathRespawnLetter = 'd';

// The words written for a map without music, a shape without texture, and a portal without a
// target map (an empty word would leave the line unreadable).
inline constexpr const char* NoMusicToken = "0";
inline constexpr const char* NoTextureToken = "0";
inline constexpr const char* NoTargetToken = "0";

// The letters of the records; the reader takes them in either case.
constexpr char QuadLetter = 'q';
constexpr char CircleLetter = 'c';
constexpr char SpriteLetter = 's';
// The modifier shape token of a modifier whose region is none of the three.
constexpr char NoShapeLetter = '0';
constexpr char HazardLetter = 'h';
constexpr char PortalLetter = 't';
constexpr char PushLetter = 'p';
constexpr char TutorialImageLetter = 'i';
constexpr char ConversationLetter = 'c';
constexpr char ShopLetter = 's';
constexpr char SavePointLetter = 'v';
constexpr char CameraDepthLetter = 'd';
constexpr char CameraStationarySetterLetter = 'm';

// Anchors of conversations, shops and save points; "0" stands for none.
constexpr char NpcAnchorLetter = 'n';
constexpr char ShapeAnchorLetter = 'p';
constexpr char NoAnchorLetter = '0';

// Conversations: 's' holds the speaking player still, 'm' lets it move.
constexpr char HoldStillLetter = 's';
constexpr char MayMoveLetter = 'm';

// A shape's side vector k belongs to the push direction k x 90 degrees. A boundary quad's
// record switches them on in the order up, left, down, right: these entries.
inline constexpr std::array<size_t, 4> BoundaryNormalSides = {1, 2, 3, 0};
inline constexpr std::array<platform::Vector3, 4> SideDirections = {
    platform::Vector3{1.0f, 0.0f, 0.0f}, platform::Vector3{0.0f, 1.0f, 0.0f},
    platform::Vector3{-1.0f, 0.0f, 0.0f}, platform::Vector3{0.0f, -1.0f, 0.0f}};

constexpr char FacingLeftLetter = 'l';
constexpr char FacingRightLetter = 'r';
