#include <gtest/gtest.h>

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"
#include "menus/DeathScreen.h"

namespace {

class DeathScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    camera.fadeShape = &overlay;
    MainCamera = &camera;
  }
  void TearDown() override { ResetGlobals(); }

  Camera camera{{0, 0, 0}, {0, 0, -17}, {0, 1, 0}};
  Quad overlay;
  DeathScreen screen{nullptr};
};

}  // namespace

TEST_F(DeathScreenTest, EnteringRestartsTheTimerAndFadesToWhiteOverTwoSeconds) {
  EXPECT_EQ(screen.GetName(), L"Death Screen");
  EXPECT_EQ(screen.duration, 2.0f);
  screen.timer = 5.0f;
  screen.Enter();
  EXPECT_EQ(screen.timer, 0.0f);
  EXPECT_TRUE(camera.fading);
  EXPECT_EQ(camera.fadeTarget, ColorWhite);
  EXPECT_EQ(camera.fadeDuration, 2.0f);
}

TEST_F(DeathScreenTest, TheTimerRunsInTheUpdateAndInTheHeldUpdate) {
  screen.Enter();
  screen.Update(0.02f);
  screen.Update(0.02f);
  EXPECT_FLOAT_EQ(screen.timer, 0.04f);
  screen.UpdateHeld(0.01f);
  EXPECT_FLOAT_EQ(screen.timer, 0.05f);
}
