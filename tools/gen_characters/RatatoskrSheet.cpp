// The Ratatoskr's sheet: a small russet squirrel with a bushy tail, in every cell its
// animation pool cuts, posed for what its state does.

#include "RatatoskrSheet.h"

#include "CharacterSheets.h"
#include "Quadruped.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "player/PlayerFrameTable.h"

namespace figures {

namespace {

Style RatatoskrStyle() {
  Style style;
  style.palette.fur = 0xFFB5562A;
  style.palette.belly = 0xFFEED6AE;
  style.palette.eye = 0xFF1A1414;
  style.quadruped.spine = 22.0f;
  style.quadruped.tailSegment = 8.0f;
  style.quadruped.headRadius = 8.5f;
  style.quadruped.snout = 7.5f;
  style.gear.tailSegments = 5;
  return style;
}

const Style& Squirrel() {
  static const Style style = RatatoskrStyle();
  return style;
}

// The height of the middle of the body above its feet, where an airborne pose is held.
float BodyMiddle() { return Ratatoskr::BodyHeight / 2.0f * SpritePixelsPerUnit(); }

// On all fours, head up, the tail curled over the back.
QuadrupedPose Idle() {
  QuadrupedPose pose;
  pose.pitch = 8.0f;
  pose.hip = {62.0f, 58.0f};
  pose.knee = {150.0f, 150.0f};
  pose.shoulder = {12.0f, 4.0f};
  pose.elbow = {8.0f, 10.0f};
  pose.neck = 42.0f;
  pose.headTilt = 6.0f;
  pose.tailRise = 72.0f;
  pose.tailCurl = -26.0f;
  return pose;
}

// Sitting up on its haunches, fore paws at the chest, looking about.
QuadrupedPose Cautious() {
  QuadrupedPose pose;
  pose.pitch = 62.0f;
  pose.hip = {22.0f, 18.0f};
  pose.knee = {160.0f, 160.0f};
  pose.shoulder = {70.0f, 62.0f};
  pose.elbow = {105.0f, 110.0f};
  pose.neck = 5.0f;
  pose.headTilt = 52.0f;
  pose.tailRise = 55.0f;
  pose.tailCurl = -30.0f;
  return pose;
}

// Startled from behind: up on stiff legs, the tail bristling, looking back.
QuadrupedPose BackAlerted() {
  QuadrupedPose pose;
  pose.pitch = -4.0f;
  pose.hip = {18.0f, 8.0f};
  pose.knee = {55.0f, 45.0f};
  pose.shoulder = {-5.0f, 8.0f};
  pose.neck = 55.0f;
  pose.headTilt = -10.0f;
  pose.lookBack = true;
  pose.tailRise = 95.0f;
  pose.tailCurl = -6.0f;
  pose.tailFluff = 1.35f;
  return pose;
}

// Startled from the front: rearing back with the fore paws up, chattering.
QuadrupedPose FrontAlerted() {
  QuadrupedPose pose;
  pose.pitch = 38.0f;
  pose.hip = {40.0f, 34.0f};
  pose.knee = {140.0f, 140.0f};
  pose.shoulder = {85.0f, 70.0f};
  pose.elbow = {40.0f, 50.0f};
  pose.neck = 15.0f;
  pose.headTilt = 30.0f;
  pose.jaw = 0.6f;
  pose.ears = 0.3f;
  pose.tailRise = 105.0f;
  pose.tailCurl = -8.0f;
  pose.tailFluff = 1.35f;
  return pose;
}

// The bound: stretched out at 0, gathered with the hind feet past the fore paws at 0.5.
QuadrupedPose Bounding(float place) {
  QuadrupedPose pose;
  const bool stretched = place < 0.5f;
  pose.pitch = stretched ? -4.0f : 12.0f;
  pose.hip = stretched ? std::array<float, 2>{-55.0f, -40.0f} : std::array<float, 2>{95.0f, 85.0f};
  pose.knee = stretched ? std::array<float, 2>{40.0f, 50.0f} : std::array<float, 2>{130.0f, 125.0f};
  pose.hindFoot = stretched ? std::array<float, 2>{-50.0f, -40.0f} : std::array<float, 2>{0.0f, 5.0f};
  pose.shoulder = stretched ? std::array<float, 2>{75.0f, 60.0f} : std::array<float, 2>{-45.0f, -30.0f};
  pose.elbow = stretched ? std::array<float, 2>{-10.0f, 0.0f} : std::array<float, 2>{35.0f, 30.0f};
  pose.neck = stretched ? 20.0f : 35.0f;
  pose.headTilt = stretched ? 5.0f : 15.0f;
  pose.ears = 0.5f;
  pose.tailRise = stretched ? 40.0f : 60.0f;
  pose.tailCurl = stretched ? 6.0f : -14.0f;
  return pose;
}

QuadrupedPose Hurt() {
  QuadrupedPose pose = Idle();
  pose.pitch = 22.0f;
  pose.shoulder = {55.0f, 45.0f};
  pose.elbow = {45.0f, 50.0f};
  pose.neck = 20.0f;
  pose.headTilt = -10.0f;
  pose.eyesShut = true;
  pose.jaw = 0.6f;
  pose.ears = 1.0f;
  pose.tailRise = 65.0f;
  pose.tailCurl = -12.0f;
  pose.tailFluff = 1.2f;
  return pose;
}

// On its back, legs in the air, the tail lying flat.
QuadrupedPose Dead() {
  QuadrupedPose pose;
  pose.support = Support::Body;
  pose.spin = 180.0f;
  pose.hip = {30.0f, 5.0f};
  pose.knee = {60.0f, 40.0f};
  pose.hindFoot = {-20.0f, -20.0f};
  pose.shoulder = {20.0f, -10.0f};
  pose.elbow = {20.0f, 30.0f};
  pose.neck = 10.0f;
  pose.eyesShut = true;
  pose.jaw = 0.3f;
  pose.ears = 0.6f;
  pose.tailRise = -15.0f;
  pose.tailCurl = 6.0f;
  return pose;
}

// Pressed low with the hind legs coiled, about to spring; also braking after a leap.
QuadrupedPose Coiled() {
  QuadrupedPose pose;
  pose.pitch = -8.0f;
  pose.hip = {78.0f, 72.0f};
  pose.knee = {162.0f, 160.0f};
  pose.shoulder = {35.0f, 25.0f};
  pose.elbow = {-30.0f, -20.0f};
  pose.neck = 25.0f;
  pose.headTilt = 5.0f;
  pose.ears = 0.6f;
  pose.tailRise = 25.0f;
  pose.tailCurl = -4.0f;
  return pose;
}

// Flying at its prey, stretched from nose to tail, jaws open.
QuadrupedPose Leaping() {
  QuadrupedPose pose;
  pose.support = Support::Air;
  pose.pitch = 18.0f;
  pose.hips = {-10.0f, BodyMiddle() - 4.0f};
  pose.hip = {-70.0f, -55.0f};
  pose.knee = {25.0f, 30.0f};
  pose.hindFoot = {-70.0f, -60.0f};
  pose.shoulder = {105.0f, 95.0f};
  pose.elbow = {-15.0f, -5.0f};
  pose.neck = 5.0f;
  pose.headTilt = 12.0f;
  pose.jaw = 0.8f;
  pose.ears = 0.8f;
  pose.tailRise = 0.0f;
  pose.tailCurl = 8.0f;
  return pose;
}

// Legs spread, the tail up like a sail.
QuadrupedPose Falling() {
  QuadrupedPose pose;
  pose.support = Support::Air;
  pose.hips = {-11.0f, BodyMiddle() - 2.0f};
  pose.pitch = 5.0f;
  pose.hip = {35.0f, 15.0f};
  pose.knee = {45.0f, 40.0f};
  pose.hindFoot = {-35.0f, -30.0f};
  pose.shoulder = {60.0f, 40.0f};
  pose.elbow = {20.0f, 25.0f};
  pose.neck = 30.0f;
  pose.headTilt = 25.0f;
  pose.ears = 0.3f;
  pose.tailRise = 110.0f;
  pose.tailCurl = -12.0f;
  pose.tailFluff = 1.2f;
  return pose;
}

// The bite: a lunge with the jaws opening, the snap, and a shake of the head.
QuadrupedPose Biting(float place) {
  QuadrupedPose pose = Coiled();
  pose.hip = {20.0f, 10.0f};
  pose.knee = {70.0f, 60.0f};
  pose.hindFoot = {-20.0f, -10.0f};
  pose.shoulder = {60.0f, 50.0f};
  pose.elbow = {10.0f, 20.0f};
  pose.ears = 0.9f;
  pose.tailRise = 45.0f;
  pose.tailCurl = -10.0f;
  const int step = static_cast<int>(place * 5.0f);
  switch (step) {
    case 0:  // lunging, jaws parting
      pose.pitch = 4.0f;
      pose.neck = 10.0f;
      pose.headTilt = 10.0f;
      pose.jaw = 0.4f;
      break;
    case 1:  // jaws wide, head thrust forward
      pose.pitch = 14.0f;
      pose.neck = 5.0f;
      pose.headTilt = -8.0f;
      pose.jaw = 1.0f;
      break;
    case 2:  // the snap
      pose.pitch = 10.0f;
      pose.neck = 0.0f;
      pose.headTilt = 5.0f;
      pose.jaw = 0.0f;
      pose.tailCurl = -20.0f;
      break;
    default:  // shaking the catch
      pose.pitch = 6.0f;
      pose.neck = 25.0f;
      pose.headTilt = 28.0f;
      pose.jaw = 0.15f;
      pose.tailRise = 70.0f;
      pose.tailCurl = -25.0f;
      break;
  }
  return pose;
}

Figure Posed(QuadrupedPose (*pose)()) {
  return [pose](Drawing& d, Point anchor, float) { DrawQuadruped(d, Squirrel(), pose(), anchor); };
}

Figure Moving(QuadrupedPose (*pose)(float)) {
  return [pose](Drawing& d, Point anchor, float place) {
    DrawQuadruped(d, Squirrel(), pose(place), anchor);
  };
}

// Where states share cells, the first animation in the pool's table that names a cell draws it.
Figure FigureOfAnimation(int animation) {
  switch (animation) {
    case RatatoskrDead: return Posed(Dead);
    case RatatoskrCautious: return Posed(Cautious);
    case RatatoskrRunning: case RatatoskrLuring: return Moving(Bounding);
    case RatatoskrBackAlerted: return Posed(BackAlerted);
    case RatatoskrFrontAlerted: return Posed(FrontAlerted);
    case RatatoskrAttackPrepping: case RatatoskrSkidding: return Posed(Coiled);
    case RatatoskrJumpAttacking: case RatatoskrGroundAttacking: return Posed(Leaping);
    case RatatoskrHurt: return Posed(Hurt);
    case RatatoskrFalling: return Posed(Falling);
    case RatatoskrAttacking: return Moving(Biting);
    default: return Posed(Idle);
  }
}

}  // namespace

bool DrawRatatoskrSheet(const std::filesystem::path& contentFolder,
                        const std::filesystem::path& contactFolder) {
  return DrawCharacter("Ratatoskr", EnemySheetFiles(Ratatoskr::Kind),
                       RatatoskrAnimationPool::SheetSide,
                       EnemyAnimations(RatatoskrAnimationPool::Cells(), FigureOfAnimation,
                                       [](int) { return BodyMiddle(); }),
                       contentFolder, contactFolder);
}

}  // namespace figures
