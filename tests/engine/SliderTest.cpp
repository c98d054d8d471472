#include <gtest/gtest.h>

#include "engine/Globals.h"
#include "engine/Slider.h"

namespace {

class SliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    SetInterfaceColors();
  }
  void TearDown() override { ResetGlobals(); }
};

TEST_F(SliderTest, OrdersItsRangeAndClampsTheValue) {
  Slider slider(10.0f, 0.0f, 12.0f, 100.0f, 200.0f, 0.0f, 10.0f, 100.0f, 0.0f);
  EXPECT_EQ(slider.minimum, 0.0f);
  EXPECT_EQ(slider.maximum, 10.0f);
  EXPECT_EQ(slider.value, 10.0f);
  EXPECT_FLOAT_EQ(slider.thumb->height, 10.0f);
}

TEST_F(SliderTest, ThumbIsAtLeastFivePixelsAndAtMostTheTrack) {
  Slider slider(0.0f, 255.0f, 0.0f, 100.0f, 300.0f, 0.0f, 10.0f, 200.0f, 0.0f);
  EXPECT_EQ(slider.thumb->height, 5.0f);
  slider.SetThumbHeight(500.0f);
  EXPECT_EQ(slider.thumb->height, 200.0f);
  slider.SetThumbHeight(2.0f);
  EXPECT_EQ(slider.thumb->height, 5.0f);
  slider.SetThumbHeight(30.0f);
  EXPECT_EQ(slider.thumb->height, 30.0f);
  EXPECT_EQ(slider.thumb->width, 10.0f);
}

TEST_F(SliderTest, EndsOfTheRangeSitAtTheEndsOfTheTrack) {
  Slider slider(0.0f, 255.0f, 0.0f, 100.0f, 300.0f, 0.0f, 10.0f, 200.0f, 0.0f);
  // The minimum is the track's bottom-centre on the screen (y grows downward).
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.x, 100.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.y, 400.0f);
  slider.SetValue(255.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.y, 200.0f);
  slider.SetValue(-40.0f);
  EXPECT_EQ(slider.value, 0.0f);

  slider.DragTo(130.0f, 100.0f, 0.0f);
  EXPECT_EQ(slider.value, 255.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.x, 100.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.y, 200.0f);
  slider.DragTo(90.0f, 250.0f, 0.0f);
  EXPECT_FLOAT_EQ(slider.value, 191.25f);
  slider.DragTo(90.0f, 900.0f, 0.0f);
  EXPECT_EQ(slider.value, 0.0f);
}

TEST_F(SliderTest, ATurnedTrackRunsAlongItsOwnAxis) {
  Slider slider(0.0f, 100.0f, 50.0f, 100.0f, 100.0f, 0.0f, 10.0f, 100.0f, 90.0f);
  const platform::Vector3 bottom = slider.track->GetAltBottomMid();
  const platform::Vector3 top = slider.track->GetAltTopMid();
  EXPECT_NEAR(std::abs(top.x - bottom.x), 100.0f, 1e-3f);
  slider.DragTo(top.x, top.y + 30.0f, 0.0f);
  EXPECT_NEAR(slider.value, 100.0f, 1e-3f);
  EXPECT_NEAR(slider.thumb->altPosition.y, 100.0f, 1e-3f);
}

TEST_F(SliderTest, MovingKeepsTheThumbOnItsPlace) {
  Slider slider(0.0f, 255.0f, 255.0f, 100.0f, 300.0f, 0.0f, 10.0f, 200.0f, 0.0f);
  slider.SetPosition(50.0f, 250.0f, 0.0f);
  EXPECT_EQ(slider.x, 50.0f);
  EXPECT_FLOAT_EQ(slider.track->altPosition.x, 50.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.x, 50.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.y, 150.0f);
}

TEST_F(SliderTest, AnEmptyRangeOrAFlatTrackHoldsTheMinimum) {
  Slider slider(7.0f, 7.0f, 3.0f, 100.0f, 300.0f, 0.0f, 10.0f, 200.0f, 0.0f);
  EXPECT_EQ(slider.value, 7.0f);
  EXPECT_EQ(slider.thumb->height, 200.0f);
  EXPECT_FLOAT_EQ(slider.thumb->altPosition.y, 400.0f);
  slider.DragTo(100.0f, 200.0f, 0.0f);
  EXPECT_EQ(slider.value, 7.0f);
  slider.SetValue(9.0f);
  EXPECT_EQ(slider.value, 7.0f);

  Slider flat(0.0f, 10.0f, 5.0f, 100.0f, 300.0f, 0.0f, 10.0f, 0.0f, 0.0f);
  EXPECT_EQ(flat.thumb->height, 5.0f);
  flat.DragTo(100.0f, 0.0f, 0.0f);
  EXPECT_EQ(flat.value, 0.0f);
}

}  // namespace
