// The player's four sheets: a light-armoured adventurer with a short sword, in every cell the
// player's states cut, posed for the moment of the frame.

#include "PlayerSheet.h"

#include <algorithm>
#include <cmath>

#include "BipedMoves.h"
#include "CharacterSheets.h"
#include "player/PlayerFrameTable.h"
#include "tools/PlayerLook.h"

namespace figures {

namespace {

constexpr uint32_t SpeedLineColor = 0xFFB4CADC;
// How far inside the body's sides the boots end, in texels.
constexpr float FeetInset = 3.0f;
// The standing hips sit midway between the wide-set feet, which straight legs then reach.
constexpr float IdleHipsBack = 2.0f;
// The full crouch, feet apart (see Crouched).
constexpr Point CrouchHips{-8.0f, 30.0f};
constexpr float CrouchLean = 54.0f;

const Style& Player() {
  static const Style style = PlayerStyle();
  return style;
}

float Ankle() { return AnkleHeight(Player()); }

// The middle of the standing body, where the torso's middle is held in the air.
float BodyMiddle() { return StandingSize.y / 2.0f * SpritePixelsPerUnit(); }

// Flat feet set apart so that the toe reaches the front of a body that wide (in units) and the
// heel its back: at a ledge, where the body still stands, the player is seen standing too.
BipedPose Planted(BipedPose pose, float bodyWidth) {
  const float side = bodyWidth / 2.0f * SpritePixelsPerUnit() - FeetInset;
  const Point front{side - ToeReach(Player()), Ankle()};
  const Point back{HeelReach(Player()) - side, Ankle()};
  // Hips too high for the legs to reach so wide come down.
  pose.pelvis.y = std::min({pose.pelvis.y, HipsReaching(Player(), pose, Near, front),
                            HipsReaching(Player(), pose, Far, back)});
  ReachWithFoot(Player(), pose, Near, front);
  ReachWithFoot(Player(), pose, Far, back);
  pose.foot = {0.0f, 0.0f};
  return pose;
}

// ---- Movement ----

const Gait WalkGait{16.0f, 10.0f, 3.5f, 2.0f, 7.0f, 26.0f, 0.0f};

const Gait CrouchGait{17.0f, 9.0f, 26.0f, 1.2f, 36.0f, 12.0f, -30.0f};

BipedPose Idle() {
  BipedPose pose = Stand(Player());
  pose.pelvis.x -= IdleHipsBack;
  return Planted(pose, StandingSize.x);
}

BipedPose Walking(float place) { return Walk(Player(), WalkGait, place); }

BipedPose CrouchWalking(float place) {
  BipedPose pose = Walk(Player(), CrouchGait, place);
  pose.shoulder = {38.0f, 30.0f};
  pose.elbow = {45.0f, 55.0f};
  pose.weapon = 55.0f;
  return pose;
}

// Bending down from standing (0) to the full crouch (1), the feet apart under the crouching
// body. The hips sit back and higher than in a narrow crouch, so that the rear knee stays off
// the ground, and the torso leans further to keep the head as low; the arms hang as in a narrow
// crouch.
BipedPose Crouched(float depth) {
  const BipedPose narrow = Crouch(Player(), depth);
  const BipedPose standing = Idle();
  BipedPose pose = narrow;
  pose.pelvis = Lerp(standing.pelvis, CrouchHips, depth);
  pose.lean = Lerp(standing.lean, CrouchLean, depth);
  for (float& shoulder : pose.shoulder) shoulder += pose.lean - narrow.lean;
  return Planted(pose, CrouchingSize.x);
}

// Ducking plays from standing towards the crouch; the crouch holds the deepest.
BipedPose Ducking(float place) { return Crouched(0.25f + 0.7f * place); }
BipedPose Crouching() { return Crouched(1.0f); }

// Ducking low under a blow, arms over the head.
BipedPose Dodging() {
  BipedPose pose;
  pose.pelvis = {-2.0f, 30.0f};
  pose.lean = 48.0f;
  pose.headTilt = 8.0f;
  ReachWithFoot(Player(), pose, Near, {13.0f, Ankle()});
  ReachWithFoot(Player(), pose, Far, {-14.0f, Ankle() + 2.0f});
  pose.foot[Far] = -25.0f;
  pose.shoulder = {105.0f, 140.0f};
  pose.elbow = {80.0f, 100.0f};
  AimBlade(pose, 172.0f);
  pose.drift = 0.8f;
  return pose;
}

// A forward roll: the figure tucks into a ball, turns once over and opens again.
BipedPose Rolling(float place) {
  BipedPose tuck;
  tuck.support = Support::Body;
  tuck.pelvis = {0.0f, 30.0f};
  tuck.lean = 62.0f;
  tuck.headTilt = 40.0f;
  tuck.hip = {125.0f, 110.0f};
  tuck.knee = {145.0f, 140.0f};
  tuck.foot = {-30.0f, -30.0f};
  tuck.shoulder = {75.0f, 85.0f};
  tuck.elbow = {105.0f, 110.0f};
  tuck.weapon = 150.0f;
  tuck.drift = 0.6f;
  const float turn = std::clamp((place - 0.04f) / 0.74f, 0.0f, 1.0f);
  BipedPose pose = tuck;
  pose.spin = 360.0f * turn;
  // Opening out of the crouch at the start and back into it at the end.
  const float open = std::max(0.0f, 1.0f - turn / 0.15f) + std::max(0.0f, (turn - 0.88f) / 0.12f);
  if (open > 0.0f) {
    BipedPose crouch = Crouching();
    crouch.support = Support::Body;
    crouch.spin = pose.spin;
    pose = Blend(pose, crouch, std::min(open, 1.0f) * 0.6f);
  }
  return pose;
}

// Braced, the blade held up across the front in both hands.
BipedPose Guarding() {
  BipedPose pose;
  pose.pelvis = {-1.0f, 42.0f};
  pose.lean = 12.0f;
  pose.headTilt = -6.0f;
  ReachWithHand(Player(), pose, Near, {15.0f, 60.0f});
  ReachWithHand(Player(), pose, Far, {12.0f, 57.0f});
  AimBlade(pose, 72.0f);
  return Planted(pose, StandingSize.x);
}

// Stunned by a broken guard, hunched over, weapon drooping; also the picture of a landing, so
// the feet reach the sides of the landing's wider, lowered body.
BipedPose GuardBrokenDown() {
  BipedPose pose;
  pose.pelvis = {0.0f, 42.0f};
  pose.lean = 30.0f;
  pose.headTilt = 28.0f;
  pose.eyesShut = true;
  pose.mouth = 0.3f;
  pose.shoulder = {-6.0f, 8.0f};
  pose.elbow = {15.0f, 12.0f};
  pose.weapon = 45.0f;
  return Planted(pose, CrouchingSize.x);
}

// Thrown back by a broken guard, arms flung wide; also the picture of dying.
BipedPose GuardBrokenUp() {
  BipedPose pose;
  pose.pelvis = {-3.0f, 47.0f};
  pose.lean = -22.0f;
  pose.headTilt = -24.0f;
  pose.eyesShut = true;
  pose.mouth = 0.8f;
  ReachWithFoot(Player(), pose, Far, {-6.0f, Ankle()});
  pose.hip[Near] = 45.0f;
  pose.knee[Near] = 50.0f;
  pose.foot[Near] = 10.0f;
  pose.shoulder = {95.0f, -45.0f};
  pose.elbow = {40.0f, 30.0f};
  AimBlade(pose, 135.0f);
  pose.drift = 0.7f;
  return pose;
}

BipedPose Jumping() {
  BipedPose pose;
  pose.support = Support::Air;
  pose.pelvis = {0.0f, 56.0f};
  pose.lean = 8.0f;
  pose.hip = {88.0f, -8.0f};
  pose.knee = {100.0f, 22.0f};
  pose.foot = {-20.0f, -45.0f};
  pose.shoulder = {70.0f, 150.0f};
  pose.elbow = {55.0f, 20.0f};
  AimBlade(pose, 75.0f);
  pose.drift = 0.2f;
  return pose;
}

BipedPose Falling() {
  BipedPose pose;
  pose.support = Support::Air;
  pose.pelvis = {0.0f, 53.0f};
  pose.lean = 4.0f;
  pose.headTilt = 18.0f;
  pose.hip = {32.0f, -12.0f};
  pose.knee = {55.0f, 30.0f};
  pose.foot = {-15.0f, -35.0f};
  pose.shoulder = {90.0f, 120.0f};
  pose.elbow = {40.0f, 30.0f};
  AimBlade(pose, 55.0f);
  pose.drift = 0.5f;
  return pose;
}

// Back to a wall, sliding down it, one foot and the free hand on it. The picture is drawn
// facing away from the wall and turned round, so that the wall lies on the facing side.
BipedPose WallSliding() {
  constexpr float Wall = -29.0f;
  BipedPose pose;
  pose.support = Support::Air;
  pose.pelvis = {Wall + 11.0f, 50.0f};
  pose.lean = -4.0f;
  pose.headTilt = 25.0f;
  ReachWithHand(Player(), pose, Far, {Wall + 3.0f, 90.0f});
  ReachWithFoot(Player(), pose, Near, {Wall + 5.0f, 22.0f});
  pose.foot[Near] = -75.0f;
  pose.hip[Far] = 30.0f;
  pose.knee[Far] = 45.0f;
  pose.foot[Far] = -20.0f;
  pose.shoulder[Near] = 25.0f;
  pose.elbow[Near] = 40.0f;
  AimBlade(pose, 15.0f);
  pose.drift = 0.1f;
  return pose;
}

BipedPose Dashing() {
  BipedPose pose;
  pose.pelvis = {2.0f, 36.0f};
  pose.lean = 32.0f;
  pose.headTilt = -22.0f;
  ReachWithFoot(Player(), pose, Near, {16.0f, Ankle()});
  ReachWithFoot(Player(), pose, Far, {-24.0f, Ankle() + 5.0f});
  pose.foot[Far] = -35.0f;
  pose.shoulder = {-55.0f, 70.0f};
  pose.elbow = {20.0f, 35.0f};
  pose.weapon = 95.0f;
  pose.drift = 1.0f;
  return pose;
}

// ---- Attacks ----

BipedPose Lunge(float lean, float front, float back, float hips) {
  return Stance(Player(), lean, front, back, hips);
}

// Legs drawn up under the body in the air.
BipedPose Tucked(float lean, float drop = 0.0f) {
  return TuckedInAir(Player(), BodyMiddle(), lean, drop);
}

// A level cut from behind the shoulder to the front.
const Swing& GroundSlash() {
  static const Swing swing = [] {
    const BipedPose ready = Idle();
    BipedPose windUp = OtherArm(Lunge(-6.0f, 9.0f, -9.0f, 46.0f), 55.0f, 35.0f);
    ReachWithHand(Player(), windUp, Near, {-13.0f, 72.0f});
    AimBlade(windUp, 150.0f);
    const BipedPose cut = OtherArm(Arm(Lunge(18.0f, 17.0f, -15.0f, 42.0f), 100.0f, 0.0f, -4.0f), -40.0f, 20.0f);
    BipedPose through = OtherArm(Arm(Lunge(14.0f, 16.0f, -14.0f, 42.0f), 55.0f, 10.0f, -45.0f), -30.0f, 25.0f);
    through.drift = 0.6f;
    const BipedPose settle = Arm(Lunge(8.0f, 10.0f, -10.0f, 45.0f), 35.0f, 40.0f, -10.0f);
    return Swing{{{0.0f, ready}, {0.22f, windUp}, {0.30f, windUp}, {0.44f, cut}, {0.6f, through},
                  {0.8f, settle}, {1.0f, ready}},
                 0.3f, 0.6f};
  }();
  return swing;
}

// From low behind the body up over the head.
const Swing& RisingSlash() {
  static const Swing swing = [] {
    const BipedPose ready = Idle();
    const BipedPose low = OtherArm(Arm(Lunge(22.0f, 11.0f, -9.0f, 38.0f), -35.0f, 20.0f, -150.0f), 40.0f, 40.0f);
    BipedPose high = OtherArm(Arm(Lunge(-8.0f, 7.0f, -5.0f, 50.0f), 172.0f, 4.0f, 92.0f), 20.0f, 20.0f);
    high.headTilt = -25.0f;
    high.foot = {-15.0f, -25.0f};
    BipedPose over = OtherArm(Arm(Lunge(-12.0f, 7.0f, -5.0f, 49.0f), 205.0f, 20.0f, 150.0f), 10.0f, 25.0f);
    over.headTilt = -20.0f;
    const BipedPose settle = Arm(Lunge(5.0f, 8.0f, -8.0f, 46.0f), 60.0f, 60.0f, 40.0f);
    return Swing{{{0.0f, ready}, {0.22f, low}, {0.3f, low}, {0.44f, high}, {0.6f, over}, {0.8f, settle},
                  {1.0f, ready}},
                 0.3f, 0.6f};
  }();
  return swing;
}

// Crouched low, a sweep along the ground in front.
const Swing& LowSweep() {
  static const Swing swing = [] {
    const BipedPose crouch = Crouching();
    BipedPose drawn = OtherArm(Arm(Lunge(32.0f, 10.0f, -10.0f, 24.0f), 5.0f, 35.0f, 160.0f), 60.0f, 50.0f);
    drawn.headTilt = -30.0f;
    BipedPose cut = OtherArm(Arm(Lunge(45.0f, 22.0f, -22.0f, 20.0f), 118.0f, 0.0f, -6.0f), -30.0f, 30.0f);
    cut.headTilt = -40.0f;
    cut.foot[Far] = -30.0f;
    BipedPose through = OtherArm(Arm(Lunge(42.0f, 21.0f, -21.0f, 20.0f), 90.0f, 5.0f, -40.0f), -20.0f, 30.0f);
    through.headTilt = -38.0f;
    return Swing{{{0.0f, crouch}, {0.22f, drawn}, {0.3f, drawn}, {0.44f, cut}, {0.62f, through},
                  {0.85f, crouch}, {1.0f, crouch}},
                 0.3f, 0.62f, 2.2f};
  }();
  return swing;
}

// A level cut in the air, knees drawn up.
const Swing& AirSlash() {
  static const Swing swing = [] {
    const BipedPose rest = Arm(Tucked(5.0f), 40.0f, 50.0f, 30.0f);
    const BipedPose windUp = OtherArm(Arm(Tucked(-4.0f), -94.0f, 20.0f, 172.0f), 60.0f, 40.0f);
    const BipedPose cut = OtherArm(Arm(Tucked(14.0f), 100.0f, 0.0f, -4.0f), -40.0f, 20.0f);
    const BipedPose through = OtherArm(Arm(Tucked(10.0f), 55.0f, 10.0f, -45.0f), -30.0f, 25.0f);
    return Swing{{{0.0f, rest}, {0.22f, windUp}, {0.3f, windUp}, {0.44f, cut}, {0.6f, through},
                  {1.0f, rest}},
                 0.3f, 0.6f};
  }();
  return swing;
}

// A somersault with the blade held out, cutting on every side.
const Swing& SpinSlash() {
  static const Swing swing = [] {
    auto turned = [](float spin) {
      BipedPose pose = OtherArm(Arm(Tucked(30.0f), 80.0f, 90.0f, 110.0f), 70.0f, 80.0f);
      pose.hip = {110.0f, 95.0f};
      pose.knee = {130.0f, 125.0f};
      pose.spin = spin;
      return pose;
    };
    BipedPose rest = turned(0.0f);
    return Swing{{{0.0f, rest}, {0.2f, turned(-30.0f)}, {0.9f, turned(330.0f)}, {1.0f, turned(360.0f)}},
                 0.22f, 0.9f};
  }();
  return swing;
}

// From the front up over the head and back.
const Swing& OverheadArc() {
  static const Swing swing = [] {
    const BipedPose rest = Arm(Tucked(5.0f), 40.0f, 50.0f, 30.0f);
    const BipedPose front = OtherArm(Arm(Tucked(10.0f), 45.0f, 75.0f, 20.0f), 30.0f, 40.0f);
    BipedPose up = OtherArm(Arm(Tucked(-4.0f), 170.0f, 0.0f, 90.0f), 20.0f, 30.0f);
    up.headTilt = -30.0f;
    BipedPose back = OtherArm(Arm(Tucked(-10.0f), 215.0f, 10.0f, 150.0f), 10.0f, 30.0f);
    back.headTilt = -25.0f;
    return Swing{{{0.0f, rest}, {0.22f, front}, {0.3f, front}, {0.44f, up}, {0.6f, back}, {1.0f, rest}},
                 0.3f, 0.6f};
  }();
  return swing;
}

// From the front down under the feet, knees drawn up out of the way.
const Swing& DownwardArc() {
  static const Swing swing = [] {
    const BipedPose rest = Arm(Tucked(5.0f), 40.0f, 50.0f, 30.0f);
    BipedPose raised = OtherArm(Arm(Tucked(-5.0f), 125.0f, 75.0f, 95.0f), 40.0f, 40.0f);
    BipedPose down = OtherArm(Arm(Tucked(20.0f, 10.0f), 20.0f, 0.0f, -92.0f), -20.0f, 30.0f);
    down.hip = {100.0f, 80.0f};
    down.knee = {120.0f, 110.0f};
    down.headTilt = 30.0f;
    BipedPose under = OtherArm(Arm(Tucked(22.0f, 10.0f), 10.0f, 5.0f, -100.0f), -20.0f, 30.0f);
    under.hip = {100.0f, 80.0f};
    under.knee = {120.0f, 110.0f};
    under.headTilt = 30.0f;
    return Swing{{{0.0f, rest}, {0.22f, raised}, {0.3f, raised}, {0.44f, down}, {0.6f, under}, {1.0f, rest}},
                 0.3f, 0.6f, 0.85f};
  }();
  return swing;
}

// ---- Figures ----

Figure Posed(BipedPose (*pose)()) {
  return [pose](Drawing& d, Point anchor, float) { DrawBiped(d, Player(), pose(), anchor); };
}

Figure Moving(BipedPose (*pose)(float)) {
  return [pose](Drawing& d, Point anchor, float place) {
    DrawBiped(d, Player(), pose(place), anchor);
  };
}

Figure Swung(const Swing& swing) {
  return [&swing](Drawing& d, Point anchor, float place) {
    DrawBiped(d, Player(), SwingPose(swing, place), anchor, SwingTrail(swing, place));
  };
}

Figure Dash() {
  return [](Drawing& d, Point anchor, float) {
    // Streaks behind the runner.
    for (int k = 0; k < 3; ++k) {
      const float y = 30.0f + 16.0f * k;
      const float x = -22.0f - 6.0f * (k % 2);
      d.Add(Capsule{ToCell(anchor, {x - 22.0f, y}), ToCell(anchor, {x, y}), 0.6f, 1.3f},
            Paint{SpeedLineColor, SpeedLineColor, 0.0f, 0.85f, false});
    }
    DrawBiped(d, Player(), Dashing(), anchor);
  };
}

// The figure of each state of the player's table. Where states share cells, the first state
// in table order that names a cell draws it.
Figure FigureOfState(PlayerStateSlot slot) {
  switch (slot) {
    case SlotWalking: case SlotSpeakWalking: return Moving(Walking);
    case SlotDucking: case SlotStanding: return Moving(Ducking);
    case SlotCrouching: return Posed(Crouching);
    case SlotDodging: return Posed(Dodging);
    case SlotCrouchWalking: return Moving(CrouchWalking);
    case SlotRolling: case SlotRollRecovering: return Moving(Rolling);
    case SlotGuarding: return Posed(Guarding);
    case SlotGuardBreak1Up: case SlotGuardBreak2Up: case SlotGuardBreak3Up: case SlotDying:
    case SlotRespawning:
      return Posed(GuardBrokenUp);
    case SlotGuardBreak1Down: case SlotGuardBreak2Down: case SlotGuardBreak3Down: case SlotLanding:
      return Posed(GuardBrokenDown);
    case SlotGroundJumping: case SlotAirJumping: case SlotWallJumping: case SlotAscending:
      return Posed(Jumping);
    case SlotFalling: case SlotGodModing: return Posed(Falling);
    case SlotWallSliding:
      return [](Drawing& d, Point anchor, float) {
        DrawBiped(d, Player(), WallSliding(), anchor);
        d.Mirror(anchor.x);
      };
    case SlotGroundDashing: case SlotAirDashing: return Dash();
    case SlotGroundAttacking1: case SlotGroundDashAttacking: return Swung(GroundSlash());
    case SlotUpAttacking: return Swung(RisingSlash());
    case SlotDownAttacking: return Swung(LowSweep());
    case SlotNeutralAirAttacking: return Swung(SpinSlash());
    case SlotForwardAirAttacking: return Swung(AirSlash());
    case SlotUpAirAttacking: return Swung(OverheadArc());
    case SlotDownAirAttacking: return Swung(DownwardArc());
    case SlotIdling: case SlotSpeaking: case SlotStill: case PlayerStateCount: break;
  }
  return Posed(Idle);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The player's table as the sheets draw it: each state's frames, feet where the game puts them.
std::vector<SheetAnimation> PlayerAnimations() {
  std::vector<SheetAnimation> animations;
  for (const PlayerStatePlan& state : PlayerStatePlans()) {
    SheetAnimation animation{Narrow(state.displayName), state.sheet, {}, FigureOfState(state.slot)};
    for (const PlayerFramePlan& frame : state.frames) {
      animation.frames.push_back({frame.cell, frame.duration, FootLineInCell(state, frame.cell)});
    }
    animations.push_back(std::move(animation));
  }
  return animations;
}

}  // namespace

bool DrawPlayerSheets(const std::filesystem::path& contentFolder,
                      const std::filesystem::path& contactFolder) {
  return DrawCharacter("Player",
                       {"Textures/Characters/Player/mainAnimations9.png",
                        "Textures/Characters/Player/attackAnimationAtlas1.png",
                        "Textures/Characters/Player/attackAnimationAtlas2.png",
                        "Textures/Characters/Player/attackAnimationAtlas3.png"},
                       PlayerSheetSide, PlayerAnimations(), contentFolder, contactFolder);
}

}  // namespace figures
