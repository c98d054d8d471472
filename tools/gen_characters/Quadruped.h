#pragma once

// The four-legged skeleton: a pose of joint angles along a spine, and the picture of a styled
// creature in that pose: furred, with ears and a bushy tail, or scaled, with horns, spines, a
// barbed tail and perhaps wings. Creatures face right.

#include <array>

#include "Biped.h"

namespace figures {

// Angles in degrees. Leg angles are measured from the spine's downward line, positive
// forward; hind knees bend forward and hocks back, fore elbows bend back.
struct QuadrupedPose {
  Support support = Support::Feet;
  Point hips{-12.0f, 14.0f};  // the hind hip joint; a supported pose is moved onto the anchor
  float pitch = 0.0f;         // the spine's rise from the hips to the shoulders
  float spin = 0.0f;          // the whole creature turned forward about its middle
  std::array<float, 2> hip{};       // hind legs, near side first
  std::array<float, 2> knee{};      // hind knee flexion: the shank turns back from the thigh
  std::array<float, 2> hindFoot{};  // slope of the hind foot, toe up; 0 lies flat
  std::array<float, 2> shoulder{};  // fore legs
  std::array<float, 2> elbow{};     // fore elbow flexion: the forearm turns forward
  float neck = 35.0f;       // the neck's rise above the spine's forward line
  float headTilt = 0.0f;    // nose down
  bool lookBack = false;    // the head turned to look behind
  float jaw = 0.0f;         // 0 shut, 1 wide open
  float ears = 0.0f;        // 0 pricked, 1 laid flat back
  bool eyesShut = false;
  float tailRise = 60.0f;   // the tail's root, degrees above the spine's backward line
  float tailCurl = -22.0f;  // turn between one tail segment and the next (negative curls forward)
  float tailFluff = 1.0f;   // how bushy: 1 as built, more when bristling
  float wings = 0.0f;       // 0 folded along the back, 1 raised and spread
  float scowl = 0.0f;       // a scaled brow: 0 calm, 1 drawn down over the eye
};

void DrawQuadruped(Drawing& drawing, const Style& style, const QuadrupedPose& pose, Point anchor);

}  // namespace figures
