#include <gtest/gtest.h>

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"

using platform::Vector3;

namespace {

class CameraTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

  Camera camera{{0, 0, 0}, {0, 0, -17}, {0, 1, 0}};
};

}  // namespace

TEST_F(CameraTest, StartsSeventeenUnitsAway) {
  CameraDistance = 0.0f;
  Camera fresh({0, 0, 0}, {0, 0, -17}, {0, 1, 0});
  EXPECT_FLOAT_EQ(CameraDistance, 17.0f);
  EXPECT_EQ(fresh.targetEye, (Vector3{0, 0, -17}));
  EXPECT_EQ(fresh.lastEye, (Vector3{0, 0, -17}));
  EXPECT_FALSE(fresh.stationary);
  EXPECT_FALSE(fresh.fading);
}

TEST_F(CameraTest, EyeGlidesAFifthOfTheWayEachUpdate) {
  camera.targetEye = {10, 0, -17};
  camera.Update();
  EXPECT_FLOAT_EQ(camera.eye.x, 2.0f);
  camera.Update();
  EXPECT_FLOAT_EQ(camera.eye.x, 3.6f);
  EXPECT_EQ(camera.lookAt, (camera.eye + Vector3{0, 0, 1}));
  EXPECT_EQ(camera.lastEye, camera.eye);
}

TEST_F(CameraTest, DistanceFollowsTheEyeDepth) {
  camera.targetEye = {0, 0, -34};
  for (int i = 0; i < 200; ++i) camera.Update();
  EXPECT_NEAR(CameraDistance, 34.0f, 1e-3f);
  // The view still looks straight along +z from the eye.
  EXPECT_NEAR(camera.view.m[3][2], 34.0f, 1e-3f);
}

TEST_F(CameraTest, FadeEndsOnTheTwentyFifthUpdateAtFiftyFrames) {
  Quad shape;
  shape.SetFillColor({255, 0, 0, 0});
  camera.fadeShape = &shape;
  camera.StartFade({0, 0, 0, 0}, 0.5f);
  GameTimeStep = 0.02f;
  for (int update = 1; update <= 24; ++update) {
    camera.Update();
    ASSERT_TRUE(camera.fading) << update;
  }
  EXPECT_EQ(shape.GetColor().a, 10);  // 255 - 24 x 10.2 = 10.2, truncated
  camera.Update();
  EXPECT_FALSE(camera.fading);
  EXPECT_EQ(shape.GetColor(), (Color4{0, 0, 0, 0}));
}

TEST_F(CameraTest, FadeToTheCurrentColourEndsInItsFirstUpdate) {
  Quad shape;
  shape.SetFillColor({255, 10, 20, 30});
  camera.fadeShape = &shape;
  camera.StartFade(shape.GetColor(), 2.0f);
  EXPECT_TRUE(camera.fading);
  camera.UpdateFade(0.01f);
  EXPECT_FALSE(camera.fading);
  EXPECT_EQ(shape.GetColor(), (Color4{255, 10, 20, 30}));
}

TEST_F(CameraTest, FadeWithoutDurationSetsTheTargetAtOnce) {
  Quad shape;
  shape.SetFillColor({255, 0, 0, 0});
  camera.fadeShape = &shape;
  camera.StartFade({0, 255, 255, 255}, 0.0f);
  EXPECT_FALSE(camera.fading);
  EXPECT_EQ(shape.GetColor(), (Color4{0, 255, 255, 255}));
  camera.StartFade({255, 1, 2, 3}, -1.0f);
  EXPECT_EQ(shape.GetColor(), (Color4{255, 1, 2, 3}));
}

TEST_F(CameraTest, FadeWithoutShapeIsIgnored) {
  camera.StartFade({0, 0, 0, 0}, 0.5f);
  EXPECT_FALSE(camera.fading);
}
