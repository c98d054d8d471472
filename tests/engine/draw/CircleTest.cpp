#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"

using platform::Vector3;

namespace {

class CircleTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
};

}  // namespace

TEST_F(CircleTest, PrimitiveCountFollowsTheFillFractionWithinTheArrays) {
  Circle circle;
  EXPECT_EQ(circle.type, ShapeTypeCircle);
  EXPECT_EQ(circle.PrimitiveCount(), 28);
  circle.fillFraction = 0.5f;
  EXPECT_EQ(circle.PrimitiveCount(), 14);
  circle.fillFraction = 0.99f;
  EXPECT_EQ(circle.PrimitiveCount(), 27);
  circle.fillFraction = 1.5f;
  EXPECT_EQ(circle.PrimitiveCount(), 28);
  circle.fillFraction = -0.2f;
  EXPECT_EQ(circle.PrimitiveCount(), 0);
  circle.fillFraction = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(circle.PrimitiveCount(), 0);
}

TEST_F(CircleTest, HalfDiscIsTheUpperHalf) {
  Circle circle;
  circle.SetRadius(2);
  circle.Update();
  // The 14 triangles of a half disc end at rim point 14, at pi on the -x side.
  EXPECT_NEAR(circle.worldFan[15].x, -2.0f, 1e-5f);
  EXPECT_NEAR(circle.worldFan[15].y, 0.0f, 1e-5f);
  for (int k = 1; k <= 15; ++k) EXPECT_GE(circle.worldFan[k].y, -1e-5f) << k;
}

TEST_F(CircleTest, CloneClampsTheFillFraction) {
  Circle circle;
  circle.fillFraction = 1.5f;
  EXPECT_EQ(dynamic_cast<Circle&>(*circle.Clone()).fillFraction, 1.0f);
  circle.fillFraction = -0.2f;
  EXPECT_EQ(dynamic_cast<Circle&>(*circle.Clone()).fillFraction, 0.0f);
}

TEST_F(CircleTest, CloneLeavesPreviousPositionAndVerticalFlip) {
  Circle circle;
  circle.SetRadius(3);
  circle.SetPosition({1, 2, 0});
  circle.previousPosition = {5, 5, 5};
  circle.flipVertical = 1;
  circle.flipHorizontal = 1;
  std::unique_ptr<Shape> shape = circle.Clone();
  auto& copy = dynamic_cast<Circle&>(*shape);
  EXPECT_EQ(copy.radius, 3.0f);
  EXPECT_EQ(copy.extent, 3.0f);
  EXPECT_EQ(copy.position, (Vector3{1, 2, 0}));
  EXPECT_EQ(copy.previousPosition, (Vector3{}));
  EXPECT_EQ(copy.flipVertical, 0);
  EXPECT_EQ(copy.flipHorizontal, 1);
}

TEST_F(CircleTest, PointTestsIncludeTheRim) {
  Circle circle;
  circle.SetRadius(2);
  circle.SetPosition({1, 1, 7});
  EXPECT_TRUE(circle.ContainsPoint({3, 1, 0}));
  EXPECT_FALSE(circle.ContainsPoint({3.01f, 1, 0}));
  EXPECT_TRUE(circle.ContainsPointWithMargin({3.5f, 1, 0}, 0.5f));
  EXPECT_FALSE(circle.ContainsPointWithMargin({3.6f, 1, 0}, 0.5f));
  circle.SetAltPosition({100, 100, 0});
  EXPECT_TRUE(circle.AltContainsPoint({100, 102, 0}));
}

TEST_F(CircleTest, ExtremePoints) {
  Circle circle;
  circle.SetRadius(10);
  circle.SetPosition({1, 2, 3});
  circle.SetAltPosition({100, 100, 0});
  const std::pair<Vector3, Vector3> rows[] = {{circle.GetTopmostPoint(), {1, 12, 3}},
                                              {circle.GetLeftmostPoint(), {-9, 2, 3}},
                                              {circle.GetBottommostPoint(), {1, -8, 3}},
                                              {circle.GetRightmostPoint(), {11, 2, 3}},
                                              {circle.GetAltTopmostPoint(), {100, 110, 0}},
                                              {circle.GetAltLeftmostPoint(), {90, 100, 0}},
                                              {circle.GetAltBottommostPoint(), {100, 90, 0}},
                                              {circle.GetAltRightmostPoint(), {110, 100, 0}}};
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].first, rows[i].second) << i;
}

TEST_F(CircleTest, SettersAndTheDirtyFlag) {
  Circle circle;
  circle.SetRadius(2);
  circle.Update();
  circle.SetRadius(2);
  EXPECT_FALSE(circle.dirty);
  circle.SetPosition(circle.position);
  EXPECT_TRUE(circle.dirty);
  circle.Update();
  circle.SetAltPosition(circle.altPosition);
  EXPECT_TRUE(circle.dirty);
}

TEST_F(CircleTest, TextureCoordinatesMapTheRectangleOntoTheDisc) {
  Texture texture("t.png", L"t.png", 64, 64);
  Circle circle;
  circle.SetTexture(&texture);
  circle.SetRect(0, 0, 64, 64);
  circle.SetRadius(1);
  circle.Update();
  EXPECT_FLOAT_EQ(circle.worldFan[0].u, 0.5f);
  EXPECT_FLOAT_EQ(circle.worldFan[0].v, 0.5f);
  EXPECT_FLOAT_EQ(circle.worldFan[1].u, 1.0f);
  EXPECT_FLOAT_EQ(circle.worldFan[1].v, 0.5f);
  EXPECT_NEAR(circle.worldFan[8].u, 0.5f, 1e-6f);
  EXPECT_NEAR(circle.worldFan[8].v, 0.0f, 1e-6f);
}

TEST_F(CircleTest, RimLiesAtThePositionsDepth) {
  Circle circle;
  circle.SetRadius(1);
  circle.SetPosition({0, 0, 2.5f});
  circle.Update();
  for (const auto& vertex : circle.worldFan) EXPECT_EQ(vertex.z, 2.5f);
  for (const auto& vertex : circle.worldRim) EXPECT_EQ(vertex.z, 2.5f);
  EXPECT_EQ(circle.worldFan[29].x, circle.worldFan[1].x);
  EXPECT_EQ(circle.screenRim[28].y, circle.screenRim[0].y);
  // The screen fan, the selection's centre handle, closes on the same points as the world's.
  for (size_t k = 0; k < circle.worldFan.size(); ++k) {
    EXPECT_EQ(circle.screenFan[k].x, circle.worldFan[k].x) << k;
    EXPECT_EQ(circle.screenFan[k].y, circle.worldFan[k].y) << k;
  }
}

TEST_F(CircleTest, MovedCircleTestsAtOnceButDrawsWhereItWasBuilt) {
  Circle circle;
  circle.SetRadius(1);
  circle.Update();
  circle.SetVelocity(10, 0, 0);
  circle.Move(1);
  EXPECT_TRUE(circle.ContainsPoint({10, 0, 0}));
  EXPECT_FALSE(circle.dirty);
  EXPECT_EQ(circle.worldFan[0].x, 0.0f);
}
