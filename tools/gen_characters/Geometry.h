#pragma once

// Plane arithmetic for the skeletons. Figure space has y up and its origin on the anchor
// (where the feet stand); angles are degrees, counter-clockwise, 0 along +x.

#include <algorithm>
#include <cmath>

#include "tools/Raster.h"

namespace figures {

using raster::Point;

constexpr float DegreesPerRadian = 57.29578f;

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, float k) { return {a.x * k, a.y * k}; }

inline float Length(Point a) { return raster::Length(a.x, a.y); }

// The unit vector at the angle.
inline Point Direction(float degrees) {
  const float radians = degrees / DegreesPerRadian;
  return {std::cos(radians), std::sin(radians)};
}

inline float AngleOf(Point v) { return std::atan2(v.y, v.x) * DegreesPerRadian; }

inline Point Rotated(Point v, float degrees) {
  const Point d = Direction(degrees);
  return {v.x * d.x - v.y * d.y, v.x * d.y + v.y * d.x};
}

inline Point RotatedAbout(Point p, Point center, float degrees) {
  return center + Rotated(p - center, degrees);
}

inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
inline Point Lerp(Point a, Point b, float t) { return {Lerp(a.x, b.x, t), Lerp(a.y, b.y, t)}; }

// Eases in and out, so that keyed motion starts and stops softly.
inline float Smooth(float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

// Where a two-bone limb rooted at `root` puts its middle joint so that its end reaches
// `target` (or points at it, when out of reach); `bend` +1 puts the joint on the
// counter-clockwise side of the line from root to target.
inline Point MiddleJoint(Point root, Point target, float first, float second, float bend) {
  const Point line = target - root;
  const float reach = std::clamp(Length(line), std::fabs(first - second) + 0.01f,
                                 first + second - 0.01f);
  const float cosine = (first * first + reach * reach - second * second) / (2 * first * reach);
  const float opening = std::acos(std::clamp(cosine, -1.0f, 1.0f)) * DegreesPerRadian;
  return root + Direction(AngleOf(line) + bend * opening) * first;
}

}  // namespace figures
