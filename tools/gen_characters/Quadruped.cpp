#include "Quadruped.h"

#include <vector>

namespace figures {

namespace {

constexpr float FarSideShade = 0.78f;
constexpr float FarJointDepth = 1.5f;
constexpr uint32_t MouthColor = 0xFF8C2424;
constexpr uint32_t ToothColor = 0xFFF4EEDC;
constexpr uint32_t GlintColor = 0xFFE8ECF0;
constexpr float JawOpening = 70.0f;  // degrees at a wide-open mouth
constexpr int BackSpines = 5;

struct QuadrupedJoints {
  Point hip[2], knee[2], hock[2], toe[2];
  Point shoulder[2], elbow[2], wrist[2], paw[2];
  Point bodyHind, bodyFore, neck, head;
  float headAngle;
  std::vector<Point> tail;
  // A wing's shoulder, elbow and tip, and where its membrane meets the back.
  Point wingRoot[2], wingElbow[2], wingTip[2], wingBack[2];
  // Base and tip of each spine along the back.
  std::vector<Point> spineBase, spineTip;
};

template <typename F>
void ForEachPoint(QuadrupedJoints& j, F f) {
  for (int i = 0; i < 2; ++i) {
    for (Point* p : {&j.hip[i], &j.knee[i], &j.hock[i], &j.toe[i], &j.shoulder[i], &j.elbow[i],
                     &j.wrist[i], &j.paw[i]}) {
      f(*p);
    }
  }
  for (Point* p : {&j.bodyHind, &j.bodyFore, &j.neck, &j.head}) f(*p);
  for (int i = 0; i < 2; ++i) {
    for (Point* p : {&j.wingRoot[i], &j.wingElbow[i], &j.wingTip[i], &j.wingBack[i]}) f(*p);
  }
  for (Point& p : j.tail) f(p);
  for (Point& p : j.spineBase) f(p);
  for (Point& p : j.spineTip) f(p);
}

// The tail's thickness at link k of its count: a bushy one widest past its middle, bushier
// when fluffed; a scaled one thinning from the root to its point.
float TailRadius(const Style& s, const QuadrupedPose& pose, size_t k, size_t count) {
  const QuadrupedBuild& b = s.quadruped;
  const float t = static_cast<float>(k) / static_cast<float>(count - 1);
  if (s.gear.hide == Hide::Scales) return std::max(0.9f, b.tailRadius * (1.0f - 0.8f * t));
  const float swell = std::sin(3.14159265f * (0.25f + 0.7f * t));
  return std::max(2.0f, b.tailRadius * pose.tailFluff * (0.35f + 0.65f * swell));
}

float LowestPoint(const Style& s, const QuadrupedPose& pose, const QuadrupedJoints& j) {
  const QuadrupedBuild& b = s.quadruped;
  const Support support = pose.support;
  float lowest = 1e9f;
  auto consider = [&lowest](Point p, float radius) { lowest = std::min(lowest, p.y - radius); };
  for (int i = 0; i < 2; ++i) {
    consider(j.toe[i], b.pawRadius);
    consider(j.hock[i], b.pawRadius);
    consider(j.paw[i], b.pawRadius);
  }
  // A tail may sweep the ground but never dips below it.
  for (size_t k = 0; k < j.tail.size(); ++k) {
    consider(j.tail[k], TailRadius(s, pose, k, j.tail.size()));
  }
  if (support == Support::Feet) return lowest;
  consider(j.bodyHind, b.hipRadius);
  consider(j.bodyFore, b.chestRadius);
  consider(j.head, b.headRadius);
  for (int i = 0; i < 2; ++i) consider(j.knee[i], b.legRadius * 1.6f);
  for (const Point& tip : j.spineTip) consider(tip, 0.0f);
  return lowest;
}

// Wings at the top of the shoulders: folded they lie back along the spine, spread they rise
// up and back; the far one stands a little higher, so that both show.
void PlaceWings(const QuadrupedBuild& b, const QuadrupedPose& pose, Point shoulders,
                QuadrupedJoints& j) {
  const Point along = Direction(pose.pitch);
  const Point up = Direction(pose.pitch + 90.0f);
  for (int i = 0; i < 2; ++i) {
    const float raise = Lerp(168.0f, 100.0f, pose.wings) - (i == Far ? 10.0f : 0.0f);
    const float depth = i == Far ? FarJointDepth : 0.0f;
    j.wingRoot[i] = shoulders + up * (b.chestRadius * 0.8f) - along * depth;
    j.wingElbow[i] = j.wingRoot[i] + Direction(pose.pitch + raise) * (b.wingLength * 0.45f);
    j.wingTip[i] = j.wingElbow[i] + Direction(pose.pitch + raise + Lerp(12.0f, 40.0f, pose.wings)) *
                                        (b.wingLength * 0.55f);
    j.wingBack[i] = j.wingRoot[i] - along * std::min(b.spine * 0.5f, b.wingLength * 0.5f) -
                    up * (b.chestRadius * 0.3f);
  }
}

// Spines along the top of the back and up the neck, tallest over the shoulders.
void PlaceSpines(const QuadrupedBuild& b, const QuadrupedPose& pose, QuadrupedJoints& j) {
  const Point up = Direction(pose.pitch + 90.0f);
  const Point back = Direction(pose.pitch + 180.0f);
  for (int k = 0; k < BackSpines; ++k) {
    const float t = (static_cast<float>(k) + 0.5f) / BackSpines;
    const float radius = Lerp(b.hipRadius, b.chestRadius, t);
    const Point base = Lerp(j.bodyHind, j.bodyFore, t) + up * (radius * 0.9f);
    j.spineBase.push_back(base);
    const float height = b.chestRadius * Lerp(0.35f, 0.5f, t);
    j.spineTip.push_back(base + (up * 0.9f + back * 0.45f) * height);
  }
  const Point neckUp = Direction(pose.pitch + pose.neck + 90.0f);
  const Point base = Lerp(j.neck, j.head, 0.4f) + neckUp * (b.chestRadius * 0.5f);
  j.spineBase.push_back(base);
  j.spineTip.push_back(base + (neckUp * 0.9f + back * 0.5f) * (b.chestRadius * 0.4f));
}

QuadrupedJoints PlaceJoints(const Style& style, const QuadrupedPose& pose) {
  const QuadrupedBuild& b = style.quadruped;
  QuadrupedJoints j{};
  const Point along = Direction(pose.pitch);
  const Point up = Direction(pose.pitch + 90.0f);
  const float down = pose.pitch - 90.0f;
  const Point hips = pose.hips;
  const Point shoulders = hips + along * b.spine;
  j.bodyHind = hips + up * (b.hipRadius * 0.35f);
  j.bodyFore = shoulders + up * (b.chestRadius * 0.3f);
  for (int i = 0; i < 2; ++i) {
    const Point depth = along * (i == Near ? 0.0f : -FarJointDepth);
    j.hip[i] = hips + depth;
    const float thigh = down + pose.hip[i];
    j.knee[i] = j.hip[i] + Direction(thigh) * b.thigh;
    j.hock[i] = j.knee[i] + Direction(thigh - pose.knee[i]) * b.shank;
    j.toe[i] = j.hock[i] + Direction(pose.hindFoot[i]) * b.hindFoot;
    j.shoulder[i] = shoulders + depth;
    const float upper = down + pose.shoulder[i];
    j.elbow[i] = j.shoulder[i] + Direction(upper) * b.upperForeleg;
    j.wrist[i] = j.elbow[i] + Direction(upper + pose.elbow[i]) * b.foreleg;
    j.paw[i] = j.wrist[i] + Direction(0.0f) * (b.pawRadius * 0.8f);
  }
  j.neck = j.bodyFore + along * (b.chestRadius * 0.45f);
  j.head = j.neck + Direction(pose.pitch + pose.neck) * b.neck;
  j.headAngle = pose.pitch - pose.headTilt;
  if (style.gear.wings) PlaceWings(b, pose, shoulders, j);
  if (style.gear.hide == Hide::Scales) PlaceSpines(b, pose, j);
  const int segments = std::max(style.gear.tailSegments, 1);
  float angle = pose.pitch + 180.0f - pose.tailRise;
  Point link = j.bodyHind - along * (b.hipRadius * 0.7f);
  j.tail.push_back(link);
  for (int k = 0; k < segments; ++k) {
    link = link + Direction(angle) * b.tailSegment;
    j.tail.push_back(link);
    angle += pose.tailCurl;
  }
  if (pose.spin != 0.0f) {
    const Point middle = Lerp(hips, shoulders, 0.5f);
    ForEachPoint(j, [&](Point& p) { p = RotatedAbout(p, middle, -pose.spin); });
    j.headAngle -= pose.spin;
  }
  if (pose.support != Support::Air) {
    const float lift = -LowestPoint(style, pose, j);
    ForEachPoint(j, [lift](Point& p) { p.y += lift; });
  }
  return j;
}

// A bushy tail with one outline round the whole brush and tufts along its outer edge; a scaled
// one smooth, ending in a barb.
void DrawTail(Drawing& d, const Style& s, const QuadrupedPose& pose, const QuadrupedJoints& j,
              Point anchor) {
  const QuadrupedBuild& b = s.quadruped;
  Part tail{{}, Painted(s.palette.fur, b.outline)};
  const size_t count = j.tail.size();
  auto radius = [&](size_t k) { return TailRadius(s, pose, k, count); };
  for (size_t k = 0; k + 1 < count; ++k) {
    tail.pieces.push_back(Stroke(anchor, j.tail[k], j.tail[k + 1], radius(k), radius(k + 1)));
  }
  if (s.gear.hide == Hide::Scales) {
    const Point end = j.tail[count - 1];
    const Point along = (end - j.tail[count - 2]) * (1.0f / Length(end - j.tail[count - 2]));
    const Point across = Rotated(along, 90.0f);
    const float size = b.tailRadius * 0.6f;
    d.Add(tail);
    d.Add(Shape(anchor,
                {end - along * (size * 0.3f), end + across * size, end + along * (size * 1.6f),
                 end - across * size},
                0.3f),
          Painted(s.palette.trim, b.outline));
    return;
  }
  for (size_t k = 1; k < count; ++k) {
    const Point along = j.tail[k] - j.tail[k - 1];
    const Point outward = Rotated(along * (1.0f / Length(along)), -90.0f);
    tail.pieces.push_back(Dot(anchor, j.tail[k] + outward * (radius(k) * 0.75f), radius(k) * 0.45f));
  }
  d.Add(tail);
}

// A membrane scalloped between the fingers, on bones in the hide's colour.
void DrawWing(Drawing& d, const Style& s, const QuadrupedJoints& j, int i, Point anchor,
              float shade) {
  const QuadrupedBuild& b = s.quadruped;
  const Point root = j.wingRoot[i], elbow = j.wingElbow[i];
  const Point tip = j.wingTip[i], back = j.wingBack[i];
  const Point finger = Lerp(tip, back, 0.55f);
  d.Add(Shape(anchor,
              {root, elbow, tip, Lerp(Lerp(tip, finger, 0.5f), elbow, 0.3f), finger,
               Lerp(Lerp(finger, back, 0.5f), elbow, 0.3f), back},
              0.3f),
        Painted(Scaled(s.palette.accent, shade), b.outline * 0.8f));
  d.Add(Part{{Stroke(anchor, root, elbow, b.legRadius * 0.55f, b.legRadius * 0.45f),
              Stroke(anchor, elbow, tip, b.legRadius * 0.45f, 0.5f),
              Stroke(anchor, elbow, finger, b.legRadius * 0.35f, 0.45f)},
             Painted(Scaled(s.palette.fur, shade), b.outline * 0.7f)});
}

// Drawn before the body, which covers their roots.
void DrawSpines(Drawing& d, const Style& s, const QuadrupedJoints& j, Point anchor) {
  if (j.spineBase.empty()) return;
  Part spines{{}, Painted(s.palette.trim, s.quadruped.outline * 0.8f)};
  for (size_t k = 0; k < j.spineBase.size(); ++k) {
    const Point base = j.spineBase[k], tip = j.spineTip[k];
    const Point side = Rotated(tip - base, 90.0f) * 0.45f;
    const Point root = base - (tip - base) * 0.6f;
    spines.pieces.push_back(Shape(anchor, {root - side, tip, root + side}, 0.3f));
  }
  d.Add(spines);
}

void DrawHindLeg(Drawing& d, const Style& s, const QuadrupedJoints& j, int i, Point anchor,
                 float shade) {
  const QuadrupedBuild& b = s.quadruped;
  d.Add(Part{{Stroke(anchor, j.hip[i], j.knee[i], b.legRadius * 2.3f, b.legRadius * 1.3f),
              Stroke(anchor, j.knee[i], j.hock[i], b.legRadius * 1.1f, b.legRadius * 0.8f),
              Stroke(anchor, j.hock[i], j.toe[i], b.pawRadius, b.pawRadius * 0.9f)},
             Painted(Scaled(s.palette.fur, shade), b.outline)});
}

void DrawForeLeg(Drawing& d, const Style& s, const QuadrupedJoints& j, int i, Point anchor,
                 float shade) {
  const QuadrupedBuild& b = s.quadruped;
  d.Add(Part{{Stroke(anchor, j.shoulder[i], j.elbow[i], b.legRadius * 1.3f, b.legRadius),
              Stroke(anchor, j.elbow[i], j.wrist[i], b.legRadius, b.legRadius * 0.75f),
              Stroke(anchor, j.wrist[i], j.paw[i], b.pawRadius, b.pawRadius)},
             Painted(Scaled(s.palette.fur, shade), b.outline)});
}

// Scaled jaws: a fang from the upper jaw, and from the lower one too when the mouth is open,
// and a nostril at the end of the snout.
template <typename HeadPoint>
void DrawFangs(Drawing& d, const Style& s, const QuadrupedPose& pose, const QuadrupedJoints& j,
               Point anchor, HeadPoint headPoint) {
  const QuadrupedBuild& b = s.quadruped;
  const float r = b.headRadius;
  const float face = j.headAngle;
  auto fang = [&](Point root, float degrees, float length) {
    const Point side = Direction(face) * 0.8f;
    const Point point = root + Direction(face + degrees) * length;
    d.Add(Shape(anchor, {root - side, point, root + side}, 0.2f),
          Painted(ToothColor, b.outline * 0.5f));
  };
  fang(headPoint(-20.0f, r + b.snout * 0.45f), -95.0f, pose.jaw > 0.0f ? 2.8f : 2.0f);
  if (pose.jaw > 0.0f) {
    fang(headPoint(-12.0f - JawOpening * pose.jaw, r + b.snout * 0.5f),
         80.0f - JawOpening * pose.jaw, 2.4f);
  }
  d.Add(Dot(anchor, headPoint(-2.0f, r + b.snout * 0.72f), 0.7f), Flat(s.palette.eye));
}

void DrawHead(Drawing& d, const Style& s, const QuadrupedPose& pose, const QuadrupedJoints& j,
              Point anchor) {
  const QuadrupedBuild& b = s.quadruped;
  const Palette& c = s.palette;
  const float w = b.outline;
  const Point h = j.head;
  const float r = b.headRadius;
  const float face = j.headAngle;
  // Looking back mirrors the head about its upright middle line.
  auto at = [&](Point p) { return pose.lookBack ? Point{2.0f * h.x - p.x, p.y} : p; };
  auto headPoint = [&](float degrees, float distance) {
    return at(h + Direction(face + degrees) * distance);
  };
  const bool scaled = s.gear.hide == Hide::Scales;
  const float earAngle = Lerp(100.0f, 165.0f, pose.ears);
  // Horns sweep back from the top of the head; flattened ears press them further back.
  auto horn = [&](float offset, float shade) {
    const Point root = h + Direction(face + offset + 110.0f) * (r * 0.75f);
    const Point tip =
        root + Direction(face + Lerp(150.0f, 172.0f, pose.ears) + offset * 0.5f) * b.earLength;
    const Point front = headPoint(offset + 90.0f, r * 0.8f);
    d.Add(Shape(anchor, {front, at(tip), headPoint(offset + 140.0f, r * 0.8f)}, 0.4f),
          Painted(Scaled(c.trim, shade), w));
  };
  auto ear = [&](float offset, float shade) {
    if (scaled) {
      horn(offset, shade);
      return;
    }
    const Point root = headPoint(offset + 100.0f, r * 0.7f);
    const Point tip = at(h + Direction(face + offset + 100.0f) * (r * 0.7f) +
                         Direction(face + earAngle) * b.earLength);
    const Point sideA = headPoint(offset + 70.0f, r * 0.85f);
    const Point sideB = headPoint(offset + 130.0f, r * 0.85f);
    d.Add(Shape(anchor, {sideA, tip, sideB, root}, 0.8f), Painted(Scaled(c.fur, shade), w));
  };
  ear(22.0f, FarSideShade);
  d.Add(Stroke(anchor, j.neck, h, b.chestRadius * 0.6f, r * 0.7f), Painted(c.fur, w));
  const Point snoutTip = headPoint(-8.0f, r + b.snout * 0.8f);
  d.Add(Dot(anchor, h, r), Painted(c.fur, w));
  if (pose.jaw > 0.0f) {
    // The lower jaw drops from under the snout and shows the mouth and the long front teeth.
    const Point hinge = headPoint(-35.0f, r * 0.55f);
    const Point jawTip = headPoint(-10.0f - JawOpening * pose.jaw, r + b.snout * 0.75f);
    d.Add(Shape(anchor, {hinge, snoutTip, jawTip}, 0.6f), Flat(MouthColor));
    d.Add(Stroke(anchor, hinge, jawTip, r * 0.42f, 1.9f), Painted(c.belly, w));
  } else {
    // Pale cheek and muzzle under the eye.
    d.Add(Stroke(anchor, headPoint(-55.0f, r * 0.35f), headPoint(-18.0f, r + b.snout * 0.45f),
                 r * 0.45f, 2.2f),
          Painted(c.belly, w * 0.6f));
  }
  d.Add(Stroke(anchor, headPoint(-10.0f, r * 0.3f), snoutTip, r * 0.62f, 2.8f), Painted(c.fur, w));
  if (scaled) {
    DrawFangs(d, s, pose, j, anchor, headPoint);
  } else {
    const Point tooth = headPoint(-12.0f, r + b.snout * 0.6f);
    d.Add(Stroke(anchor, tooth, tooth + Direction(face - 95.0f) * (pose.jaw > 0.0f ? 3.4f : 2.0f),
                 0.9f, 0.9f),
          Painted(ToothColor, w * 0.5f));
    d.Add(Dot(anchor, snoutTip, 1.9f), Painted(c.eye, w * 0.5f));
  }
  const Point eye = headPoint(18.0f, r * 0.45f);
  if (scaled && !pose.eyesShut) {
    // A slit-pupilled eye under a brow ridge that a scowl draws down towards the snout.
    const float iris = std::max(1.8f, r * 0.42f);
    d.Add(Dot(anchor, eye, iris), Painted(c.belly, w * 0.5f));
    const Point slit = Direction(face + 90.0f) * (iris * 0.7f);
    d.Add(Stroke(anchor, eye - slit, eye + slit, 0.5f, 0.5f), Flat(c.eye));
    const Point browEnd = h + Direction(face + 18.0f) * (r * 0.45f) +
                          Direction(face + Lerp(70.0f, 25.0f, pose.scowl)) * 2.6f;
    d.Add(Stroke(anchor, headPoint(48.0f, r * 0.72f), at(browEnd), 0.9f, 0.7f),
          Painted(Scaled(c.fur, 0.8f), w * 0.6f));
  } else if (pose.eyesShut) {
    const Point across = Direction(face + 40.0f) * 1.8f;
    const Point crossed = Direction(face - 40.0f) * 1.8f;
    d.Add(Stroke(anchor, eye - across, eye + across, 0.6f, 0.6f), Flat(c.eye));
    d.Add(Stroke(anchor, eye - crossed, eye + crossed, 0.6f, 0.6f), Flat(c.eye));
  } else {
    d.Add(Dot(anchor, eye, 2.1f), Flat(c.eye));
    d.Add(Dot(anchor, eye + Point{0.6f, 0.7f}, 0.7f), Flat(GlintColor));
  }
  ear(-8.0f, 1.0f);
}

}  // namespace

void DrawQuadruped(Drawing& d, const Style& s, const QuadrupedPose& pose, Point anchor) {
  const QuadrupedJoints j = PlaceJoints(s, pose);
  const QuadrupedBuild& b = s.quadruped;
  DrawTail(d, s, pose, j, anchor);
  if (s.gear.wings) DrawWing(d, s, j, Far, anchor, FarSideShade);
  DrawSpines(d, s, j, anchor);
  DrawHindLeg(d, s, j, Far, anchor, FarSideShade);
  DrawForeLeg(d, s, j, Far, anchor, FarSideShade);
  d.Add(Stroke(anchor, j.bodyHind, j.bodyFore, b.hipRadius, b.chestRadius),
        Painted(s.palette.fur, b.outline));
  // The pale belly along the underside.
  const Point along = (j.bodyFore - j.bodyHind) * (1.0f / Length(j.bodyFore - j.bodyHind));
  const Point under = Rotated(along, -90.0f);
  d.Add(Stroke(anchor, j.bodyHind + under * (b.hipRadius * 0.45f) + along * 3.0f,
               j.bodyFore + under * (b.chestRadius * 0.4f) + along * 1.5f, b.hipRadius * 0.5f,
               b.chestRadius * 0.55f),
        Painted(s.palette.belly, b.outline * 0.6f));
  if (s.gear.wings) DrawWing(d, s, j, Near, anchor, 1.0f);
  DrawHindLeg(d, s, j, Near, anchor, 1.0f);
  DrawForeLeg(d, s, j, Near, anchor, 1.0f);
  DrawHead(d, s, pose, j, anchor);
}

}  // namespace figures
