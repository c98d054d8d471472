// The DemoEnemy's four sheets: a stocky spearman in a maroon tunic, a dark leather cuirass and
// a steel helmet, in every cell its pool cuts, posed for the moment of the frame.

#include "DemoEnemySheet.h"

#include <map>

#include "BipedMoves.h"
#include "CharacterSheets.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "player/PlayerFrameTable.h"

namespace figures {

namespace {

const Style& Spearman() {
  static const Style style = [] {
    Style s;
    s.palette.skin = 0xFFC08A62;
    s.palette.hair = 0xFF2A2022;
    s.palette.shirt = 0xFF7E2430;
    s.palette.vest = 0xFF4A3A30;
    s.palette.trousers = 0xFF3C3F4A;
    s.palette.boots = 0xFF2E2A2A;
    s.palette.gloves = 0xFF565A62;
    s.palette.belt = 0xFF2C2018;
    s.palette.accent = 0xFFD6A236;
    s.palette.metal = 0xFFDDE3E8;
    s.palette.trim = 0xFFC49A3A;
    BipedBuild& b = s.biped;
    b.shin = 20.0f;
    b.thigh = 21.0f;
    b.torso = 27.0f;
    b.neck = 3.5f;
    b.headRadius = 9.5f;
    b.upperArm = 15.0f;
    b.forearm = 13.5f;
    b.footLength = 10.5f;
    b.heel = 2.8f;
    b.hipRadius = 9.8f;
    b.chestRadius = 12.6f;
    b.thighRadius = 6.3f;
    b.ankleRadius = 2.5f;
    b.upperArmRadius = 4.7f;
    b.wristRadius = 3.5f;
    b.handRadius = 3.8f;
    s.gear.weapon = Weapon::Spear;
    s.gear.bladeLength = 46.0f;
    s.gear.headgear = Headgear::Helmet;
    s.gear.headgearColor = 0xFF8C96A0;
    return s;
  }();
  return style;
}

// Texels from the feet up to the middle of the body the game gives it.
float BodyMiddle() { return DemoEnemy::BodySize.y / 2.0f * SpritePixelsPerUnit(); }

BipedPose Tucked(float lean, float drop = 0.0f) {
  return TuckedInAir(Spearman(), BodyMiddle(), lean, drop);
}

// The spear in the near hand at the point, aimed at the angle, the far hand further down the
// shaft by the distance.
BipedPose Grip(BipedPose pose, Point hand, float angle, float farHandBack) {
  ReachWithHand(Spearman(), pose, Near, hand);
  AimBlade(pose, angle);
  ReachWithHand(Spearman(), pose, Far, hand - Direction(angle) * farHandBack);
  return pose;
}

// ---- Poses ----

// Standing easy, the spear upright at its side.
BipedPose Ready() { return Grip(Stand(Spearman()), {11.0f, 42.0f}, 84.0f, 12.0f); }

// Running in low, the spear carried level at the hip.
BipedPose Dashing() {
  BipedPose pose = Stance(Spearman(), 28.0f, 15.0f, -20.0f, 36.0f);
  pose.foot[Far] = -30.0f;
  pose.headTilt = -20.0f;
  return Grip(pose, {14.0f, 42.0f}, 32.0f, 14.0f);
}

// Sliding back on its heels, the spear's point kept towards the front.
BipedPose BackDashing() {
  BipedPose pose = Stance(Spearman(), -14.0f, 16.0f, -8.0f, 38.0f);
  pose.foot[Near] = 20.0f;
  pose.headTilt = 10.0f;
  return Grip(pose, {8.0f, 44.0f}, 18.0f, 16.0f);
}

// Braced low, the shaft held slanting across the front in both hands to take the blow.
BipedPose Guarding() {
  BipedPose pose = Stance(Spearman(), 8.0f, 13.0f, -13.0f, 34.0f);
  pose.headTilt = -8.0f;
  return Grip(pose, {18.0f, 60.0f}, 55.0f, 26.0f);
}

// Thrown back, arms flung wide, the spear flying loose.
BipedPose GuardBrokenUp() {
  BipedPose pose = Stance(Spearman(), -22.0f, 4.0f, -8.0f, 41.0f);
  pose.headTilt = -24.0f;
  pose.eyesShut = true;
  pose.mouth = 0.8f;
  pose.hip[Near] = 40.0f;
  pose.knee[Near] = 45.0f;
  pose.foot[Near] = 10.0f;
  pose = Arm(pose, 120.0f, 30.0f, 160.0f);
  return OtherArm(pose, -50.0f, 30.0f);
}

// Doubled over, the spear's point drooping to the ground.
BipedPose GuardBrokenDown() {
  BipedPose pose = Stance(Spearman(), 32.0f, 8.0f, -8.0f, 38.0f);
  pose.headTilt = 28.0f;
  pose.eyesShut = true;
  pose.mouth = 0.3f;
  pose = Arm(pose, -10.0f, 15.0f, -35.0f);
  return OtherArm(pose, 10.0f, 20.0f);
}

BipedPose Jumping() {
  BipedPose pose = Tucked(6.0f, -7.0f);
  pose.hip = {85.0f, -10.0f};
  pose.knee = {100.0f, 25.0f};
  pose.foot = {-20.0f, -45.0f};
  return Grip(pose, {14.0f, 58.0f}, 58.0f, 14.0f);
}

BipedPose Falling() {
  BipedPose pose = Tucked(2.0f);
  pose.headTilt = 16.0f;
  pose.hip = {30.0f, -14.0f};
  pose.knee = {50.0f, 30.0f};
  pose.foot = {-15.0f, -35.0f};
  return Grip(pose, {14.0f, 50.0f}, 35.0f, 14.0f);
}

// Flat on its back, the spear fallen beside it.
BipedPose Downed() {
  BipedPose pose = Stand(Spearman());
  pose.support = Support::Body;
  pose.spin = -90.0f;
  pose.lean = 0.0f;
  pose.headTilt = -10.0f;
  pose.eyesShut = true;
  // Legs forward would point up once it lies on its back; these rest on the ground.
  pose.hip = {-2.0f, -6.0f};
  pose.knee = {4.0f, 10.0f};
  pose.foot = {10.0f, 20.0f};
  // Upright before the body is laid down, so that it lies along it.
  pose = Arm(pose, 10.0f, 15.0f, 95.0f);
  return OtherArm(pose, -20.0f, 15.0f);
}

// ---- Attacks ----

// Every joint and the spear turn the short way from one key to the next: with both hands on
// the shaft, the arms' angles jump round when the spear passes the vertical, so the spear is
// turned by its own angle.
Swing TurningShortWays(std::vector<Key> keys, float from, float to, float reach) {
  auto follow = [](float& angle, float previous) {
    while (angle - previous > 180.0f) angle -= 360.0f;
    while (angle - previous < -180.0f) angle += 360.0f;
  };
  for (size_t k = 1; k < keys.size(); ++k) {
    BipedPose& pose = keys[k].pose;
    const BipedPose& before = keys[k - 1].pose;
    for (int i = 0; i < 2; ++i) {
      follow(pose.hip[i], before.hip[i]);
      follow(pose.knee[i], before.knee[i]);
      follow(pose.shoulder[i], before.shoulder[i]);
      follow(pose.elbow[i], before.elbow[i]);
    }
  }
  return Swing{std::move(keys), from, to, reach, true};
}

// A lunge that drives the spear straight ahead, its reach far past the point.
const Swing& Thrust() {
  static const Swing swing = [] {
    const BipedPose ready =
        Grip(Stance(Spearman(), 6.0f, 9.0f, -9.0f, 43.0f), {14.0f, 46.0f}, 8.0f, 18.0f);
    BipedPose drawn =
        Grip(Stance(Spearman(), -6.0f, 11.0f, -13.0f, 41.0f), {-10.0f, 50.0f}, 4.0f, -20.0f);
    drawn.headTilt = -6.0f;
    BipedPose home =
        Grip(Stance(Spearman(), 24.0f, 27.0f, -25.0f, 34.0f), {38.0f, 54.0f}, 2.0f, 20.0f);
    home.headTilt = -22.0f;
    home.foot[Far] = -25.0f;
    return TurningShortWays({{0.0f, ready},
                             {0.28f, drawn},
                             {0.36f, drawn},
                             {0.5f, home},
                             {0.66f, home},
                             {0.86f, ready},
                             {1.0f, ready}},
                            0.38f, 0.62f, 2.2f);
  }();
  return swing;
}

// Dropped low, the spear drawn back over the shoulder and swept along the ground from behind
// to far in front (under the feet, where the ground hides it).
const Swing& LowSweep() {
  static const Swing swing = [] {
    const BipedPose crouch = Grip(Crouch(Spearman(), 0.8f), {14.0f, 34.0f}, 20.0f, 14.0f);
    const BipedPose lifted = Grip(Crouch(Spearman(), 0.9f), {4.0f, 44.0f}, 110.0f, 14.0f);
    BipedPose drawn =
        Grip(Stance(Spearman(), 30.0f, 12.0f, -14.0f, 24.0f), {-8.0f, 28.0f}, 185.0f, -14.0f);
    drawn.headTilt = -25.0f;
    BipedPose under = Grip(drawn, {6.0f, 24.0f}, 270.0f, 14.0f);
    BipedPose swept =
        Grip(Stance(Spearman(), 40.0f, 22.0f, -22.0f, 21.0f), {26.0f, 20.0f}, 356.0f, 14.0f);
    swept.headTilt = -35.0f;
    swept.foot[Far] = -30.0f;
    const BipedPose through = Grip(swept, {24.0f, 24.0f}, 20.0f, 14.0f);
    return TurningShortWays({{0.0f, crouch},
                             {0.11f, lifted},
                             {0.22f, drawn},
                             {0.32f, drawn},
                             {0.39f, under},
                             {0.46f, swept},
                             {0.62f, through},
                             {0.85f, crouch},
                             {1.0f, crouch}},
                            0.32f, 0.62f, 1.8f);
  }();
  return swing;
}

// Down low, then the spear driven straight up over the head.
const Swing& RisingThrust() {
  static const Swing swing = [] {
    const BipedPose ready = Ready();
    BipedPose low = Grip(Crouch(Spearman(), 0.6f), {6.0f, 40.0f}, 88.0f, 14.0f);
    low.headTilt = -20.0f;
    BipedPose high =
        Grip(Stance(Spearman(), -4.0f, 6.0f, -5.0f, 46.0f), {4.0f, 92.0f}, 89.0f, 16.0f);
    high.headTilt = -30.0f;
    high.foot = {-10.0f, -20.0f};
    return TurningShortWays({{0.0f, ready},
                             {0.2f, low},
                             {0.3f, low},
                             {0.45f, high},
                             {0.62f, high},
                             {0.85f, ready},
                             {1.0f, ready}},
                            0.32f, 0.6f, 1.25f);
  }();
  return swing;
}

// The spear whirled once round the body in the air.
const Swing& Whirl() {
  static const Swing swing = [] {
    auto turned = [](float degrees) {
      BipedPose pose = OtherArm(Tucked(8.0f), 20.0f, 60.0f);
      ReachWithHand(Spearman(), pose, Near, {12.0f, BodyMiddle() + 4.0f});
      AimBlade(pose, 0.0f);
      pose.weapon += degrees;
      return pose;
    };
    return Swing{{{0.0f, turned(90.0f)},
                  {0.25f, turned(60.0f)},
                  {0.85f, turned(-270.0f)},
                  {1.0f, turned(-270.0f)}},
                 0.25f,
                 0.85f,
                 1.6f};
  }();
  return swing;
}

// A level thrust in the air, knees drawn up.
const Swing& AirThrust() {
  static const Swing swing = [] {
    const BipedPose rest = Grip(Tucked(6.0f), {12.0f, 50.0f}, 30.0f, 14.0f);
    const BipedPose drawn = Grip(Tucked(-6.0f), {-10.0f, 54.0f}, 2.0f, -18.0f);
    BipedPose home = Grip(Tucked(16.0f), {34.0f, 55.0f}, 0.0f, 20.0f);
    home.headTilt = -16.0f;
    return TurningShortWays(
        {{0.0f, rest}, {0.25f, drawn}, {0.34f, drawn}, {0.46f, home}, {0.62f, home}, {1.0f, rest}},
        0.36f, 0.6f, 1.6f);
  }();
  return swing;
}

// The spear driven down beneath the feet, legs drawn up out of its way.
const Swing& DownwardStab() {
  static const Swing swing = [] {
    const BipedPose rest = Grip(Tucked(6.0f), {12.0f, 50.0f}, 30.0f, 14.0f);
    BipedPose raised = Grip(Tucked(-4.0f, -6.0f), {10.0f, 66.0f}, -90.0f, -16.0f);
    raised.headTilt = 10.0f;
    BipedPose down = Grip(Tucked(14.0f, -6.0f), {12.0f, 32.0f}, -90.0f, -16.0f);
    down.hip = {105.0f, 85.0f};
    down.knee = {125.0f, 115.0f};
    down.headTilt = 32.0f;
    return TurningShortWays(
        {{0.0f, rest}, {0.14f, raised}, {0.22f, raised}, {0.36f, down}, {0.7f, down}, {1.0f, rest}},
        0.22f, 0.46f, 1.8f);
  }();
  return swing;
}

// From the front up over the head and down behind.
const Swing& OverheadArc() {
  static const Swing swing = [] {
    const BipedPose rest = Grip(Tucked(6.0f), {12.0f, 50.0f}, 30.0f, 14.0f);
    const BipedPose front = Grip(Tucked(10.0f), {22.0f, 60.0f}, 20.0f, 14.0f);
    BipedPose up = Grip(Tucked(-4.0f), {6.0f, 92.0f}, 90.0f, 14.0f);
    up.headTilt = -30.0f;
    BipedPose back = Grip(Tucked(-12.0f), {-8.0f, 88.0f}, 150.0f, 14.0f);
    back.headTilt = -25.0f;
    return TurningShortWays(
        {{0.0f, rest}, {0.2f, front}, {0.26f, front}, {0.4f, up}, {0.55f, back}, {1.0f, rest}},
        0.26f, 0.55f, 1.8f);
  }();
  return swing;
}

// ---- Figures ----

Figure Posed(BipedPose (*pose)()) {
  return [pose](Drawing& d, Point anchor, float) { DrawBiped(d, Spearman(), pose(), anchor); };
}

Figure Swung(const Swing& swing) {
  return [&swing](Drawing& d, Point anchor, float place) {
    DrawBiped(d, Spearman(), SwingPose(swing, place), anchor, SwingTrail(swing, place));
  };
}

// Where states share cells, the first animation in the pool's table that names a cell draws it.
Figure FigureOfAnimation(int animation) {
  switch (animation) {
    case DemoEnemyDashing:
    case DemoEnemyAirDashing:
      return Posed(Dashing);
    case DemoEnemyBackDashing:
    case DemoEnemyDodging:
      return Posed(BackDashing);
    case DemoEnemyGuarding:
      return Posed(Guarding);
    case DemoEnemyGuardBreakUp:
      return Posed(GuardBrokenUp);
    case DemoEnemyGuardBreakDown:
      return Posed(GuardBrokenDown);
    case DemoEnemyJumping:
      return Posed(Jumping);
    case DemoEnemyFalling:
      return Posed(Falling);
    case DemoEnemyForwardAttacking:
      return Swung(Thrust());
    case DemoEnemyDownAttacking:
      return Swung(LowSweep());
    case DemoEnemyUpAttacking:
      return Swung(RisingThrust());
    case DemoEnemyNeutralAirAttacking:
      return Swung(Whirl());
    case DemoEnemyForwardAirAttacking:
      return Swung(AirThrust());
    case DemoEnemyDownAirAttacking:
      return Swung(DownwardStab());
    case DemoEnemyUpAirAttacking:
      return Swung(OverheadArc());
    case DemoEnemyDowned:
      return Posed(Downed);
    default:
      return Posed(Ready);
  }
}

// The pool's rows as the sheets draw them: one animation per state, frames in playing order,
// the feet where the game stands the body's bottom.
std::vector<SheetAnimation> DemoEnemyAnimations() {
  std::vector<SheetAnimation> animations;
  std::map<int, size_t> byNumber;
  for (const AnimationCell& cell : DemoEnemyAnimationPool::Cells()) {
    auto [entry, added] = byNumber.emplace(cell.animation, animations.size());
    if (added) {
      animations.push_back({cell.action, cell.texture, {}, FigureOfAnimation(cell.animation)});
    }
    const float footRow =
        static_cast<float>(cell.rect.bottom - cell.rect.top) / 2.0f + BodyMiddle();
    animations[entry->second].frames.push_back({cell.rect, cell.duration, footRow});
  }
  return animations;
}

}  // namespace

bool DrawDemoEnemySheets(const std::filesystem::path& contentFolder,
                         const std::filesystem::path& contactFolder) {
  return DrawCharacter("DemoEnemy", EnemySheetFiles(DemoEnemy::Kind),
                       DemoEnemyAnimationPool::SheetSide, DemoEnemyAnimations(), contentFolder,
                       contactFolder);
}

}  // namespace figures
