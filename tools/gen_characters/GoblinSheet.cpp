// The goblins' sheets: a small, hunched, green-skinned goblin with long ears, a hooked nose
// and a notched cleaver. The plain sheet shows it without its round wooden shield, the
// shielded sheet with it; the guard raises the shield on either sheet, because the game's
// shield volumes stand before the goblin while it guards. The DemoGoblin, a training goblin in
// padded red with a wooden blade, has cells of its own on the plain sheet.

#include "GoblinSheet.h"

#include "BipedMoves.h"
#include "CharacterSheets.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "player/PlayerFrameTable.h"

namespace figures {

namespace {

constexpr uint32_t MarkColor = 0xFFF2C232;   // the alarm mark and a dizzy goblin's stars
constexpr uint32_t SparkColor = 0xFFFBE7A2;  // a blow glancing off the shield
// The blur of a spinning cut and its crisp outer edge.
constexpr uint32_t WhirlColor = 0xFFB4D4EE;
constexpr uint32_t WhirlEdgeColor = 0xFF7FA6C8;
// The game stands the shield's volumes this many screen pixels at depth 0, which are texels of
// the sheet, ahead of the body's centre and above it.
constexpr float ShieldAhead = 30.0f;
constexpr float ShieldAbove = 4.0f;
// A raised shield shows little more than its rim and boss.
constexpr float RaisedTurn = 0.85f;
constexpr int TrailSteps = 6;
constexpr int WhirlSteps = 10;

float BodyMiddle() { return Goblin::BodyHeight / 2.0f * SpritePixelsPerUnit(); }

// Where the game has the raised shield's middle, above the feet.
Point RaisedShield() { return {ShieldAhead, BodyMiddle() + ShieldAbove}; }

// Green and bare-armed in a leather jerkin and cap, small, with a big head.
Style GoblinStyle(bool shield) {
  constexpr uint32_t Skin = 0xFF7AA83E;
  Style style;
  style.palette = {.skin = Skin, .hair = 0xFF4C3A26, .eye = 0xFF2A160C, .shirt = Skin,
                   .vest = 0xFF7C5C36, .trousers = 0xFF5C4830, .boots = 0xFF6A9434,
                   .gloves = 0xFF6E5238, .belt = 0xFF463220, .metal = 0xFFABA79C,
                   .trim = 0xFF8E7A50};
  style.biped = {.shin = 17.0f, .thigh = 17.0f, .torso = 24.0f, .neck = 3.0f,
                 .headRadius = 10.0f, .upperArm = 13.5f, .forearm = 12.5f, .footLength = 11.0f,
                 .hipRadius = 7.6f, .chestRadius = 9.2f, .thighRadius = 4.5f, .ankleRadius = 3.0f,
                 .upperArmRadius = 3.3f, .wristRadius = 2.6f, .handRadius = 3.2f};
  Gear& g = style.gear;
  g.weapon = Weapon::Cleaver;
  g.bladeLength = 22.0f;
  g.pointedEars = true;
  g.earReach = 12.0f;
  g.noseSize = 1.9f;
  g.shield = shield;
  g.shieldShape = ShieldShape::Round;
  g.shieldColor = 0xFF8E6538;
  g.shieldRadius = Goblin::ShieldHeight / 2.0f * SpritePixelsPerUnit();
  return style;
}

const Style& Bare() {
  static const Style style = GoblinStyle(false);
  return style;
}

const Style& Shielded() {
  static const Style style = GoblinStyle(true);
  return style;
}

Style TrainingStyle() {
  Style style = GoblinStyle(false);
  Palette& c = style.palette;
  c.skin = 0xFF8FA6B4;
  c.shirt = c.skin;
  c.boots = 0xFF7E94A2;
  c.hair = 0xFF3E4A6A;
  c.vest = 0xFFB8483A;
  c.trousers = 0xFF4E5670;
  c.gloves = 0xFF8A6A44;
  c.metal = 0xFFB08452;  // a wooden practice blade
  return style;
}

const Style& Training() {
  static const Style style = TrainingStyle();
  return style;
}

// ---- Standing about ----

// Hunched on bent knees, head thrust up, the cleaver held low before it.
BipedPose Idle() {
  BipedPose pose = Stance(Bare(), 14.0f, 7.0f, -6.0f, 33.0f);
  pose.headTilt = -12.0f;
  pose = OtherArm(Arm(pose, 30.0f, 55.0f, 15.0f), -8.0f, 25.0f);
  return pose;
}

// The pose with the far hand holding the shield's middle there, its face turned so far.
BipedPose Holding(BipedPose pose, Point shield, float turn) {
  ReachWithHand(Shielded(), pose, Far, shield);
  pose.shieldTurn = turn;
  return pose;
}

// The shield hangs from the far hand beside it, its face to the viewer.
BipedPose IdleWithShield() { return Holding(Idle(), {-4.0f, 36.0f}, 0.2f); }

const Gait Shuffle{11.0f, 7.0f, 4.0f, 2.0f, 14.0f, 22.0f, -10.0f};

BipedPose Walking(float place) { return Walk(Bare(), Shuffle, place); }

// Startled from the front: back on its heels, arms flung up, mouth wide.
BipedPose Startled() {
  BipedPose pose = Stance(Bare(), -12.0f, 9.0f, -8.0f, 35.0f);
  pose.headTilt = -16.0f;
  pose.mouth = 0.9f;
  return OtherArm(Arm(pose, 125.0f, 40.0f, 110.0f), 95.0f, 35.0f);
}

BipedPose StartledWithShield() { return Holding(Startled(), {16.0f, 50.0f}, 0.6f); }

// Spun round towards a noise behind it (the picture is turned): crouched, blade up.
BipedPose Wary() {
  BipedPose pose = Stance(Bare(), 22.0f, 10.0f, -10.0f, 30.0f);
  pose.headTilt = -22.0f;
  pose.mouth = 0.5f;
  return OtherArm(Arm(pose, 70.0f, 60.0f, 80.0f), 40.0f, 50.0f);
}

BipedPose WaryWithShield() { return Holding(Wary(), {22.0f, 44.0f}, 0.7f); }

// Kicking in the air, arms flung up; also the picture of a guard broken upwards.
BipedPose Flailing() {
  BipedPose pose;
  pose.support = Support::Air;
  pose.lean = -6.0f;
  pose.pelvis = {0.0f, BodyMiddle() - Bare().biped.torso * 0.45f};
  pose.headTilt = -15.0f;
  pose.mouth = 0.9f;
  pose.hip = {35.0f, -10.0f};
  pose.knee = {65.0f, 35.0f};
  pose.foot = {-15.0f, -30.0f};
  return OtherArm(Arm(pose, 105.0f, 30.0f, 60.0f), 70.0f, 40.0f);
}

BipedPose FlailingWithShield() { return Holding(Flailing(), {-14.0f, 62.0f}, 0.3f); }

// Flat on its back, arms flung out, the cleaver dropped beside it.
BipedPose Slain() {
  BipedPose pose;
  pose.support = Support::Body;
  pose.pelvis = {0.0f, 40.0f};
  pose.spin = -90.0f;
  pose.headTilt = 60.0f;  // the chin on the chest, so the ears lie along the ground
  pose.eyesShut = true;
  pose.mouth = 0.5f;
  pose.hip = {25.0f, 8.0f};
  pose.knee = {40.0f, 15.0f};
  pose.foot = {20.0f, 10.0f};
  return OtherArm(Arm(pose, 140.0f, 20.0f, 120.0f), 100.0f, 30.0f);
}

// ---- Behind the shield ----

// The shield raised before the goblin with its middle there, the cleaver's hand there and its
// blade aimed so.
BipedPose Raised(BipedPose pose, Point shield, Point hand, float blade) {
  pose = Holding(pose, shield, RaisedTurn);
  ReachWithHand(Shielded(), pose, Near, hand);
  AimBlade(pose, blade);
  return pose;
}

// Crouched behind the raised shield, the cleaver ready over its rim.
BipedPose Guard() {
  BipedPose pose = Stance(Shielded(), 22.0f, 11.0f, -11.0f, 31.0f);
  pose.headTilt = -18.0f;
  return Raised(pose, RaisedShield(), {5.0f, 60.0f}, 70.0f);
}

// The guard kept over short shuffling steps.
BipedPose GuardedStep(float place) {
  static const Gait GuardShuffle{7.0f, 4.0f, 5.0f, 1.0f, 20.0f, 0.0f, -18.0f};
  return Raised(Walk(Shielded(), GuardShuffle, place), RaisedShield(), {5.0f, 60.0f}, 70.0f);
}

BipedPose BackingAway(float place) { return GuardedStep(1.0f - place); }

// Rocked back as a blow lands on the shield, eyes screwed shut.
BipedPose Blocked() {
  BipedPose pose = Stance(Shielded(), 8.0f, 12.0f, -14.0f, 31.0f);
  pose.headTilt = -4.0f;
  pose.eyesShut = true;
  pose.mouth = 0.4f;
  return Raised(pose, RaisedShield() - Point{2.0f, 0.0f}, {0.0f, 57.0f}, 100.0f);
}

BipedPose Pushing(float lean, float front, float back, float hips, Point shield) {
  BipedPose pose = Stance(Shielded(), lean, front, back, hips);
  pose.headTilt = -20.0f;
  return Raised(pose, shield, shield + Point{-24.0f, 12.0f}, 55.0f);
}

// Gathering behind the shield, then the shove that strikes, held, and back to the guard.
BipedPose PushBrace() { return Pushing(26.0f, 9.0f, -13.0f, 28.0f, {24.0f, 44.0f}); }
BipedPose PushShove() {
  BipedPose pose = Pushing(30.0f, 19.0f, -18.0f, 30.0f, {42.0f, 47.0f});
  pose.mouth = 0.7f;
  return pose;
}
BipedPose PushHeld() { return Pushing(26.0f, 17.0f, -15.0f, 31.0f, {37.0f, 47.0f}); }

// ---- The cleaver ----

// The plain swing: a wind-up, a whirl that spins the blade all round the goblin, and a
// dizzy moment after it.
BipedPose SwingReady() {
  BipedPose pose = Stance(Bare(), 18.0f, 9.0f, -9.0f, 32.0f);
  pose.headTilt = -14.0f;
  pose.mouth = 0.3f;
  return OtherArm(Arm(pose, 60.0f, 70.0f, 120.0f), 20.0f, 40.0f);
}

BipedPose SwingWindUp() {
  BipedPose pose = Stance(Bare(), 4.0f, 8.0f, -10.0f, 34.0f);
  pose.headTilt = -10.0f;
  pose.mouth = 0.5f;
  ReachWithHand(Bare(), pose, Near, {-8.0f, 66.0f});
  AimBlade(pose, 165.0f);
  return OtherArm(pose, 60.0f, 30.0f);
}

BipedPose SwingCoiled() {
  BipedPose pose = Stance(Bare(), -8.0f, 10.0f, -12.0f, 33.0f);
  pose.headTilt = -20.0f;
  pose.mouth = 0.8f;
  ReachWithHand(Bare(), pose, Near, {-18.0f, 50.0f});
  AimBlade(pose, -160.0f);
  return OtherArm(pose, 80.0f, 20.0f);
}

BipedPose SpinStart() {
  BipedPose pose = Stance(Bare(), 22.0f, 18.0f, -14.0f, 31.0f);
  pose.headTilt = -18.0f;
  pose.mouth = 0.8f;
  return OtherArm(Arm(pose, 95.0f, 5.0f, 5.0f), -40.0f, 30.0f);
}

BipedPose SpinAround() {
  BipedPose pose = Stance(Bare(), 10.0f, 10.0f, -10.0f, 33.0f);
  pose.headTilt = -5.0f;
  pose.mouth = 0.8f;
  return OtherArm(Arm(pose, 95.0f, 0.0f, 0.0f), -60.0f, 20.0f);
}

BipedPose SpinEnd() {
  BipedPose pose = Stance(Bare(), 20.0f, 16.0f, -14.0f, 31.0f);
  pose.headTilt = -15.0f;
  pose.mouth = 0.6f;
  return OtherArm(Arm(pose, 90.0f, 0.0f, -5.0f), -50.0f, 20.0f);
}

BipedPose Dizzy() {
  BipedPose pose = Stance(Bare(), -6.0f, 6.0f, -8.0f, 33.0f);
  pose.headTilt = 14.0f;
  pose.eyesShut = true;
  pose.mouth = 0.4f;
  return OtherArm(Arm(pose, -5.0f, 10.0f, -80.0f), 30.0f, 60.0f);
}

// The swing behind the shield: an overhead chop over its rim, and a thrust past it.
BipedPose BehindShield(float lean, float front, float back, float hips, Point hand, float blade) {
  BipedPose pose = Stance(Shielded(), lean, front, back, hips);
  pose.headTilt = -16.0f;
  return Raised(pose, RaisedShield() - Point{4.0f, 0.0f}, hand, blade);
}

BipedPose ChopRaised() { return BehindShield(12.0f, 10.0f, -11.0f, 32.0f, {-6.0f, 74.0f}, 150.0f); }
BipedPose ChopFalling() {
  BipedPose pose = BehindShield(20.0f, 13.0f, -12.0f, 31.0f, {14.0f, 74.0f}, 60.0f);
  pose.mouth = 0.7f;
  return pose;
}
BipedPose ChopThrough() {
  return BehindShield(26.0f, 14.0f, -12.0f, 30.0f, {26.0f, 52.0f}, -40.0f);
}
BipedPose ThrustDrawn() { return BehindShield(6.0f, 10.0f, -12.0f, 33.0f, {-12.0f, 52.0f}, 0.0f); }
BipedPose Thrust() {
  BipedPose pose = BehindShield(28.0f, 22.0f, -16.0f, 29.0f, {34.0f, 55.0f}, 0.0f);
  pose.mouth = 0.7f;
  return pose;
}
BipedPose RisingCut() { return BehindShield(22.0f, 20.0f, -15.0f, 30.0f, {30.0f, 72.0f}, 70.0f); }

// ---- Marks drawn with the figure ----

Point HeadOf(const Style& style, const BipedPose& pose) { return PlaceJoints(style, pose).head; }

// An exclamation mark behind the head, clear of a raised blade.
void DrawAlarm(Drawing& d, Point anchor, Point head) {
  const Point foot = head + Point{-16.0f, 8.0f};
  d.Add(Part{{Stroke(anchor, foot + Point{0.0f, 5.0f}, foot + Point{1.5f, 15.0f}, 1.5f, 2.3f),
              Dot(anchor, foot, 1.8f)},
             Painted(MarkColor, 1.0f)});
}

Polygon Star(Point anchor, Point center, float radius) {
  Polygon star{{}, 0.3f};
  for (int k = 0; k < 10; ++k) {
    const float reach = k % 2 == 0 ? radius : radius * 0.45f;
    star.corners.push_back(ToCell(anchor, center + Direction(90.0f + 36.0f * k) * reach));
  }
  return star;
}

void DrawStars(Drawing& d, Point anchor, Point head) {
  for (Point at : {Point{-9.0f, 14.0f}, Point{2.0f, 18.0f}, Point{11.0f, 13.0f}}) {
    d.Add(Star(anchor, head + at, 3.2f), Painted(MarkColor, 0.8f));
  }
}

// Short rays from where a blow struck.
void DrawSpark(Drawing& d, Point anchor, Point at) {
  Part spark{{}, Painted(SparkColor, 0.8f)};
  for (float degrees : {-50.0f, -10.0f, 25.0f, 60.0f}) {
    const Point ray = Direction(degrees);
    spark.pieces.push_back(Stroke(anchor, at + ray * 2.0f, at + ray * 11.0f, 1.7f, 0.6f));
  }
  d.Add(spark);
}

// The blur of the blade spinning round the goblin, a flat ring at the height of its cut seen
// from the side: the far half is drawn behind the figure, the near half before it.
constexpr Point WhirlMiddle{5.0f, 60.0f};
constexpr Point WhirlOuter{112.0f, 26.0f};
constexpr Point WhirlInner{70.0f, 14.0f};

void DrawWhirl(Drawing& d, Point anchor, float from, float to) {
  std::vector<Point> outer, inner;
  for (int k = 0; k <= WhirlSteps; ++k) {
    const Point way = Direction(Lerp(from, to, static_cast<float>(k) / WhirlSteps));
    outer.push_back(
        ToCell(anchor, WhirlMiddle + Point{way.x * WhirlOuter.x, way.y * WhirlOuter.y}));
    inner.push_back(
        ToCell(anchor, WhirlMiddle + Point{way.x * WhirlInner.x, way.y * WhirlInner.y}));
  }
  DrawSweep(d, outer, inner, WhirlColor);
  // A crisp edge that thickens towards the blade.
  Part edge{{}, Paint{WhirlEdgeColor, WhirlEdgeColor, 0.0f, 0.85f, false}};
  for (int k = 0; k < WhirlSteps; ++k) {
    const float width = 0.4f + 1.2f * static_cast<float>(k + 1) / WhirlSteps;
    edge.pieces.push_back(Capsule{outer[k], outer[k + 1], width - 0.12f, width});
  }
  d.Add(edge);
}

// ---- Figures ----

using Pose = BipedPose (*)();
using Motion = BipedPose (*)(float);

Figure Posed(const Style& style, Pose pose) {
  return [&style, pose](Drawing& d, Point anchor, float) { DrawBiped(d, style, pose(), anchor); };
}

Figure Moving(const Style& style, Motion pose) {
  return [&style, pose](Drawing& d, Point anchor, float place) {
    DrawBiped(d, style, pose(place), anchor);
  };
}

// Alarmed, with the mark over its head; alarmed from behind, it has turned round.
Figure Alerted(const Style& style, Pose pose, bool fromBehind) {
  return [&style, pose, fromBehind](Drawing& d, Point anchor, float) {
    DrawBiped(d, style, pose(), anchor);
    DrawAlarm(d, anchor, HeadOf(style, pose()));
    if (fromBehind) d.Mirror(anchor.x);
  };
}

// The blade's trail from the earlier pose to this one.
Figure Cutting(const Style& style, Pose from, Pose to, float reach) {
  return [&style, from, to, reach](Drawing& d, Point anchor, float) {
    Trail trail;
    trail.reach = reach;
    for (int k = 0; k < TrailSteps; ++k) {
      trail.poses.push_back(Blend(from(), to(), static_cast<float>(k) / TrailSteps));
    }
    DrawBiped(d, style, to(), anchor, trail);
  };
}

Figure Blocking() {
  return [](Drawing& d, Point anchor, float) {
    DrawBiped(d, Shielded(), Blocked(), anchor);
    DrawSpark(d, anchor, RaisedShield() + Point{Shielded().gear.shieldRadius * 0.5f, 8.0f});
  };
}

Figure Whirling(const Style& style) {
  return [&style](Drawing& d, Point anchor, float) {
    DrawWhirl(d, anchor, 10.0f, 170.0f);
    Drawing figure;
    DrawBiped(figure, style, SpinAround(), anchor);
    figure.Mirror(anchor.x);
    for (const Part& part : figure.Parts()) d.Add(part);
    DrawWhirl(d, anchor, 190.0f, 350.0f);
  };
}

Figure SpinEnding(const Style& style) {
  return [&style](Drawing& d, Point anchor, float) {
    DrawBiped(d, style, SpinEnd(), anchor);
    DrawWhirl(d, anchor, 200.0f, 345.0f);
  };
}

Figure Reeling(const Style& style) {
  return [&style](Drawing& d, Point anchor, float) {
    DrawBiped(d, style, Dizzy(), anchor);
    DrawStars(d, anchor, HeadOf(style, Dizzy()));
  };
}

// The plain swing, frame by frame; the fourth and fifth frames play the second and the first
// again.
Figure SpinSlash(const Style& style, std::span<const AnimationCell> cells, int animation) {
  const Figure ready = Posed(style, SwingReady);
  const Figure windUp = Posed(style, SwingWindUp);
  return FrameByFrame(cells, animation,
                      {ready, windUp, Posed(style, SwingCoiled), windUp, ready,
                       Cutting(style, SwingCoiled, SpinStart, 1.5f), Whirling(style),
                       SpinEnding(style), Reeling(style)});
}

Figure GoblinFigure(int animation) {
  const std::span<const AnimationCell> cells = GoblinAnimationPool::Cells();
  switch (animation) {
    case GoblinIdlingWithShield:
      return Posed(Shielded(), IdleWithShield);
    case GoblinIdleWalking:
    case GoblinIdleWalkingWithShield:
      return Moving(Bare(), Walking);
    case GoblinFalling:
      return Posed(Bare(), Flailing);
    case GoblinFallingWithShield:
      return Posed(Shielded(), FlailingWithShield);
    case GoblinDead:
      return Posed(Bare(), Slain);
    case GoblinBackAlerted:
      return Alerted(Bare(), Wary, true);
    case GoblinFrontAlerted:
      return Alerted(Bare(), Startled, false);
    case GoblinBackAlertedWithShield:
      return Alerted(Shielded(), WaryWithShield, true);
    case GoblinFrontAlertedWithShield:
      return Alerted(Shielded(), StartledWithShield, false);
    case GoblinGuarding:
      return Posed(Shielded(), Guard);
    case GoblinForwardGuardWalking:
      return Moving(Shielded(), GuardedStep);
    case GoblinBackwardGuardWalking:
      return Moving(Shielded(), BackingAway);
    case GoblinBlocking:
      return Blocking();
    case GoblinShieldPushing:
      return FrameByFrame(cells, animation,
                          {Posed(Shielded(), PushBrace), Posed(Shielded(), PushShove),
                           Posed(Shielded(), PushHeld), Posed(Shielded(), Guard)});
    case GoblinAttacking:
      return SpinSlash(Bare(), cells, animation);
    case GoblinAttackingWithShield: {
      const Figure raised = Posed(Shielded(), ChopRaised);
      const Figure falling = Cutting(Shielded(), ChopRaised, ChopFalling, 1.2f);
      return FrameByFrame(
          cells, animation,
          {raised, falling, Cutting(Shielded(), ChopFalling, ChopThrough, 1.2f), falling, raised,
           Posed(Shielded(), ThrustDrawn), Cutting(Shielded(), ThrustDrawn, Thrust, 1.0f),
           Cutting(Shielded(), Thrust, RisingCut, 1.2f), Posed(Shielded(), Guard)});
    }
    default:
      return Posed(Bare(), Idle);
  }
}

// The DemoGoblin has no shield: a broken guard leaves it reeling.
Figure DemoGoblinFigure(int animation) {
  switch (animation) {
    case DemoGoblinIdleWalking:
      return Moving(Training(), Walking);
    case DemoGoblinFalling:
      return Posed(Training(), Flailing);
    case DemoGoblinDead:
      return Posed(Training(), Slain);
    case DemoGoblinBackAlerted:
      return Alerted(Training(), Wary, true);
    case DemoGoblinFrontAlerted:
      return Alerted(Training(), Startled, false);
    case DemoGoblinAttacking:
      return SpinSlash(Training(), DemoGoblinAnimationPool::Cells(), animation);
    case DemoGoblinGuardBreakUp:
      return Reeling(Training());
    default:
      return Posed(Training(), Idle);
  }
}

float DemoGoblinFeet(int animation) {
  const platform::Vector3& body =
      animation == DemoGoblinDead ? DemoGoblin::DeadSize : DemoGoblin::StandingSize;
  return body.y / 2.0f * SpritePixelsPerUnit();
}

}  // namespace

bool DrawGoblinSheets(const std::filesystem::path& contentFolder,
                      const std::filesystem::path& contactFolder) {
  std::vector<SheetAnimation> animations =
      EnemyAnimations(GoblinAnimationPool::Cells(), GoblinFigure, [](int) { return BodyMiddle(); });
  for (SheetAnimation& animation :
       EnemyAnimations(DemoGoblinAnimationPool::Cells(), DemoGoblinFigure, DemoGoblinFeet)) {
    animations.push_back(std::move(animation));
  }
  return DrawCharacter("Goblins", EnemySheetFiles(Goblin::Kind), GoblinAnimationPool::SheetSide,
                       animations, contentFolder, contactFolder);
}

}  // namespace figures
