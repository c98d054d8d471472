#include "engine/VectorMath.h"

#include <cmath>
#include <limits>

#include "engine/Globals.h"
#include "engine/StringConversion.h"

using platform::Vector3;

namespace {

constexpr float RotationSnap = 0.00001f;
constexpr float DirectionSnap = 0.000001f;
constexpr float FullTurn = 360.0f;
constexpr float FramesPerSecondInterval = 0.5f;

float SnapWithin(float value, float limit) {
  return (value >= -limit && value <= limit) ? 0.0f : value;
}

float Dot3(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const platform::Matrix4& ViewOrIdentity() { return ViewMatrix ? *ViewMatrix : IdentityMatrix; }

const platform::Matrix4& PerspectiveOrIdentity() {
  return PerspectiveMatrix ? *PerspectiveMatrix : IdentityMatrix;
}

Vector3 Unproject(float x, float y, float z) {
  return platform::UnprojectPoint({x, y, z}, MainViewport, PerspectiveOrIdentity(),
                                  ViewOrIdentity(), IdentityMatrix);
}

}  // namespace

const Vector3 NullVector{0.0f, 0.0f, 0.0f};
const Vector3 NoIntersection{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::max()};

Vector3 RotateVector(const Vector3& v, float angle) {
  float radians = angle * DegreesToRadians;
  float c = std::cos(radians);
  float s = std::sin(radians);
  return {v.x * c - v.y * s, v.y * c + v.x * s, v.z};
}

Vector3 RotateAboutPoint(const Vector3& p, const Vector3& pivot, float angle) {
  return RotateVector(p - pivot, angle) + pivot;
}

Vector3 RotateVectorClockwise(const Vector3& v, float angle) {
  float radians = angle * DegreesToRadians;
  float c = std::cos(radians);
  float s = std::sin(radians);
  return {SnapWithin(v.x * c + v.y * s, RotationSnap), SnapWithin(v.y * c - v.x * s, RotationSnap),
          v.z};
}

Vector3 RotateAboutPointClockwise(const Vector3& p, const Vector3& pivot, float angle) {
  return RotateVectorClockwise(p - pivot, angle) + pivot;
}

float Length2D(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

float Distance2D(const Vector3& a, const Vector3& b) { return Length2D(b - a); }

Vector3 NormalizeVector2D(const Vector3& v) {
  float length = Length2D(v);
  if (length == 0.0f) return NullVector;
  return v * (1.0f / length);
}

Vector3 FootOfPerpendicular(const Vector3& p, const Vector3& a, const Vector3& b) {
  Vector3 direction = NormalizeVector2D(b - a);
  float t = Dot3(p - a, direction);
  return a + direction * t;
}

float DistanceToLine(const Vector3& p, const Vector3& a, const Vector3& b) {
  return Distance2D(p, FootOfPerpendicular(p, a, b));
}

Vector3 ClosestPointOnSegment(const Vector3& p, const Vector3& a, const Vector3& b) {
  Vector3 foot = FootOfPerpendicular(p, a, b);
  float theta = AngleOfVector(b.x - a.x, b.y - a.y);
  float length = RotateVector(b - a, -theta).x;
  float along = RotateVector(p - a, -theta).x;
  if (along < 0.0f) return a;
  if (along > length) return b;
  return foot;
}

Vector3 IntersectRaySegment(const Vector3& a, const Vector3& b, const Vector3& c,
                            const Vector3& d) {
  float theta = AngleOfVector(b.x - a.x, b.y - a.y);
  Vector3 cTurned = RotateVectorClockwise(c - a, theta);
  Vector3 dTurned = RotateVectorClockwise(d - a, theta);
  const bool cLower = cTurned.y < dTurned.y;
  const Vector3& lo = cLower ? cTurned : dTurned;
  const Vector3& hi = cLower ? dTurned : cTurned;
  if (lo.y > 0.0f || hi.y < 0.0f) return NoIntersection;
  if (cTurned.y == 0.0f && cTurned.x >= 0.0f) return RotateVector(cTurned, theta) + a;
  if (dTurned.y == 0.0f && dTurned.x >= 0.0f) return RotateVector(dTurned, theta) + a;
  float t = -lo.y / (hi.y - lo.y);
  float x = lo.x + t * (hi.x - lo.x);
  float z = lo.z + t * (hi.z - lo.z);
  // Also false for the NaN of a segment lying on the ray's line behind its start.
  if (!(x >= 0.0f)) return NoIntersection;
  return RotateVector({x, 0.0f, z}, theta) + a;
}

Vector3 DirectionFromAngle(float angle) {
  float radians = angle * DegreesToRadians;
  return {SnapWithin(std::cos(radians), DirectionSnap), SnapWithin(std::sin(radians), DirectionSnap),
          0.0f};
}

Vector3 UnitVectorFromAngle(float angle) {
  float radians = angle * DegreesToRadians;
  return NormalizeVector2D({std::cos(radians), std::sin(radians), 0.0f});
}

float AngleOfVector(float x, float y) {
  float angle = std::atan2(y, x) * RadiansToDegrees;
  if (angle < 0.0f) angle += FullTurn;
  return angle;
}

float AngleAtVertex(const Vector3& p, const Vector3& q, const Vector3& vertex) {
  float a = Distance2D(q, vertex);
  float b = Distance2D(p, vertex);
  float c = Distance2D(p, q);
  if (a == 0.0f || b == 0.0f) return 0.0f;
  float cosine = (a * a + b * b - c * c) / (2.0f * a * b);
  cosine = std::fmax(-1.0f, std::fmin(1.0f, cosine));
  return std::acos(cosine) * RadiansToDegrees;
}

float NormalizeAngle(float angle) {
  if (angle >= 0.0f && angle <= FullTurn) return angle;
  Vector3 direction = DirectionFromAngle(angle);
  float result = std::atan2(direction.y, direction.x) * RadiansToDegrees;
  if (result < 0.0f) result += FullTurn;
  return result;
}

bool AngleInRange(float from, float to, float angle) {
  if (from <= to) {
    if (from == 0.0f) return (angle >= 0.0f && angle <= to) || angle == FullTurn;
    if (to == FullTurn) return (angle >= from && angle <= FullTurn) || angle == 0.0f;
    return angle >= from && angle <= to;
  }
  return (angle >= from && angle <= FullTurn) || (angle >= 0.0f && angle <= to);
}

bool AngleInRangeExclusive(float from, float to, float angle) {
  if (from <= to) return angle > from && angle < to;
  if (from == FullTurn) return angle > 0.0f && angle < to;
  if (to == 0.0f) return angle > from && angle < FullTurn;
  return (angle > from && angle <= FullTurn) || (angle >= 0.0f && angle < to);
}

Vector3 WorldToScreen(float x, float y, float z) {
  return platform::ProjectPoint({x, y, z}, MainViewport, PerspectiveOrIdentity(), ViewOrIdentity(),
                                IdentityMatrix);
}

Vector3 ScreenToWorld(float depth, float screenX, float screenY) {
  Vector3 nearPoint = Unproject(screenX, screenY, MainViewport.minZ);
  Vector3 farPoint = Unproject(screenX, screenY, MainViewport.maxZ);
  float k = (depth - nearPoint.z) / (farPoint.z - nearPoint.z);
  return {nearPoint.x + (farPoint.x - nearPoint.x) * k, nearPoint.y + (farPoint.y - nearPoint.y) * k,
          depth};
}

Vector3 ScreenToWorldAt(const Vector3& screenPoint, float depth) {
  return ScreenToWorld(depth, screenPoint.x, screenPoint.y);
}

float ScreenSizeToWorld(float screenLength, float depth) {
  return ScreenToWorld(depth, screenLength, 0.0f).x - ScreenToWorld(depth, 0.0f, 0.0f).x;
}

Vector3 ScreenSizeToWorld3(float s1, float s2, float s3, float depth) {
  return {ScreenSizeToWorld(s1, depth), ScreenSizeToWorld(s2, depth), ScreenSizeToWorld(s3, depth)};
}

Vector3 WorldSizeToScreen(float w1, float w2, float w3) {
  float origin = WorldToScreen(0.0f, 0.0f, 0.0f).x;
  return {WorldToScreen(w1, 0.0f, 0.0f).x - origin, WorldToScreen(w2, 0.0f, 0.0f).x - origin,
          WorldToScreen(w3, 0.0f, 0.0f).x - origin};
}

int32_t RoundToInt(float x) {
  if (std::isnan(x)) return 0;
  float shifted = x <= 0.0f ? x - 0.5f : x + 0.5f;
  if (shifted >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (shifted < -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(shifted);
}

int32_t TruncateToInt(float x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (x < -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(x);
}

Vector3 RoundVector(const Vector3& v) {
  return {static_cast<float>(RoundToInt(v.x)), static_cast<float>(RoundToInt(v.y)),
          static_cast<float>(RoundToInt(v.z))};
}

Vector3 SnapVector(float x, float y, float z) {
  auto snap = [](float value) { return std::fabs(value) < RotationSnap ? 0.0f : value; };
  return {snap(x), snap(y), snap(z)};
}

float SnapToHalfPixel(float x) {
  float n = static_cast<float>(RoundToInt(x));
  return n <= x ? n + 0.5f : n - 0.5f;
}

float PowInt(float base, int32_t n) {
  float result = 1.0f;
  float square = base;
  uint32_t bits = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  while (bits != 0) {
    if (bits & 1u) result *= square;
    square *= square;
    bits >>= 1;
  }
  return n < 0 ? 1.0f / result : result;
}

float RoundToDecimals(float x, int32_t decimals) {
  float scale = PowInt(10.0f, decimals);
  return static_cast<float>(RoundToInt(x * scale)) / scale;
}

// A value of seven or more integer digits is streamed with an exponent ("1.23457e+06"): it is
// shown as the largest number that fits. Rounding is done in double precision, so no product
// leaves the range of an integer.
float FitFloatToLength(float x, int32_t length) {
  if (x == 0.0f) return 0.0f;
  const double value = x;
  const double largest = std::copysign(std::pow(10.0, length) - 1.0, value);
  const std::string text = WStringToString(FloatToWString(x));
  const bool exponent = text.find('e') != std::string::npos;
  if (exponent && std::fabs(value) >= 1.0) return static_cast<float>(largest);
  if (static_cast<int64_t>(text.size()) <= length) return x;
  const size_t point = text.find('.');
  if (point != std::string::npos && static_cast<int64_t>(point) < length) {
    const double scale = std::pow(10.0, length - static_cast<int64_t>(point) - 1);
    return static_cast<float>(std::round(value * scale) / scale);
  }
  return static_cast<float>(largest);
}

float ClampFloat(float value, float low, float high) {
  if (value > high) return high;
  if (low > value) return low;
  return value;
}

int CountCharsOf(const std::string& set, const std::string& text) {
  int count = 0;
  for (size_t at = text.find_first_of(set); at != std::string::npos;
       at = text.find_first_of(set, at + 1)) {
    ++count;
  }
  return count;
}

float UpdateFramesPerSecond() {
  if (TotalRunTime < FramesPerSecondInterval) return FramesPerSecond;
  FramesPerSecond = static_cast<float>(TickCounter) / TotalRunTime;
  TickCounter = 0;
  TotalRunTime = 0.0f;
  return FramesPerSecond;
}
