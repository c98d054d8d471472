#pragma once

// Poses that any two-legged character takes: standing, the walk cycle with planted feet,
// crouching, and keyed motion for everything a character does in its own way.

#include <vector>

#include "Biped.h"

namespace figures {

// How a walk looks; lengths in texels.
struct Gait {
  float stride = 13.0f;      // the foot's reach in front of and behind the hips
  float lift = 8.0f;         // the swinging foot's highest point
  float hipDrop = 3.0f;      // how far below standing height the hips ride
  float bob = 1.8f;          // how far they rise and fall with each step
  float lean = 6.0f;
  float armSwing = 24.0f;    // the free arm's swing to either side, degrees
  float headTilt = 0.0f;
};

// The hips' height when the character stands straight with flat feet.
float StandingHipHeight(const Style& style);

// Standing at rest, the weapon held low and ready.
BipedPose Stand(const Style& style);

// A moment of the walk cycle (0 to 1: the near foot lands at 0, the far foot at 0.5); the
// foot on the ground moves back evenly under the hips, so the figure walks rather than slides.
BipedPose Walk(const Style& style, const Gait& gait, float place);

// Bending down from standing (0) to a full crouch (1), feet where they stand.
BipedPose Crouch(const Style& style, float depth);

// Hips at the height and leaning so, the feet flat at those places in front of and behind them.
BipedPose Stance(const Style& style, float lean, float front, float back, float hips);

// The weapon arm at those angles with the blade aimed at the angle (see AimBlade).
BipedPose Arm(BipedPose pose, float shoulder, float elbow, float blade);
BipedPose OtherArm(BipedPose pose, float shoulder, float elbow);

// Every angle, position and amount the given share of the way from one pose to the other.
BipedPose Blend(const BipedPose& from, const BipedPose& to, float amount);

struct Key {
  float at;  // the moment, 0 to 1
  BipedPose pose;
};

// The pose at a moment of keyed motion, eased between the keys around it (which are in
// order of their moments).
BipedPose Keyed(const std::vector<Key>& keys, float place);

// A swing of the weapon as keyed motion, and the stretch of it in which the weapon cuts.
struct Swing {
  std::vector<Key> keys;
  float from;  // the moment the weapon starts to cut
  float to;    // the moment it has gone through
  float reach = 1.0f;  // how far the cut reaches beyond the weapon (see Trail)
  // The weapon's own angle is eased from key to key the short way, whatever the arms do
  // meanwhile (a long weapon held in both hands), instead of following the arm.
  bool weaponTurnsShortWay = false;
};

// The pose at a moment of the swing.
BipedPose SwingPose(const Swing& swing, float place);
// Earlier moments of the cut, for the weapon's trail.
Trail SwingTrail(const Swing& swing, float place);

// In the air with the legs drawn up, the middle of the torso at that height above the feet's
// row (the middle of the body the game gives the character).
BipedPose TuckedInAir(const Style& style, float middle, float lean, float drop = 0.0f);

}  // namespace figures
