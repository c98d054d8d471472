#pragma once

#include <cstdint>
#include <string>

#include "platform/MathTypes.h"

// Vector and angle functions of the 2D world. Angles are degrees, zero along +x, growing
// towards +y; measurements in the xy-plane ignore z.

constexpr float DegreesToRadians = 0.017453292f;
constexpr float RadiansToDegrees = 57.2957764f;

// (0, 0, 0): the direction of zero length.
extern const platform::Vector3 NullVector;
// Three times the largest float: no intersection.
extern const platform::Vector3 NoIntersection;

platform::Vector3 RotateVector(const platform::Vector3& v, float angle);
platform::Vector3 RotateAboutPoint(const platform::Vector3& p, const platform::Vector3& pivot,
                                   float angle);
// Turned clockwise; results within 0.00001 of 0 become 0.
platform::Vector3 RotateVectorClockwise(const platform::Vector3& v, float angle);
platform::Vector3 RotateAboutPointClockwise(const platform::Vector3& p,
                                            const platform::Vector3& pivot, float angle);

float Length2D(const platform::Vector3& v);
float Distance2D(const platform::Vector3& a, const platform::Vector3& b);
// All three components over the xy-length; NullVector for an xy-length of 0.
platform::Vector3 NormalizeVector2D(const platform::Vector3& v);
platform::Vector3 FootOfPerpendicular(const platform::Vector3& p, const platform::Vector3& a,
                                      const platform::Vector3& b);
float DistanceToLine(const platform::Vector3& p, const platform::Vector3& a,
                     const platform::Vector3& b);
platform::Vector3 ClosestPointOnSegment(const platform::Vector3& p, const platform::Vector3& a,
                                        const platform::Vector3& b);
// Where the ray from a through b meets the segment c-d, or NoIntersection.
platform::Vector3 IntersectRaySegment(const platform::Vector3& a, const platform::Vector3& b,
                                      const platform::Vector3& c, const platform::Vector3& d);

// (cos, sin, 0) with components within 0.000001 of 0 set to 0.
platform::Vector3 DirectionFromAngle(float angle);
platform::Vector3 UnitVectorFromAngle(float angle);
// In [0, 360).
float AngleOfVector(float x, float y);
// The angle at the vertex between the directions to p and q; 0 when a side has no length.
float AngleAtVertex(const platform::Vector3& p, const platform::Vector3& q,
                    const platform::Vector3& vertex);
// In [0, 360]; values inside that range come back unchanged.
float NormalizeAngle(float angle);
bool AngleInRange(float from, float to, float angle);
bool AngleInRangeExclusive(float from, float to, float angle);

// Through the camera (MainViewport, ViewMatrix, PerspectiveMatrix, IdentityMatrix).
platform::Vector3 WorldToScreen(float x, float y, float z);
platform::Vector3 ScreenToWorld(float depth, float screenX, float screenY);
platform::Vector3 ScreenToWorldAt(const platform::Vector3& screenPoint, float depth);
float ScreenSizeToWorld(float screenLength, float depth);
platform::Vector3 ScreenSizeToWorld3(float s1, float s2, float s3, float depth);
platform::Vector3 WorldSizeToScreen(float w1, float w2, float w3);

// Halves away from zero. Values beyond the 32-bit range saturate; NaN gives 0.
int32_t RoundToInt(float x);
// Towards zero, saturating the same way.
int32_t TruncateToInt(float x);
platform::Vector3 RoundVector(const platform::Vector3& v);
platform::Vector3 SnapVector(float x, float y, float z);
// The centre of the pixel that holds x.
float SnapToHalfPixel(float x);
float PowInt(float base, int32_t n);
float RoundToDecimals(float x, int32_t decimals);
// Shortened so that its text takes at most length characters.
float FitFloatToLength(float x, int32_t length);
float ClampFloat(float value, float low, float high);
int CountCharsOf(const std::string& set, const std::string& text);
// Recomputed from TickCounter and TotalRunTime at most every half second.
float UpdateFramesPerSecond();
