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

struct QuadrupedJoints {
  Point hip[2], knee[2], hock[2], toe[2];
  Point shoulder[2], elbow[2], wrist[2], paw[2];
  Point bodyHind, bodyFore, neck, head;
  float headAngle;
  std::vector<Point> tail;
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
  for (Point& p : j.tail) f(p);
}

// The tail's thickness at link k of its count: widest past its middle, bushier when fluffed.
float TailRadius(const QuadrupedBuild& b, const QuadrupedPose& pose, size_t k, size_t count) {
  const float t = static_cast<float>(k) / static_cast<float>(count - 1);
  const float swell = std::sin(3.14159265f * (0.25f + 0.7f * t));
  return std::max(2.0f, b.tailRadius * pose.tailFluff * (0.35f + 0.65f * swell));
}

float LowestPoint(const QuadrupedBuild& b, const QuadrupedPose& pose, const QuadrupedJoints& j) {
  const Support support = pose.support;
  float lowest = 1e9f;
  auto consider = [&lowest](Point p, float radius) { lowest = std::min(lowest, p.y - radius); };
  for (int i = 0; i < 2; ++i) {
    consider(j.toe[i], b.pawRadius);
    consider(j.hock[i], b.pawRadius);
    consider(j.paw[i], b.pawRadius);
  }
  // A tail may sweep the ground but never dips below it.
  for (size_t k = 0; k < j.tail.size(); ++k) consider(j.tail[k], TailRadius(b, pose, k, j.tail.size()));
  if (support == Support::Feet) return lowest;
  consider(j.bodyHind, b.hipRadius);
  consider(j.bodyFore, b.chestRadius);
  consider(j.head, b.headRadius);
  for (int i = 0; i < 2; ++i) consider(j.knee[i], b.legRadius * 1.6f);
  return lowest;
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
    const float lift = -LowestPoint(b, pose, j);
    ForEachPoint(j, [lift](Point& p) { p.y += lift; });
  }
  return j;
}

// A bushy tail with one outline round the whole brush and tufts along its outer edge.
void DrawTail(Drawing& d, const Style& s, const QuadrupedPose& pose, const QuadrupedJoints& j,
              Point anchor) {
  const QuadrupedBuild& b = s.quadruped;
  Part tail{{}, Painted(s.palette.fur, b.outline)};
  const size_t count = j.tail.size();
  auto radius = [&](size_t k) { return TailRadius(b, pose, k, count); };
  for (size_t k = 0; k + 1 < count; ++k) {
    tail.pieces.push_back(Stroke(anchor, j.tail[k], j.tail[k + 1], radius(k), radius(k + 1)));
  }
  for (size_t k = 1; k < count; ++k) {
    const Point along = j.tail[k] - j.tail[k - 1];
    const Point outward = Rotated(along * (1.0f / Length(along)), -90.0f);
    tail.pieces.push_back(Dot(anchor, j.tail[k] + outward * (radius(k) * 0.75f), radius(k) * 0.45f));
  }
  d.Add(tail);
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
  const float earAngle = Lerp(100.0f, 165.0f, pose.ears);
  auto ear = [&](float offset, float shade) {
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
  const Point tooth = headPoint(-12.0f, r + b.snout * 0.6f);
  d.Add(Stroke(anchor, tooth, tooth + Direction(face - 95.0f) * (pose.jaw > 0.0f ? 3.4f : 2.0f),
               0.9f, 0.9f),
        Painted(ToothColor, w * 0.5f));
  d.Add(Dot(anchor, snoutTip, 1.9f), Painted(c.eye, w * 0.5f));
  const Point eye = headPoint(18.0f, r * 0.45f);
  if (pose.eyesShut) {
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
  DrawHindLeg(d, s, j, Near, anchor, 1.0f);
  DrawForeLeg(d, s, j, Near, anchor, 1.0f);
  DrawHead(d, s, pose, j, anchor);
}

}  // namespace figures
