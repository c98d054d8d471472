#pragma once

// The two-legged skeleton: a pose of joint angles, the joints it puts in figure space, and
// the picture of a styled character in that pose. Figures face right (the game mirrors them).

#include <array>
#include <vector>

#include "FigureSpace.h"
#include "tools/Style.h"

namespace figures {

// Limb arrays hold the near side (towards the viewer) first.
constexpr int Near = 0;
constexpr int Far = 1;

// What the figure rests on: its lowest sole on the anchor row, its lowest point of any kind
// on it (a roll), or nothing (in the air: the pelvis stays where the pose puts it).
enum class Support { Feet, Body, Air };

// Angles in degrees. Limb angles are measured from the torso's downward line, positive
// forward; knees bend back and elbows bend forward by their (non-negative) flexion.
struct BipedPose {
  Support support = Support::Feet;
  Point pelvis{0.0f, 50.0f};  // figure space; a supported pose is moved up or down onto the anchor
  float lean = 0.0f;          // the torso, forward of upright
  float spin = 0.0f;          // the whole figure turned forward about its middle
  float headTilt = 0.0f;      // chin down
  std::array<float, 2> hip{};
  std::array<float, 2> knee{};
  std::array<float, 2> foot{};  // the sole's slope, toe up; 0 stands flat
  std::array<float, 2> shoulder{};
  std::array<float, 2> elbow{};
  float weapon = 90.0f;  // the blade from the forearm, forward
  float mouth = 0.0f;    // 0 shut, 1 wide open
  bool eyesShut = false;
  float drift = 0.0f;    // loose cloth: 0 hangs, 1 streams straight back
  // A round shield's face, turned from the viewer (0) towards the front (1); past the middle
  // it is raised before the body, else carried beside it.
  float shieldTurn = 0.0f;
};

// The pose's joints in figure space, after the spin and the support.
struct BipedJoints {
  Point pelvis, neck, head;
  float headAngle;  // direction the face looks
  std::array<Point, 2> hip, knee, ankle, heel, toe, shoulder, elbow, hand;
  Point gripBase, bladeTip;  // the weapon from the back of the grip to its point
};

BipedJoints PlaceJoints(const Style& style, const BipedPose& pose);

// Sets the hip and knee of a leg so that its ankle reaches the target, knee forward; the
// target is taken with the pelvis where the pose has it.
void ReachWithFoot(const Style& style, BipedPose& pose, int leg, Point ankle);
// The highest the pelvis may stand, where the pose has it across, for the leg to reach the
// ankle's place.
float HipsReaching(const Style& style, const BipedPose& pose, int leg, Point ankle);
// Sets the shoulder and elbow of an arm so that its hand reaches the target, elbow down.
void ReachWithHand(const Style& style, BipedPose& pose, int arm, Point hand);

// Turns the weapon so that its blade points at the angle (figure space, before the spin).
void AimBlade(BipedPose& pose, float degrees);
// The angle the blade points at, as AimBlade takes it.
float BladeAngle(const BipedPose& pose);

// The height of the ankle joint of a foot standing flat.
float AnkleHeight(const Style& style);
// How far the boot of a foot standing flat reaches in front of its ankle, and behind it.
float ToeReach(const Style& style);
float HeelReach(const Style& style);

// Earlier moments of a swing, oldest first: the blade's sweep through them is drawn as a
// fading arc behind the figure, its outer edge `reach` times as far from the hand as the
// blade's point (beyond 1 the cut reaches further than the blade).
struct Trail {
  std::vector<BipedPose> poses;
  float reach = 1.0f;
};

void DrawBiped(Drawing& drawing, const Style& style, const BipedPose& pose, Point anchor,
               const Trail& trail = {});

// A translucent sweep through the points in cell texels, wide at the newest end: the arc of
// a blade, a paw or a tail. The points run from the oldest to the newest.
void DrawSweep(Drawing& drawing, const std::vector<Point>& outer, const std::vector<Point>& inner,
               uint32_t color);

}  // namespace figures
