// The Nidhogglets' sheet: two wyrmlings of the world tree's dragon on one texture. The
// aggressive one is lean and fiery, head low and snarling; the passive one is round and calm
// in cool blues.

#include "NidhoggletSheet.h"

#include "CharacterSheets.h"
#include "Quadruped.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "enemies/NidhoggletPassive.h"
#include "player/PlayerFrameTable.h"

namespace figures {

namespace {

constexpr int SheetSide = 1024;
// The hind hips behind the middle of the cell, far enough forward that the tail stays inside it.
constexpr Point AggressiveHips{-8.0f, 14.0f};
constexpr Point PassiveHips{-6.0f, 14.0f};

// A wyrmling of its colours (hide, belly, horns and spines, wings) and build, with a tail of
// so many segments.
Style Wyrmling(const Palette& colours, const QuadrupedBuild& build, int tailSegments) {
  Style style;
  style.palette = colours;
  style.quadruped = build;
  style.gear.hide = Hide::Scales;
  style.gear.wings = true;
  style.gear.tailSegments = tailSegments;
  return style;
}

Palette Colours(uint32_t hide, uint32_t belly, uint32_t horns, uint32_t wings) {
  Palette palette;
  palette.fur = hide;
  palette.belly = belly;
  palette.trim = horns;
  palette.accent = wings;
  palette.eye = 0xFF1A1014;
  return palette;
}

// Lean, long in the snout and the tail, with wide wings.
Style AggressiveStyle() {
  return Wyrmling(Colours(0xFFC23A22, 0xFFF4B43A, 0xFF3C2A26, 0xFFF07A2C),
                  {.spine = 16.0f, .hipRadius = 6.0f, .chestRadius = 5.8f, .thigh = 5.5f,
                   .shank = 5.0f, .hindFoot = 4.0f, .upperForeleg = 5.0f, .foreleg = 5.0f,
                   .legRadius = 1.9f, .pawRadius = 1.5f, .neck = 6.5f, .headRadius = 4.6f,
                   .snout = 5.5f, .earLength = 6.0f, .tailSegment = 4.6f, .tailRadius = 3.8f,
                   .wingLength = 15.0f, .outline = 0.8f},
                  5);
}

// Round, with a big head, a short snout and nubs for horns.
Style PassiveStyle() {
  return Wyrmling(Colours(0xFF5C8ED2, 0xFFEDE6C6, 0xFFE8DEC4, 0xFFC4B0E8),
                  {.spine = 11.0f, .hipRadius = 8.5f, .chestRadius = 7.2f, .thigh = 5.0f,
                   .shank = 4.0f, .hindFoot = 4.0f, .upperForeleg = 4.5f, .foreleg = 4.5f,
                   .legRadius = 2.4f, .pawRadius = 2.0f, .neck = 4.0f, .headRadius = 7.0f,
                   .snout = 2.6f, .earLength = 3.0f, .tailSegment = 3.8f, .tailRadius = 3.4f,
                   .wingLength = 14.0f, .outline = 0.8f},
                  4);
}

const Style& Aggressive() {
  static const Style style = AggressiveStyle();
  return style;
}

const Style& Passive() {
  static const Style style = PassiveStyle();
  return style;
}

// Crouched to spring, head low and thrust forward, snarling; the wings flex and the tail
// lashes from one frame of the loop to the other.
QuadrupedPose Snarling(float place) {
  const bool second = place >= 0.5f;
  QuadrupedPose pose;
  pose.hips = AggressiveHips;
  pose.pitch = -8.0f;
  pose.hip = {75.0f, 65.0f};
  pose.knee = {135.0f, 130.0f};
  pose.hindFoot = {0.0f, 0.0f};
  pose.shoulder = {35.0f, 20.0f};
  pose.elbow = {-40.0f, -30.0f};
  pose.neck = second ? 8.0f : 14.0f;
  pose.headTilt = second ? -6.0f : 2.0f;
  pose.jaw = second ? 0.75f : 0.3f;
  pose.scowl = 1.0f;
  pose.ears = 0.6f;
  pose.wings = second ? 0.8f : 0.5f;
  pose.tailRise = second ? 28.0f : 18.0f;
  pose.tailCurl = second ? -20.0f : -12.0f;
  return pose;
}

// On its back, legs in the air, wings and tail limp.
QuadrupedPose SlainDead() {
  QuadrupedPose pose;
  pose.hips = AggressiveHips;
  pose.support = Support::Body;
  pose.spin = 180.0f;
  pose.hip = {35.0f, 10.0f};
  pose.knee = {70.0f, 50.0f};
  pose.hindFoot = {-20.0f, -20.0f};
  pose.shoulder = {25.0f, -10.0f};
  pose.elbow = {30.0f, 40.0f};
  pose.neck = -5.0f;
  pose.headTilt = 10.0f;
  pose.eyesShut = true;
  pose.jaw = 0.35f;
  pose.ears = 1.0f;
  pose.tailRise = -10.0f;
  pose.tailCurl = 28.0f;
  return pose;
}

// Sitting easy, head up, the tail curled round; it breathes and looks about.
QuadrupedPose Resting(float place) {
  const bool second = place >= 0.5f;
  QuadrupedPose pose;
  pose.hips = PassiveHips;
  pose.pitch = 30.0f;
  pose.hip = {40.0f, 34.0f};
  pose.knee = {150.0f, 150.0f};
  pose.shoulder = {-28.0f, -34.0f};
  pose.elbow = {0.0f, 5.0f};
  pose.neck = second ? 30.0f : 22.0f;
  pose.headTilt = second ? -6.0f : 4.0f;
  pose.ears = 0.2f;
  pose.wings = second ? 0.45f : 0.3f;
  pose.tailRise = 25.0f;
  pose.tailCurl = second ? -30.0f : -24.0f;
  return pose;
}

// Hunkered down with the head drawn in and the wings raised over its back like a cover.
QuadrupedPose Defending() {
  QuadrupedPose pose;
  pose.hips = PassiveHips;
  pose.pitch = -4.0f;
  pose.hip = {85.0f, 80.0f};
  pose.knee = {160.0f, 158.0f};
  pose.shoulder = {50.0f, 40.0f};
  pose.elbow = {-50.0f, -40.0f};
  pose.neck = 5.0f;
  pose.headTilt = 25.0f;
  pose.ears = 1.0f;
  pose.wings = 0.7f;
  pose.tailRise = 5.0f;
  pose.tailCurl = -35.0f;
  return pose;
}

Figure Drawn(const Style& style, QuadrupedPose (*pose)(float)) {
  return [&style, pose](Drawing& d, Point anchor, float place) {
    DrawQuadruped(d, style, pose(place), anchor);
  };
}

Figure AggressiveFigure(int animation) {
  if (animation == IdlePoseAnimationPool::PoseAnimation) {
    return [](Drawing& d, Point anchor, float) {
      DrawQuadruped(d, Aggressive(), SlainDead(), anchor);
    };
  }
  return Drawn(Aggressive(), Snarling);
}

Figure PassiveFigure(int animation) {
  if (animation == IdlePoseAnimationPool::PoseAnimation) {
    return
        [](Drawing& d, Point anchor, float) { DrawQuadruped(d, Passive(), Defending(), anchor); };
  }
  return Drawn(Passive(), Resting);
}

float FeetBelowMiddle(float bodyHeight) { return bodyHeight / 2.0f * SpritePixelsPerUnit(); }

}  // namespace

bool DrawNidhoggletSheet(const std::filesystem::path& contentFolder,
                         const std::filesystem::path& contactFolder) {
  std::vector<SheetAnimation> animations =
      EnemyAnimations(NidhoggletPassiveAnimationPool::Cells(), PassiveFigure,
                      [](int) { return FeetBelowMiddle(NidhoggletPassive::BodyHeight); });
  for (SheetAnimation& animation :
       EnemyAnimations(NidhoggletAggressiveAnimationPool::Cells(), AggressiveFigure,
                       [](int) { return FeetBelowMiddle(NidhoggletAggressive::BodyHeight); })) {
    animations.push_back(std::move(animation));
  }
  return DrawCharacter("Nidhogglets", EnemySheetFiles(NidhoggletPassive::Kind), SheetSide,
                       animations, contentFolder, contactFolder);
}

}  // namespace figures
