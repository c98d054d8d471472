#include <gtest/gtest.h>

#include <cmath>

#include "platform/Matrix.h"
#include "platform/MatrixStack.h"

using platform::Matrix4;
using platform::Vector3;

namespace {

constexpr float QuarterPi = 0.7853982f;
constexpr float Aspect = 800.0f / 600.0f;

void ExpectMatrixNear(const Matrix4& actual, const float (&expected)[4][4], float tolerance) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      EXPECT_NEAR(actual.m[row][column], expected[row][column], tolerance)
          << "row " << row << " column " << column;
    }
  }
}

void ExpectVectorNear(const Vector3& actual, const Vector3& expected, float tolerance) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

struct StartCamera {
  Matrix4 view = platform::MatrixLookAtLH({0, 0, -17}, {0, 0, 0}, {0, 1, 0});
  Matrix4 projection = platform::MatrixPerspectiveFovLH(QuarterPi, Aspect, 5.0f, 1000.0f);
  platform::Viewport viewport{0, 0, 800, 600, 0.0f, 1.0f};
  Matrix4 world = Matrix4::Identity();
};

}  // namespace

TEST(MatrixTest, LookAtOfTheStartCameraOnlyMovesAlongZ) {
  const float expected[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 17, 1}};
  ExpectMatrixNear(platform::MatrixLookAtLH({0, 0, -17}, {0, 0, 0}, {0, 1, 0}), expected, 1e-6f);
}

TEST(MatrixTest, LookAtBuildsTheLeftHandedBasis) {
  // Looking from (1, 2, 3) along (3, 4, 0) with z up.
  const float expected[4][4] = {
      {-0.8f, 0, 0.6f, 0}, {0.6f, 0, 0.8f, 0}, {0, 1, 0, 0}, {-0.4f, -3, -2.2f, 1}};
  Matrix4 view = platform::MatrixLookAtLH({1, 2, 3}, {4, 6, 3}, {0, 0, 1});
  ExpectMatrixNear(view, expected, 1e-5f);
  ExpectVectorNear(platform::TransformCoord({1, 2, 3}, view), {0, 0, 0}, 1e-5f);
}

TEST(MatrixTest, PerspectiveFieldOfViewMatchesReference) {
  const float expected[4][4] = {{1.8106602f, 0, 0, 0},
                                {0, 2.4142137f, 0, 0},
                                {0, 0, 1.0050251f, 1},
                                {0, 0, -5.0251256f, 0}};
  ExpectMatrixNear(platform::MatrixPerspectiveFovLH(QuarterPi, Aspect, 5.0f, 1000.0f), expected,
                   1e-5f);
}

TEST(MatrixTest, ProjectPutsTheWorldOriginAtTheCentreOfTheViewport) {
  StartCamera c;
  Vector3 origin = platform::ProjectPoint({0, 0, 0}, c.viewport, c.projection, c.view, c.world);
  ExpectVectorNear(origin, {400.0f, 300.0f, 0.7094295f}, 1e-4f);
  // About 42.6 pixels per world unit at depth 0, y growing downward on the screen.
  Vector3 right = platform::ProjectPoint({1, 0, 0}, c.viewport, c.projection, c.view, c.world);
  Vector3 up = platform::ProjectPoint({0, 1, 0}, c.viewport, c.projection, c.view, c.world);
  EXPECT_NEAR(right.x, 442.6038f, 1e-3f);
  EXPECT_NEAR(up.y, 257.3962f, 1e-3f);
}

TEST(MatrixTest, UnprojectMapsDepthsToTheClipPlanes) {
  StartCamera c;
  ExpectVectorNear(
      platform::UnprojectPoint({400, 300, 0}, c.viewport, c.projection, c.view, c.world),
      {0, 0, -12}, 1e-3f);
  ExpectVectorNear(
      platform::UnprojectPoint({400, 300, 1}, c.viewport, c.projection, c.view, c.world),
      {0, 0, 983}, 0.05f);
}

TEST(MatrixTest, ProjectAndUnprojectRoundTrip) {
  StartCamera c;
  Matrix4 world = platform::MatrixTranslation(0.5f, -1.0f, 0.0f);
  for (Vector3 point : {Vector3{3.5f, -2.25f, 0.0f}, Vector3{-7, 4, 10}, Vector3{1, 1, -8}}) {
    Vector3 screen = platform::ProjectPoint(point, c.viewport, c.projection, c.view, world);
    Vector3 back = platform::UnprojectPoint(screen, c.viewport, c.projection, c.view, world);
    ExpectVectorNear(back, point, 2e-3f);
  }
}

TEST(MatrixTest, UnprojectWithoutInverseGivesTheOrigin) {
  StartCamera c;
  Matrix4 flat = platform::MatrixScaling(1, 0, 1);
  ExpectVectorNear(platform::UnprojectPoint({10, 10, 0.5f}, c.viewport, c.projection, c.view, flat),
                   {0, 0, 0}, 0.0f);
}

TEST(MatrixTest, Transformation2DScalesThenRotatesThenTranslates) {
  Matrix4 m = platform::MatrixTransformation2D({2, 1}, QuarterPi * 2.0f, {10, 20});
  ExpectVectorNear(platform::TransformCoord({1, 0, 0}, m), {10, 22, 0}, 1e-5f);
  ExpectVectorNear(platform::TransformCoord({0, 1, 0}, m), {9, 20, 0}, 1e-5f);
}

TEST(MatrixStackTest, LocalOperationsTurnAboutAPoint) {
  platform::MatrixStack stack;
  stack.LoadIdentity();
  stack.Push();
  stack.TranslateLocal(3, 4, 0);
  stack.RotateAboutZLocal(QuarterPi * 2.0f);
  stack.TranslateLocal(-3, -4, 0);
  ExpectVectorNear(platform::TransformCoord({4, 4, 0}, stack.Top()), {3, 5, 0}, 1e-5f);
  stack.Pop();
  EXPECT_EQ(stack.Top(), Matrix4::Identity());
  stack.Pop();  // the bottom entry stays
  EXPECT_EQ(stack.Top(), Matrix4::Identity());
}
