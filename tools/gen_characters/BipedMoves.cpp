#include "BipedMoves.h"

#include <cmath>

namespace figures {

namespace {

constexpr float Pi = 3.14159265f;
// Feet stand this far in front of and behind the hips at rest.
constexpr float StanceNear = 5.0f;
constexpr float StanceFar = -4.0f;
constexpr float CrouchHipHeight = 22.0f;
// How far back a swing's trail reaches, as a share of the attack.
constexpr float TrailSpan = 0.22f;
constexpr int TrailSteps = 6;

float ToeLength(const Style& style) { return style.biped.footLength - style.biped.heel; }

// Where a foot of the walk is at its own moment of the cycle (0 to 1, landing at 0).
Point StepFoot(const Gait& gait, float ankle, float moment) {
  moment -= std::floor(moment);
  if (moment < 0.5f) return {Lerp(gait.stride, -gait.stride, moment / 0.5f), ankle};
  const float swing = (moment - 0.5f) / 0.5f;
  return {Lerp(-gait.stride, gait.stride, Smooth(swing)), ankle + gait.lift * std::sin(Pi * swing)};
}

// The toe drops as the foot leaves the ground and rises as it reaches forward.
float StepPitch(float moment) {
  moment -= std::floor(moment);
  if (moment < 0.4f) return 0.0f;
  if (moment < 0.5f) return -40.0f * (moment - 0.4f) / 0.1f;
  const float swing = (moment - 0.5f) / 0.5f;
  return Lerp(-40.0f, 12.0f, swing);
}

// The weapon's angle at a moment of keyed motion, eased the short way from key to key.
float ShortWayAngle(const std::vector<Key>& keys, float place) {
  if (place <= keys.front().at) return BladeAngle(keys.front().pose);
  for (size_t i = 1; i < keys.size(); ++i) {
    if (place > keys[i].at) continue;
    const float from = BladeAngle(keys[i - 1].pose);
    float to = BladeAngle(keys[i].pose);
    while (to - from > 180.0f) to -= 360.0f;
    while (to - from < -180.0f) to += 360.0f;
    return Lerp(from, to, Smooth((place - keys[i - 1].at) / (keys[i].at - keys[i - 1].at)));
  }
  return BladeAngle(keys.back().pose);
}

}  // namespace

float StandingHipHeight(const Style& style) {
  const BipedBuild& b = style.biped;
  return AnkleHeight(style) + b.shin + b.thigh - 1.0f;
}

BipedPose Stand(const Style& style) {
  BipedPose pose;
  pose.pelvis = {0.0f, StandingHipHeight(style) - 1.5f};
  pose.lean = 3.0f;
  const float ankle = AnkleHeight(style);
  ReachWithFoot(style, pose, Near, {StanceNear, ankle});
  ReachWithFoot(style, pose, Far, {StanceFar, ankle});
  pose.shoulder = {18.0f, -8.0f};
  pose.elbow = {48.0f, 22.0f};
  pose.weapon = 75.0f;
  return pose;
}

BipedPose Walk(const Style& style, const Gait& gait, float place) {
  BipedPose pose;
  const float ankle = AnkleHeight(style);
  // Highest while one leg passes under the body, lowest as the weight changes feet.
  const float rise = 0.5f - 0.5f * std::cos(4.0f * Pi * (place - 0.25f) + Pi);
  pose.pelvis = {0.0f, StandingHipHeight(style) - gait.hipDrop - gait.bob * (1.0f - rise)};
  pose.lean = gait.lean;
  pose.headTilt = gait.headTilt;
  for (int leg = 0; leg < 2; ++leg) {
    const float moment = place + (leg == Near ? 0.0f : 0.5f);
    const float pitch = StepPitch(moment);
    Point target = StepFoot(gait, ankle, moment);
    // A foot rolling onto its toes lifts its ankle, so that the toes stay above the ground.
    if (pitch < 0.0f) target.y += ToeLength(style) * std::sin(-pitch / DegreesPerRadian);
    ReachWithFoot(style, pose, leg, target);
    pose.foot[leg] = pitch;
  }
  // Arms swing against the legs; the weapon arm less, to keep the blade steady.
  const float swing = std::cos(2.0f * Pi * place);
  pose.shoulder = {20.0f + 0.35f * gait.armSwing * swing, -5.0f - gait.armSwing * swing};
  pose.elbow = {50.0f, 25.0f + 10.0f * swing};
  pose.weapon = 72.0f;
  pose.drift = 0.35f;
  return pose;
}

BipedPose Crouch(const Style& style, float depth) {
  BipedPose pose = Stand(style);
  const float ankle = AnkleHeight(style);
  pose.pelvis = {-2.0f * depth, Lerp(pose.pelvis.y, CrouchHipHeight, depth)};
  pose.lean = Lerp(pose.lean, 38.0f, depth);
  pose.headTilt = Lerp(0.0f, -32.0f, depth);
  ReachWithFoot(style, pose, Near, {Lerp(StanceNear, 9.0f, depth), ankle});
  ReachWithFoot(style, pose, Far, {Lerp(StanceFar, -7.0f, depth), ankle});
  pose.shoulder = {Lerp(18.0f, 40.0f, depth), Lerp(-8.0f, 25.0f, depth)};
  pose.elbow = {Lerp(48.0f, 40.0f, depth), Lerp(22.0f, 50.0f, depth)};
  pose.weapon = Lerp(75.0f, 60.0f, depth);
  return pose;
}

BipedPose Stance(const Style& style, float lean, float front, float back, float hips) {
  BipedPose pose;
  pose.pelvis = {0.0f, hips};
  pose.lean = lean;
  ReachWithFoot(style, pose, Near, {front, AnkleHeight(style)});
  ReachWithFoot(style, pose, Far, {back, AnkleHeight(style)});
  return pose;
}

BipedPose Arm(BipedPose pose, float shoulder, float elbow, float blade) {
  pose.shoulder[Near] = shoulder;
  pose.elbow[Near] = elbow;
  AimBlade(pose, blade);
  return pose;
}

BipedPose OtherArm(BipedPose pose, float shoulder, float elbow) {
  pose.shoulder[Far] = shoulder;
  pose.elbow[Far] = elbow;
  return pose;
}

BipedPose Blend(const BipedPose& from, const BipedPose& to, float amount) {
  BipedPose pose = amount < 0.5f ? from : to;
  pose.pelvis = Lerp(from.pelvis, to.pelvis, amount);
  pose.lean = Lerp(from.lean, to.lean, amount);
  pose.spin = Lerp(from.spin, to.spin, amount);
  pose.headTilt = Lerp(from.headTilt, to.headTilt, amount);
  for (int i = 0; i < 2; ++i) {
    pose.hip[i] = Lerp(from.hip[i], to.hip[i], amount);
    pose.knee[i] = Lerp(from.knee[i], to.knee[i], amount);
    pose.foot[i] = Lerp(from.foot[i], to.foot[i], amount);
    pose.shoulder[i] = Lerp(from.shoulder[i], to.shoulder[i], amount);
    pose.elbow[i] = Lerp(from.elbow[i], to.elbow[i], amount);
  }
  pose.weapon = Lerp(from.weapon, to.weapon, amount);
  pose.mouth = Lerp(from.mouth, to.mouth, amount);
  pose.drift = Lerp(from.drift, to.drift, amount);
  pose.shieldTurn = Lerp(from.shieldTurn, to.shieldTurn, amount);
  return pose;
}

BipedPose Keyed(const std::vector<Key>& keys, float place) {
  if (place <= keys.front().at) return keys.front().pose;
  for (size_t i = 1; i < keys.size(); ++i) {
    if (place <= keys[i].at) {
      const float span = keys[i].at - keys[i - 1].at;
      return Blend(keys[i - 1].pose, keys[i].pose, Smooth((place - keys[i - 1].at) / span));
    }
  }
  return keys.back().pose;
}

BipedPose SwingPose(const Swing& swing, float place) {
  BipedPose pose = Keyed(swing.keys, place);
  if (swing.weaponTurnsShortWay) AimBlade(pose, ShortWayAngle(swing.keys, place));
  return pose;
}

Trail SwingTrail(const Swing& swing, float place) {
  Trail trail;
  trail.reach = swing.reach;
  if (place <= swing.from || place >= swing.to + TrailSpan) return trail;
  const float start = std::max(swing.from, place - TrailSpan);
  for (int k = 0; k < TrailSteps; ++k) {
    trail.poses.push_back(SwingPose(swing, Lerp(start, place, static_cast<float>(k) / TrailSteps)));
  }
  return trail;
}

BipedPose TuckedInAir(const Style& style, float middle, float lean, float drop) {
  BipedPose pose;
  pose.support = Support::Air;
  pose.pelvis = {0.0f,
                 middle - style.biped.torso / 2.0f * std::cos(lean / DegreesPerRadian) - drop};
  pose.lean = lean;
  pose.hip = {75.0f, 50.0f};
  pose.knee = {95.0f, 85.0f};
  pose.foot = {-25.0f, -35.0f};
  pose.drift = 0.4f;
  return pose;
}

}  // namespace figures
