#include "Biped.h"

namespace figures {

namespace {

constexpr float FarSideShade = 0.8f;
// The far shoulder and hip sit a little behind the near ones.
constexpr float FarJointDepth = 1.5f;
// How far the grip reaches behind the hand, and where the blade begins in front of it.
constexpr float GripBehind = 5.0f;
constexpr float BladeStart = 4.5f;
constexpr uint32_t SweepColor = 0xFFC8E6FA;
constexpr uint32_t MouthColor = 0xFF6E2422;
constexpr float RaisedShieldTilt = 4.0f;  // degrees, its top back towards the bearer
constexpr int ShieldCorners = 24;
constexpr uint32_t StaffWood = 0xFF8A6238;
constexpr float BootCuff = 1.2f;  // the boot round the ankle, against the ankle's radius
constexpr float ToeTaper = 0.8f;  // the toe's radius, against the ankle's
// A leg stretched out to its end is this much short of its full length.
constexpr float LegSlack = 0.05f;

float Normalized(float degrees) {
  while (degrees > 180.0f) degrees -= 360.0f;
  while (degrees <= -180.0f) degrees += 360.0f;
  return degrees;
}

float DownAngle(const BipedPose& pose) { return -90.0f - pose.lean; }
Point Forward(const BipedPose& pose) { return Direction(-pose.lean); }

// Joint roots before the spin and the support.
Point HipJoint(const BipedPose& pose, int leg) {
  return leg == Near ? pose.pelvis : pose.pelvis - Forward(pose) * FarJointDepth;
}

Point ShoulderJoint(const BipedBuild& build, const BipedPose& pose, int arm) {
  const Point up = Direction(90.0f - pose.lean);
  const Point shoulder = pose.pelvis + up * (build.torso - build.chestRadius * 0.45f);
  return arm == Near ? shoulder : shoulder - Forward(pose) * FarJointDepth;
}

// A spear is held along its shaft, a staff at its middle; a sword, dagger or hammer by its
// short grip.
float GripLength(const Gear& gear) {
  switch (gear.weapon) {
    case Weapon::Spear: return gear.bladeLength * 0.7f;
    case Weapon::Staff: return gear.bladeLength * 0.5f;
    default: return GripBehind;
  }
}

float BladeLength(const Gear& gear) {
  switch (gear.weapon) {
    case Weapon::None: return 0.0f;
    case Weapon::Dagger:
    case Weapon::Staff: return gear.bladeLength * 0.5f;
    default: return gear.bladeLength;
  }
}

// Every point of the joints, for moving them together.
template <typename F>
void ForEachPoint(BipedJoints& j, F f) {
  for (Point* p : {&j.pelvis, &j.neck, &j.head, &j.gripBase, &j.bladeTip}) f(*p);
  for (int i = 0; i < 2; ++i) {
    for (Point* p : {&j.hip[i], &j.knee[i], &j.ankle[i], &j.heel[i], &j.toe[i], &j.shoulder[i],
                     &j.elbow[i], &j.hand[i]}) {
      f(*p);
    }
  }
}

// The point of a pointed ear, which reaches back from the head.
Point EarTip(const Style& s, const BipedJoints& j) {
  const float r = s.biped.headRadius;
  return j.head + Direction(j.headAngle + 175.0f) * (r * 0.3f) +
         Direction(j.headAngle + 160.0f) * (r + s.gear.earReach);
}

// The lowest point the figure would rest on, for the support.
float LowestPoint(const Style& s, const BipedJoints& j, Support support) {
  const BipedBuild& b = s.biped;
  float lowest = 1e9f;
  auto consider = [&lowest](Point p, float radius) { lowest = std::min(lowest, p.y - radius); };
  for (int i = 0; i < 2; ++i) {
    consider(j.heel[i], b.ankleRadius);
    consider(j.toe[i], b.ankleRadius * ToeTaper);
    // A knee lower than the feet kneels on the ground.
    consider(j.knee[i], b.thighRadius * 0.85f);
  }
  if (support == Support::Feet) return lowest;
  consider(j.head, b.headRadius);
  if (s.gear.pointedEars) consider(EarTip(s, j), 0.0f);
  consider(j.pelvis, b.hipRadius);
  consider(j.neck, b.chestRadius);
  consider(j.bladeTip, 0.0f);
  for (int i = 0; i < 2; ++i) {
    consider(j.elbow[i], b.upperArmRadius);
    consider(j.hand[i], b.handRadius);
  }
  return lowest;
}

void DrawLeg(Drawing& d, const Style& s, const BipedJoints& j, int i, Point anchor, float shade) {
  const BipedBuild& b = s.biped;
  const Palette& c = s.palette;
  d.Add(Part{{Stroke(anchor, j.hip[i], j.knee[i], b.thighRadius, b.thighRadius * 0.85f),
              Stroke(anchor, j.knee[i], j.ankle[i], b.thighRadius * 0.85f, b.ankleRadius * 1.1f)},
             Painted(Scaled(c.trousers, shade), b.outline)});
  // The cuff ends a little above the ankle, so that it reaches no lower than the sole.
  const Point cuff = j.ankle[i] + (j.knee[i] - j.ankle[i]) * (b.ankleRadius * (BootCuff - 1.0f) /
                                                             Length(j.knee[i] - j.ankle[i]));
  d.Add(Part{{Stroke(anchor, Lerp(j.knee[i], j.ankle[i], 0.4f), cuff, b.ankleRadius * 1.3f,
                     b.ankleRadius * BootCuff),
              Stroke(anchor, j.heel[i], j.toe[i], b.ankleRadius, b.ankleRadius * ToeTaper)},
             Painted(Scaled(c.boots, shade), b.outline)});
}

void DrawArm(Drawing& d, const Style& s, const BipedJoints& j, int i, Point anchor, float shade) {
  const BipedBuild& b = s.biped;
  const Palette& c = s.palette;
  d.Add(Part{{Stroke(anchor, j.shoulder[i], j.elbow[i], b.upperArmRadius, b.upperArmRadius * 0.9f),
              Stroke(anchor, j.elbow[i], j.hand[i], b.upperArmRadius * 0.9f, b.wristRadius)},
             Painted(Scaled(c.shirt, shade), b.outline)});
  d.Add(Stroke(anchor, Lerp(j.elbow[i], j.hand[i], 0.45f), j.hand[i], b.wristRadius * 1.2f,
               b.wristRadius * 1.15f),
        Painted(Scaled(c.gloves, shade), b.outline));
}

void DrawHand(Drawing& d, const Style& s, const BipedJoints& j, int i, Point anchor, float shade) {
  d.Add(Dot(anchor, j.hand[i], s.biped.handRadius),
        Painted(Scaled(s.palette.gloves, shade), s.biped.outline));
}

// A crude chopping blade: a straight back, an edge that widens towards the squared end, and a
// notch hacked into it.
void DrawCleaver(Drawing& d, const Style& s, Point base, Point tip, Point anchor) {
  const Point along = (tip - base) * (1.0f / Length(tip - base));
  const Point across{-along.y, along.x};
  auto at = [&](float share, float side) { return Lerp(base, tip, share) + across * side; };
  d.Add(Shape(anchor,
              {at(0.0f, 1.8f), at(1.0f, 2.2f), at(0.94f, -5.2f), at(0.62f, -4.0f),
               at(0.55f, -2.6f), at(0.48f, -3.5f), at(0.0f, -2.2f)},
              0.4f),
        Painted(s.palette.metal, s.biped.outline));
  d.Add(Stroke(anchor, at(0.12f, 0.6f), at(0.9f, 0.9f), 0.5f, 0.5f),
        Flat(Scaled(s.palette.metal, 0.75f)));
}

void DrawWeapon(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  const Gear& g = s.gear;
  if (g.weapon == Weapon::None) return;
  const Palette& c = s.palette;
  const float w = s.biped.outline;
  const Point hand = j.hand[Near];
  const Point along = (j.bladeTip - j.gripBase) * (1.0f / Length(j.bladeTip - j.gripBase));
  const Point across{-along.y, along.x};
  if (g.weapon == Weapon::Staff) {
    d.Add(Stroke(anchor, j.gripBase, j.bladeTip, 1.5f, 1.9f), Painted(StaffWood, w));
    d.Add(Dot(anchor, j.bladeTip, 2.8f), Painted(c.trim, w));
    return;
  }
  if (g.weapon == Weapon::Hammer) {
    d.Add(Stroke(anchor, j.gripBase, j.bladeTip, 1.5f, 1.7f), Painted(StaffWood, w));
    const Point head = j.bladeTip - along * 2.0f;
    d.Add(Shape(anchor,
                {head + across * 6.5f + along * 3.5f, head - across * 5.0f + along * 3.5f,
                 head - across * 5.0f - along * 3.5f, head + across * 6.5f - along * 3.5f},
                0.8f),
          Painted(c.metal, w));
    return;
  }
  if (g.weapon == Weapon::Spear) {
    d.Add(Stroke(anchor, j.gripBase, j.bladeTip - along * 9.0f, 1.7f, 1.7f), Painted(c.vest, w));
    const Point base = j.bladeTip - along * 10.0f;
    d.Add(Shape(anchor, {base + across * 3.0f, j.bladeTip, base - across * 3.0f}, 0.4f),
          Painted(c.metal, w));
    return;
  }
  d.Add(Stroke(anchor, j.gripBase, hand + along * 3.0f, 1.6f, 1.6f), Painted(c.belt, w));
  d.Add(Dot(anchor, j.gripBase, 2.2f), Painted(c.trim, w));
  if (g.weapon == Weapon::Cleaver) {
    DrawCleaver(d, s, hand + along * 2.5f, j.bladeTip, anchor);
    return;
  }
  const Point base = hand + along * BladeStart;
  const float half = g.weapon == Weapon::Dagger ? 1.8f : 2.3f;
  const Point shoulder = j.bladeTip - along * 5.0f;
  d.Add(Shape(anchor,
              {base + across * half, shoulder + across * (half * 0.85f), j.bladeTip,
               shoulder - across * (half * 0.85f), base - across * half},
              0.3f),
        Painted(c.metal, w));
  const Point guard = hand + along * 3.5f;
  d.Add(Stroke(anchor, guard + across * 5.0f, guard - across * 5.0f, 1.7f, 1.7f),
        Painted(c.trim, w));
}

// A strip of cloth from the back of the neck, blown back as far as the drift says; the
// wrap round the neck is drawn over the torso, the loose end behind everything.
void DrawScarfEnd(Drawing& d, const Style& s, const BipedPose& pose, const BipedJoints& j,
                  Point anchor) {
  const Point back = (j.pelvis - j.neck) * (1.0f / Length(j.pelvis - j.neck));
  // Hanging it falls down the back; streaming it flies straight behind, with a ripple.
  float hang = AngleOf(back) - 25.0f;
  if (hang > 0.0f) hang -= 360.0f;
  const float angle = Lerp(hang, -172.0f, pose.drift);
  Part scarf{{}, Painted(s.palette.accent, s.biped.outline)};
  Point from = j.neck + back * 3.0f - Direction(AngleOf(back) - 90.0f) * 2.0f;
  float radius = 3.2f;
  for (int k = 0; k < 3; ++k) {
    const float ripple = (k % 2 == 0 ? 12.0f : -12.0f) * pose.drift;
    const Point to = from + Direction(angle + ripple) * 7.5f;
    scarf.pieces.push_back(Stroke(anchor, from, to, radius, radius * 0.82f));
    radius *= 0.82f;
    from = to;
  }
  d.Add(scarf);
}

void DrawScarfWrap(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  const Point up = (j.neck - j.pelvis) * (1.0f / Length(j.neck - j.pelvis));
  const Point across{up.y, -up.x};
  const Point middle = j.neck + up * 1.5f;
  d.Add(Stroke(anchor, middle - across * 4.5f, middle + across * 4.0f, 3.2f, 3.0f),
        Painted(s.palette.accent, s.biped.outline));
}

// A sack slung on the back; its strap crosses the chest over the jerkin.
void DrawSack(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  const BipedBuild& b = s.biped;
  const Point up = (j.neck - j.pelvis) * (1.0f / Length(j.neck - j.pelvis));
  const Point front{up.y, -up.x};
  const Point middle = Lerp(j.pelvis, j.neck, 0.55f) - front * (b.chestRadius * 0.95f);
  d.Add(Part{{Dot(anchor, middle, b.chestRadius * 0.95f),
              Stroke(anchor, middle, middle + up * (b.chestRadius * 1.25f), b.chestRadius * 0.5f,
                     b.chestRadius * 0.25f)},
             Painted(s.gear.sackColor, b.outline)});
}

void DrawSackStrap(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  const BipedBuild& b = s.biped;
  const Point up = (j.neck - j.pelvis) * (1.0f / Length(j.neck - j.pelvis));
  const Point front{up.y, -up.x};
  d.Add(Stroke(anchor, j.neck - up * (b.chestRadius * 0.4f) - front * (b.chestRadius * 0.5f),
               j.pelvis + up * 5.0f + front * (b.hipRadius * 0.8f), 1.3f, 1.3f),
        Painted(s.palette.belt, b.outline * 0.8f));
}

// A skirt hangs from below the belt and flares over both legs to the hem.
void DrawSkirt(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  const BipedBuild& b = s.biped;
  const float share = s.gear.skirt;
  const Point up = (j.neck - j.pelvis) * (1.0f / Length(j.neck - j.pelvis));
  const Point front{up.y, -up.x};
  auto alongLeg = [&](int i) {
    const float reach = share * (b.thigh + b.shin);
    if (reach <= b.thigh) return Lerp(j.hip[i], j.knee[i], reach / b.thigh);
    return Lerp(j.knee[i], j.ankle[i], std::min(1.0f, (reach - b.thigh) / b.shin));
  };
  const Point nearHem = alongLeg(Near);
  const Point farHem = alongLeg(Far);
  const Point apart = nearHem - farHem;
  const bool nearLeads = apart.x * front.x + apart.y * front.y >= 0.0f;
  const float flare = b.thighRadius * 1.1f + 3.0f * share;
  const Point waist = j.pelvis + up * 1.0f;
  d.Add(Shape(anchor,
              {waist + front * b.hipRadius, (nearLeads ? nearHem : farHem) + front * flare,
               (nearLeads ? farHem : nearHem) - front * flare, waist - front * b.hipRadius},
              1.5f),
        Painted(s.gear.skirtColor, b.outline));
}

// A chain that starts at the hips, curls up and widens towards its middle.
void DrawBipedTail(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  Part tail{{}, Painted(s.palette.hair, s.biped.outline)};
  Point from = j.pelvis - (j.neck - j.pelvis) * 0.05f;
  float angle = AngleOf(j.pelvis - j.neck) - 60.0f;
  for (int k = 0; k < s.gear.tailSegments; ++k) {
    const Point to = from + Direction(angle) * 6.0f;
    tail.pieces.push_back(Stroke(anchor, from, to, 2.5f + k * 0.3f, 2.5f + (k + 1) * 0.3f));
    from = to;
    angle -= 25.0f;
  }
  d.Add(tail);
}

// A round shield held at its middle by the far hand: planks inside an iron rim, a boss in the
// middle, foreshortened as its face turns towards the front; raised, it leans back a little.
void DrawRoundShield(Drawing& d, const Style& s, const BipedPose& pose, const BipedJoints& j,
                     Point anchor) {
  const Gear& g = s.gear;
  const float w = s.biped.outline;
  const float r = g.shieldRadius;
  const float across = r * (1.0f - 0.65f * pose.shieldTurn);
  const float tilt = RaisedShieldTilt * pose.shieldTurn;
  const Point center = j.hand[Far];
  auto onFace = [&](float x, float y) { return center + Rotated(Point{x * across, y * r}, tilt); };
  auto ellipse = [&](float scale) {
    Polygon outline{{}, 0.0f};
    for (int k = 0; k < ShieldCorners; ++k) {
      const Point p = Direction(360.0f * static_cast<float>(k) / ShieldCorners) * scale;
      outline.corners.push_back(ToCell(anchor, onFace(p.x, p.y)));
    }
    return outline;
  };
  d.Add(ellipse(1.0f), Painted(s.palette.metal, w));
  d.Add(ellipse(0.84f), Painted(g.shieldColor, w * 0.8f));
  for (float x : {-0.42f, 0.0f, 0.42f}) {
    const float reach = 0.84f * std::sqrt(1.0f - x * x / (0.84f * 0.84f));
    d.Add(Stroke(anchor, onFace(x + 0.05f, reach - 0.04f), onFace(x + 0.05f, 0.04f - reach), 0.45f,
                 0.45f),
          Flat(Scaled(g.shieldColor, 0.6f)));
  }
  // The boss stands out from the face, so it shows nearer the front the more the face turns.
  const Point boss = onFace(0.35f * pose.shieldTurn, 0.0f);
  d.Add(Dot(anchor, boss, r * 0.24f), Painted(s.palette.metal, w));
}

bool ShieldInFront(const Style& s, const BipedPose& pose) {
  return s.gear.shieldShape == ShieldShape::Heater || pose.shieldTurn >= 0.5f;
}

void DrawShield(Drawing& d, const Style& s, const BipedPose& pose, const BipedJoints& j,
                Point anchor) {
  if (s.gear.shieldShape == ShieldShape::Round) {
    DrawRoundShield(d, s, pose, j, anchor);
    return;
  }
  const Point center = j.hand[Far] + Point{2.0f, 0.0f};
  const float w = s.biped.outline;
  d.Add(Shape(anchor,
              {center + Point{-7.0f, 11.0f}, center + Point{7.0f, 11.0f}, center + Point{7.0f, -4.0f},
               center + Point{0.0f, -13.0f}, center + Point{-7.0f, -4.0f}},
              1.5f),
        Painted(s.gear.shieldColor, w + 0.4f));
  d.Add(Dot(anchor, center + Point{0.0f, 1.0f}, 2.6f), Painted(s.palette.trim, w));
}

// Long hair falls down the back; a ponytail or a bun is gathered behind the crown.
void DrawHairBehind(Drawing& d, const Style& s, const BipedJoints& j, Point anchor) {
  const float r = s.biped.headRadius;
  const Point h = j.head;
  const Point back = Direction(j.headAngle + 180.0f);
  const Paint paint = Painted(s.palette.hair, s.biped.outline);
  switch (s.gear.hair) {
    case Hair::Long:
      d.Add(Stroke(anchor, h + back * (r * 0.45f), h + back * (r * 0.55f) + Point{0.0f, -r * 1.9f},
                   r * 0.95f, r * 0.6f),
            paint);
      break;
    case Hair::Ponytail: {
      const Point tie = h + Direction(j.headAngle + 150.0f) * (r * 0.95f);
      d.Add(Part{{Dot(anchor, tie, r * 0.3f),
                  Stroke(anchor, tie, tie + back * (r * 0.7f) + Point{0.0f, -r * 1.3f}, r * 0.34f,
                         r * 0.16f)},
                 paint});
      break;
    }
    case Hair::Bun:
      d.Add(Dot(anchor, h + Direction(j.headAngle + 135.0f) * (r * 1.0f), r * 0.48f), paint);
      break;
    default:
      break;
  }
}

void DrawHead(Drawing& d, const Style& s, const BipedPose& pose, const BipedJoints& j,
              Point anchor) {
  const BipedBuild& b = s.biped;
  const Palette& c = s.palette;
  const float w = b.outline;
  const float r = b.headRadius;
  const float face = j.headAngle;
  const Point h = j.head;
  const Point neckBase = j.neck;
  d.Add(Stroke(anchor, neckBase, Lerp(neckBase, h, 0.6f), 3.3f, 3.0f), Painted(c.skin, w));
  if (s.gear.scarf) DrawScarfWrap(d, s, j, anchor);
  if (s.gear.headgear == Headgear::Hood) {
    // The cowl behind the head falls to the shoulders; the face shows in its opening.
    d.Add(Part{{Dot(anchor, h + Direction(face + 160.0f) * 3.0f, r * 1.15f),
                Stroke(anchor, h + Direction(face + 180.0f) * r, neckBase + Direction(face + 180.0f) * 3.0f,
                       r * 0.6f, 4.0f)},
               Painted(s.gear.headgearColor, w)});
  } else if (s.gear.hair != Hair::Bald) {
    DrawHairBehind(d, s, j, anchor);
    d.Add(Dot(anchor, h + Direction(face + 165.0f) * 2.6f + Direction(face + 90.0f) * 0.8f,
              r * 1.02f),
          Painted(c.hair, w));
  }
  d.Add(Dot(anchor, h, r), Painted(c.skin, w));
  if (s.gear.pointedEars) {
    const Point root = h + Direction(face + 175.0f) * (r * 0.3f);
    const float base = 3.0f + 0.2f * std::max(0.0f, s.gear.earReach - 6.0f);
    d.Add(Shape(anchor,
                {root + Direction(face + 120.0f) * base, EarTip(s, j),
                 root + Direction(face + 215.0f) * base},
                0.6f),
          Painted(c.skin, w));
  } else {
    // Taller than wide, with the hollow of the ear inside, so that it reads as no eye.
    const Point ear = h + Direction(face + 185.0f) * (r * 0.2f);
    const Point earUp = Direction(face + 90.0f) * (r * 0.1f);
    d.Add(Stroke(anchor, ear + earUp, ear - earUp, r * 0.24f, r * 0.2f), Painted(c.skin, w));
    d.Add(Stroke(anchor, ear + earUp * 0.8f + Direction(face) * (r * 0.05f),
                 ear - earUp * 0.6f + Direction(face) * (r * 0.08f), r * 0.05f, r * 0.04f),
          Flat(Scaled(c.skin, 0.7f)));
  }
  if (s.gear.beard) {
    // From below the ear along the jaw, hanging from the chin.
    auto at = [&](float degrees, float reach) { return h + Direction(face + degrees) * (r * reach); };
    d.Add(Shape(anchor,
                {at(-150.0f, 0.8f), at(-100.0f, 1.1f), at(-72.0f, 1.35f), at(-38.0f, 0.9f),
                 at(-55.0f, 0.55f), at(-130.0f, 0.4f)},
                r * 0.15f),
          Painted(c.hair, w));
  }
  // Face: nose, eye and mouth on the front of the head.
  // A bigger nose reaches further out and hooks down.
  const float nose = s.gear.noseSize;
  const Point noseTip = h + Direction(face - 8.0f - 10.0f * (nose - 1.0f)) *
                                (r * (0.95f + 0.3f * (nose - 1.0f)));
  d.Add(Stroke(anchor, h + Direction(face - 8.0f) * (r * 0.95f), noseTip,
               r * 0.17f * std::sqrt(nose), r * 0.17f * nose),
        Painted(c.skin, w * 0.8f));
  const Point eye = h + Direction(face + 14.0f) * (r * 0.55f);
  const Point eyeUp = Direction(face + 90.0f);
  if (pose.eyesShut) {
    d.Add(Stroke(anchor, eye - Direction(face) * 1.5f, eye + Direction(face) * 1.2f, 0.7f, 0.7f),
          Flat(c.eye));
  } else {
    d.Add(Stroke(anchor, eye - eyeUp * 1.0f, eye + eyeUp * 1.0f, 1.2f, 1.2f),
          Flat(c.eye));
  }
  d.Add(Stroke(anchor, eye + eyeUp * 3.0f - Direction(face) * 1.6f, eye + eyeUp * 3.3f + Direction(face) * 1.6f,
               0.65f, 0.65f),
        Flat(c.hair));
  const Point mouth = h + Direction(face - 42.0f) * (r * 0.66f);
  if (pose.mouth > 0.0f) {
    d.Add(Dot(anchor, mouth, 0.9f + 1.3f * pose.mouth), Paint{MouthColor, c.eye, 0.5f, 1.0f, false});
  } else {
    d.Add(Stroke(anchor, mouth - Direction(face) * 1.2f, mouth + Direction(face) * 1.0f, 0.5f, 0.5f),
          Paint{Scaled(c.skin, 0.55f), 0, 0.0f, 1.0f, false});
  }
  switch (s.gear.headgear) {
    case Headgear::None:
      if (s.gear.hair == Hair::Bald) break;
      d.Add(Stroke(anchor, h + Direction(face + 150.0f) * (r * 0.8f), h + Direction(face + 55.0f) * (r * 0.85f),
                   r * 0.34f, r * 0.28f),
            Painted(c.hair, w));
      break;
    case Headgear::Hood:
      d.Add(Stroke(anchor, h + Direction(face + 150.0f) * (r * 0.95f), h + Direction(face + 60.0f) * (r * 1.0f),
                   r * 0.32f, r * 0.22f),
            Painted(s.gear.headgearColor, w));
      break;
    case Headgear::Helmet:
      d.Add(Shape(anchor,
                  {h + Direction(face + 30.0f) * (r * 1.1f), h + Direction(face + 70.0f) * (r * 1.15f),
                   h + Direction(face + 120.0f) * (r * 1.15f), h + Direction(face + 190.0f) * (r * 1.12f),
                   h + Direction(face + 200.0f) * (r * 0.5f), h + Direction(face + 40.0f) * (r * 0.8f)},
                  1.0f),
            Painted(s.gear.headgearColor, w));
      break;
    case Headgear::PointedHat: {
      const Point brimCenter = h + Direction(face + 90.0f) * (r * 0.55f);
      const Point brim = Direction(face) * (r * 1.5f);
      d.Add(Part{{Stroke(anchor, brimCenter - brim, brimCenter + brim, 1.8f, 1.8f),
                  Shape(anchor,
                        {brimCenter - brim * 0.6f, brimCenter + brim * 0.6f,
                         brimCenter + Direction(face + 110.0f) * (r * 1.8f)},
                        1.0f)},
                 Painted(s.gear.headgearColor, w)});
      break;
    }
  }
}

}  // namespace

BipedJoints PlaceJoints(const Style& style, const BipedPose& pose) {
  const BipedBuild& b = style.biped;
  BipedJoints j{};
  const Point up = Direction(90.0f - pose.lean);
  const float down = DownAngle(pose);
  j.pelvis = pose.pelvis;
  j.neck = pose.pelvis + up * b.torso;
  j.head = j.neck + up * (b.neck + b.headRadius * 0.8f);
  j.headAngle = -(pose.lean + pose.headTilt);
  for (int i = 0; i < 2; ++i) {
    j.hip[i] = HipJoint(pose, i);
    const float thigh = down + pose.hip[i];
    j.knee[i] = j.hip[i] + Direction(thigh) * b.thigh;
    j.ankle[i] = j.knee[i] + Direction(thigh - pose.knee[i]) * b.shin;
    const Point foot = Direction(pose.foot[i]);
    j.heel[i] = j.ankle[i] - foot * b.heel;
    j.toe[i] = j.ankle[i] + foot * (b.footLength - b.heel);
    j.shoulder[i] = ShoulderJoint(b, pose, i);
    const float upper = down + pose.shoulder[i];
    j.elbow[i] = j.shoulder[i] + Direction(upper) * b.upperArm;
    j.hand[i] = j.elbow[i] + Direction(upper + pose.elbow[i]) * b.forearm;
  }
  const float blade = down + pose.shoulder[Near] + pose.elbow[Near] + pose.weapon;
  j.gripBase = j.hand[Near] - Direction(blade) * GripLength(style.gear);
  j.bladeTip = j.hand[Near] + Direction(blade) * (BladeStart + BladeLength(style.gear));
  if (pose.spin != 0.0f) {
    const Point middle = Lerp(j.pelvis, j.neck, 0.5f);
    ForEachPoint(j, [&](Point& p) { p = RotatedAbout(p, middle, -pose.spin); });
    j.headAngle -= pose.spin;
  }
  if (pose.support != Support::Air) {
    const float lift = -LowestPoint(style, j, pose.support);
    ForEachPoint(j, [lift](Point& p) { p.y += lift; });
  }
  return j;
}

void AimBlade(BipedPose& pose, float degrees) {
  pose.weapon = Normalized(degrees - DownAngle(pose) - pose.shoulder[Near] - pose.elbow[Near]);
}

float BladeAngle(const BipedPose& pose) {
  return DownAngle(pose) + pose.shoulder[Near] + pose.elbow[Near] + pose.weapon;
}

float AnkleHeight(const Style& style) { return style.biped.ankleRadius; }

float ToeReach(const Style& style) {
  const BipedBuild& b = style.biped;
  return b.footLength - b.heel + b.ankleRadius * ToeTaper;
}

float HeelReach(const Style& style) { return style.biped.heel + style.biped.ankleRadius; }

void ReachWithFoot(const Style& style, BipedPose& pose, int leg, Point ankle) {
  const BipedBuild& b = style.biped;
  const Point hip = HipJoint(pose, leg);
  const Point knee = MiddleJoint(hip, ankle, b.thigh, b.shin, 1.0f);
  pose.hip[leg] = Normalized(AngleOf(knee - hip) - DownAngle(pose));
  pose.knee[leg] = Normalized(AngleOf(knee - hip) - AngleOf(ankle - knee));
}

float HipsReaching(const Style& style, const BipedPose& pose, int leg, Point ankle) {
  const BipedBuild& b = style.biped;
  const Point hip = HipJoint(pose, leg);
  const float reach = b.thigh + b.shin - LegSlack;
  const float across = std::min(std::fabs(ankle.x - hip.x), reach);
  return pose.pelvis.y + ankle.y + std::sqrt(reach * reach - across * across) - hip.y;
}

void ReachWithHand(const Style& style, BipedPose& pose, int arm, Point hand) {
  const BipedBuild& b = style.biped;
  const Point shoulder = ShoulderJoint(b, pose, arm);
  const Point elbow = MiddleJoint(shoulder, hand, b.upperArm, b.forearm, -1.0f);
  pose.shoulder[arm] = Normalized(AngleOf(elbow - shoulder) - DownAngle(pose));
  pose.elbow[arm] = Normalized(AngleOf(hand - elbow) - AngleOf(elbow - shoulder));
}

void DrawSweep(Drawing& drawing, const std::vector<Point>& outer, const std::vector<Point>& inner,
               uint32_t color) {
  const size_t steps = std::min(outer.size(), inner.size());
  for (size_t k = 0; k + 1 < steps; ++k) {
    const float opacity = 0.12f + 0.43f * static_cast<float>(k + 1) / static_cast<float>(steps - 1);
    drawing.Add(Polygon{{outer[k], outer[k + 1], inner[k + 1], inner[k]}, 0.0f},
                Paint{color, color, 0.0f, opacity, false});
  }
}

void DrawBiped(Drawing& d, const Style& s, const BipedPose& pose, Point anchor,
               const Trail& trail) {
  const BipedJoints j = PlaceJoints(s, pose);
  const Palette& c = s.palette;
  const BipedBuild& b = s.biped;
  if (!trail.poses.empty() && s.gear.weapon != Weapon::None) {
    std::vector<Point> outer, inner;
    // A figure on its feet cuts no deeper than the ground it stands on.
    const float floor = pose.support == Support::Air ? -1e9f : 0.0f;
    auto mark = [&](const BipedJoints& e) {
      Point reach = Lerp(e.hand[Near], e.bladeTip, trail.reach);
      reach.y = std::max(reach.y, floor);
      outer.push_back(ToCell(anchor, reach));
      inner.push_back(ToCell(anchor, Lerp(e.hand[Near], e.bladeTip, 0.5f)));
    };
    for (const BipedPose& earlier : trail.poses) mark(PlaceJoints(s, earlier));
    mark(j);
    DrawSweep(d, outer, inner, SweepColor);
  }
  if (s.gear.scarf) DrawScarfEnd(d, s, pose, j, anchor);
  if (s.gear.tailSegments > 0) DrawBipedTail(d, s, j, anchor);
  if (s.gear.sack) DrawSack(d, s, j, anchor);
  const bool shieldInFront = ShieldInFront(s, pose);
  if (s.gear.shield && !shieldInFront) DrawShield(d, s, pose, j, anchor);
  DrawArm(d, s, j, Far, anchor, FarSideShade);
  DrawHand(d, s, j, Far, anchor, FarSideShade);
  DrawLeg(d, s, j, Far, anchor, FarSideShade);
  // The torso: shirt, the jerkin over its front, and the belt at the hips.
  const Point up = (j.neck - j.pelvis) * (1.0f / Length(j.neck - j.pelvis));
  const Point front{up.y, -up.x};
  d.Add(Stroke(anchor, j.pelvis, j.neck - up * (b.chestRadius * 0.35f), b.hipRadius, b.chestRadius),
        Painted(c.shirt, b.outline));
  d.Add(Stroke(anchor, j.pelvis + up * 4.0f + front * 0.6f,
               j.neck - up * (b.chestRadius * 0.55f) + front * 0.8f, b.hipRadius * 0.88f,
               b.chestRadius * 0.86f),
        Painted(c.vest, b.outline));
  const Point beltMiddle = j.pelvis + up * 3.0f;
  d.Add(Stroke(anchor, beltMiddle - front * (b.hipRadius - 0.5f), beltMiddle + front * (b.hipRadius - 0.5f),
               1.9f, 1.9f),
        Painted(c.belt, b.outline));
  d.Add(Dot(anchor, beltMiddle + front * (b.hipRadius - 2.0f), 1.6f), Painted(c.trim, b.outline * 0.7f));
  if (s.gear.sack) DrawSackStrap(d, s, j, anchor);
  DrawLeg(d, s, j, Near, anchor, 1.0f);
  if (s.gear.skirt > 0.0f) DrawSkirt(d, s, j, anchor);
  DrawHead(d, s, pose, j, anchor);
  if (s.gear.shield && shieldInFront) DrawShield(d, s, pose, j, anchor);
  DrawArm(d, s, j, Near, anchor, 1.0f);
  DrawWeapon(d, s, j, anchor);
  DrawHand(d, s, j, Near, anchor, 1.0f);
}

}  // namespace figures
