#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/VectorMath.h"
#include "support/RenderFixture.h"

using platform::Vector3;

namespace {

constexpr float Huge = std::numeric_limits<float>::max();

void ExpectVectorNear(const Vector3& actual, const Vector3& expected, float tolerance) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

TEST(VectorMathTest, ClockwiseRotationSnapsTinyResults) {
  Vector3 clockwise = RotateVectorClockwise({1, 0, 5}, 90);
  EXPECT_EQ(clockwise.x, 0.0f);
  EXPECT_EQ(clockwise.y, -1.0f);
  EXPECT_EQ(clockwise.z, 5.0f);
  Vector3 counter = RotateVector({1, 0, 5}, 90);
  EXPECT_NE(counter.x, 0.0f);
  EXPECT_NEAR(counter.x, 0.0f, 1e-6f);
  EXPECT_FLOAT_EQ(counter.y, 1.0f);
  ExpectVectorNear(RotateAboutPoint({2, 1, 0}, {1, 1, 0}, 90), {1, 2, 0}, 1e-6f);
  ExpectVectorNear(RotateAboutPointClockwise({2, 1, 0}, {1, 1, 0}, 90), {1, 0, 0}, 0.0f);
}

TEST(VectorMathTest, DirectionsFromAngles) {
  EXPECT_EQ(DirectionFromAngle(90), (Vector3{0, 1, 0}));
  Vector3 unit = UnitVectorFromAngle(90);
  EXPECT_NE(unit.x, 0.0f);
  EXPECT_NEAR(unit.x, 0.0f, 1e-6f);
  EXPECT_FLOAT_EQ(AngleOfVector(0, -1), 270.0f);
  EXPECT_FLOAT_EQ(AngleOfVector(-1, 0), 180.0f);
}

TEST(VectorMathTest, NormalizeIgnoresZForTheLength) {
  EXPECT_EQ(NormalizeVector2D({0, 0, 7}), NullVector);
  ExpectVectorNear(NormalizeVector2D({3, 4, 10}), {0.6f, 0.8f, 2.0f}, 1e-6f);
  EXPECT_FLOAT_EQ(Length2D({3, 4, 100}), 5.0f);
  EXPECT_FLOAT_EQ(Distance2D({1, 1, 0}, {4, 5, 9}), 5.0f);
}

TEST(VectorMathTest, NormalizeAngleGoesThroughTheDirection) {
  EXPECT_EQ(NormalizeAngle(360), 360.0f);
  EXPECT_EQ(NormalizeAngle(0), 0.0f);
  EXPECT_EQ(NormalizeAngle(720), 0.0f);
  EXPECT_EQ(NormalizeAngle(450), 90.0f);
  EXPECT_EQ(NormalizeAngle(-90), 270.0f);
  EXPECT_FLOAT_EQ(NormalizeAngle(-45), 315.0f);
  EXPECT_NEAR(NormalizeAngle(361), 1.0000043f, 2e-6f);
}

// Ranges run counter-clockwise from `from` to `to` and may wrap through 0; 0 and 360 are one
// direction. Each row stands on or just off an end of its range.
TEST(VectorMathTest, AngleRanges) {
  struct Row {
    float from, to, angle;
    bool inclusive, exclusive;
  };
  const Row rows[] = {
      {0, 90, 0, true, false},        {0, 90, 90, true, false},       {0, 90, 90.5f, false, false},
      {0, 90, 360, true, false},      {0, 90, 45, true, true},        {270, 360, 0, true, false},
      {270, 360, 270, true, false},   {270, 360, 269.5f, false, false}, {10, 20, 10, true, false},
      {10, 20, 20, true, false},      {10, 20, 9.5f, false, false},   {10, 20, 20.5f, false, false},
      {10, 20, 15, true, true},       {10, 10, 10, true, false},      {300, 30, 330, true, true},
      {300, 30, 0, true, true},       {300, 30, 360, true, true},     {300, 30, 200, false, false},
      {300, 30, 300, true, false},    {300, 30, 300.5f, true, true},  {300, 30, 30, true, false},
      {300, 30, 29.5f, true, true},   {300, 30, 31, false, false},    {300, 30, 299, false, false},
      {360, 30, 10, true, true},      {360, 30, 0, true, false},      {360, 30, 0.5f, true, true},
      {360, 30, 30, true, false},     {300, 0, 359, true, true},      {300, 0, 360, true, false},
      {300, 0, 300, true, false},     {300, 0, 300.5f, true, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(AngleInRange(row.from, row.to, row.angle), row.inclusive)
        << row.from << " to " << row.to << " at " << row.angle;
    EXPECT_EQ(AngleInRangeExclusive(row.from, row.to, row.angle), row.exclusive)
        << row.from << " to " << row.to << " at " << row.angle << ", ends left out";
  }
}

TEST(VectorMathTest, AngleAtVertexIsDefinedForDegenerateInput) {
  EXPECT_NEAR(AngleAtVertex({1, 0, 0}, {0, 1, 0}, {0, 0, 0}), 90.0f, 1e-4f);
  EXPECT_NEAR(AngleAtVertex({1, 0, 0}, {-1, 0, 0}, {0, 0, 0}), 180.0f, 1e-4f);
  EXPECT_EQ(AngleAtVertex({0, 0, 0}, {1, 1, 0}, {0, 0, 0}), 0.0f);
  EXPECT_EQ(AngleAtVertex({2, 2, 0}, {2, 2, 0}, {2, 2, 0}), 0.0f);
  // Collinear points whose cosine rounds past 1.
  EXPECT_FALSE(std::isnan(AngleAtVertex({1e-3f, 0, 0}, {3e7f, 0, 0}, {0, 0, 0})));
}

TEST(VectorMathTest, LinesAndSegments) {
  ExpectVectorNear(FootOfPerpendicular({3, 5, 0}, {0, 0, 0}, {10, 0, 0}), {3, 0, 0}, 1e-6f);
  EXPECT_FLOAT_EQ(DistanceToLine({3, 5, 0}, {0, 0, 0}, {10, 0, 0}), 5.0f);
  EXPECT_EQ(ClosestPointOnSegment({12, 3, 0}, {0, 0, 0}, {10, 0, 0}), (Vector3{10, 0, 0}));
  EXPECT_EQ(ClosestPointOnSegment({-2, 3, 0}, {0, 0, 0}, {10, 0, 0}), (Vector3{0, 0, 0}));
  ExpectVectorNear(ClosestPointOnSegment({4, 3, 0}, {0, 0, 0}, {10, 0, 0}), {4, 0, 0}, 1e-6f);
}

TEST(VectorMathTest, RaySegmentIntersection) {
  // A ray along +x from the origin and a vertical segment at x = 5.
  ExpectVectorNear(IntersectRaySegment({0, 0, 0}, {1, 0, 0}, {5, -1, 0}, {5, 1, 0}), {5, 0, 0},
                   1e-5f);
  ExpectVectorNear(IntersectRaySegment({1, 1, 0}, {2, 2, 0}, {4, 0, 0}, {0, 4, 0}), {2, 2, 0},
                   1e-5f);
  const Vector3 none{Huge, Huge, Huge};
  EXPECT_EQ(IntersectRaySegment({0, 0, 0}, {1, 0, 0}, {5, 1, 0}, {6, 2, 0}), none);
  EXPECT_EQ(IntersectRaySegment({0, 0, 0}, {1, 0, 0}, {-5, -1, 0}, {-5, 1, 0}), none);
  EXPECT_EQ(IntersectRaySegment({0, 0, 0}, {1, 0, 0}, {-5, 0, 0}, {-3, 0, 0}), none);
  // An end lying on the ray is the crossing.
  ExpectVectorNear(IntersectRaySegment({0, 0, 0}, {1, 0, 0}, {3, 0, 0}, {3, 2, 0}), {3, 0, 0},
                   1e-5f);
}

TEST(VectorMathTest, Rounding) {
  EXPECT_EQ(RoundToInt(2.5f), 3);
  EXPECT_EQ(RoundToInt(-2.5f), -3);
  EXPECT_EQ(RoundToInt(0.49f), 0);
  EXPECT_EQ(RoundToInt(0.0f), 0);
  EXPECT_EQ(RoundToInt(3e9f), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(RoundToInt(-3e9f), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(RoundToInt(std::nanf("")), 0);
  EXPECT_EQ(RoundVector({1.5f, -1.5f, 0.2f}), (Vector3{2, -2, 0}));
  EXPECT_EQ(SnapToHalfPixel(2.0f), 2.5f);
  EXPECT_EQ(SnapToHalfPixel(2.7f), 2.5f);
  EXPECT_EQ(SnapToHalfPixel(-0.2f), -0.5f);
  EXPECT_EQ(SnapVector(0.000009f, -0.00001f, 5), (Vector3{0, -0.00001f, 5}));
}

TEST(VectorMathTest, PowersAndDecimals) {
  EXPECT_FLOAT_EQ(PowInt(10, -2), 0.01f);
  EXPECT_EQ(PowInt(2, 10), 1024.0f);
  EXPECT_EQ(PowInt(3, 0), 1.0f);
  EXPECT_FLOAT_EQ(RoundToDecimals(3.14159f, 2), 3.14f);
  EXPECT_FLOAT_EQ(RoundToDecimals(-2.675f, 1), -2.7f);
}

TEST(VectorMathTest, FitFloatToLength) {
  EXPECT_FLOAT_EQ(FitFloatToLength(3.14159f, 4), 3.14f);
  EXPECT_EQ(FitFloatToLength(123456.0f, 5), 99999.0f);
  EXPECT_EQ(FitFloatToLength(-123456.0f, 5), -99999.0f);
  EXPECT_EQ(FitFloatToLength(12.5f, 4), 12.5f);
  EXPECT_EQ(FitFloatToLength(0.0f, 1), 0.0f);
  EXPECT_FLOAT_EQ(FitFloatToLength(-1.23456f, 4), -1.2f);
  // Seven integer digits and more stream with an exponent: the largest number that fits.
  EXPECT_EQ(FitFloatToLength(1000000.0f, 7), 9999999.0f);
  EXPECT_EQ(FitFloatToLength(-2.5e9f, 7), -9999999.0f);
  EXPECT_EQ(FitFloatToLength(3.0e38f, 7), 9999999.0f);
  EXPECT_EQ(FitFloatToLength(123456.7f, 7), 123456.7f);
  EXPECT_EQ(FitFloatToLength(100.0f, 3), 100.0f);
  EXPECT_EQ(FitFloatToLength(-100.0f, 3), -999.0f);
}

TEST(VectorMathTest, ClampTestsTheHighBoundFirst) {
  EXPECT_EQ(ClampFloat(5, 0, 3), 3.0f);
  EXPECT_EQ(ClampFloat(-1, 0, 3), 0.0f);
  EXPECT_EQ(ClampFloat(2, 0, 3), 2.0f);
  EXPECT_EQ(ClampFloat(10, 8, 4), 4.0f);
}

TEST(VectorMathTest, CountCharsOf) {
  EXPECT_EQ(CountCharsOf("0123456789", "a1b22"), 3);
  EXPECT_EQ(CountCharsOf("", "abc"), 0);
  EXPECT_EQ(CountCharsOf("xyz", ""), 0);
}

TEST(VectorMathTest, FramesPerSecondEveryHalfSecond) {
  ResetGlobals();
  FramesPerSecond = 42.0f;
  TickCounter = 20;
  TotalRunTime = 0.4f;
  EXPECT_EQ(UpdateFramesPerSecond(), 42.0f);
  EXPECT_EQ(TickCounter, 20u);
  TickCounter = 30;
  TotalRunTime = 0.5f;
  EXPECT_FLOAT_EQ(UpdateFramesPerSecond(), 60.0f);
  EXPECT_EQ(TickCounter, 0u);
  EXPECT_EQ(TotalRunTime, 0.0f);
  ResetGlobals();
}

using ScreenWorldTest = RenderFixture;

TEST_F(ScreenWorldTest, WorldOriginIsTheCentreOfTheScreen) {
  Vector3 origin = WorldToScreen(0, 0, 0);
  EXPECT_NEAR(origin.x, 400.0f, 1e-3f);
  EXPECT_NEAR(origin.y, 300.0f, 1e-3f);
  ExpectVectorNear(WorldSizeToScreen(1, 2, 0), {42.6038f, 85.2075f, 0}, 1e-3f);
}

TEST_F(ScreenWorldTest, ScreenToWorldLandsOnTheRequestedDepth) {
  Vector3 point = ScreenToWorld(0, 400 + 42.6038f, 300 - 2 * 42.6038f);
  ExpectVectorNear(point, {1, 2, 0}, 1e-3f);
  Vector3 deeper = ScreenToWorldAt({400 + 42.6038f, 300, 0.9f}, 17);
  EXPECT_EQ(deeper.z, 17.0f);
  EXPECT_NEAR(deeper.x, 2.0f, 1e-3f);  // twice as far from the eye
  EXPECT_NEAR(ScreenSizeToWorld(42.6038f, 0), 1.0f, 1e-4f);
  ExpectVectorNear(ScreenSizeToWorld3(42.6038f, 0, 85.2075f, 0), {1, 0, 2}, 1e-3f);
}

TEST_F(ScreenWorldTest, WorldToScreenAndBackRoundTrip) {
  for (Vector3 world : {Vector3{3.5f, -2.0f, 0.0f}, Vector3{-6, 4, 2.5f}}) {
    Vector3 screen = WorldToScreen(world.x, world.y, world.z);
    ExpectVectorNear(ScreenToWorldAt(screen, world.z), world, 1e-3f);
  }
}
