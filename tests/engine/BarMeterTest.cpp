#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/BarMeter.h"
#include "engine/Globals.h"

namespace {

const Color4 Red{200, 128, 0, 0};
const Color4 Yellow{255, 255, 255, 0};

class BarMeterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    SetInterfaceColors();
  }
  void TearDown() override { ResetGlobals(); }

  // 4 wide and centred on x = 10, so it runs from 8 to 12.
  BarMeter meter{100.0f, 10.0f, 5.0f, 0.0f, 4.0f, 0.5f, 0.0f, Red};
};

TEST_F(BarMeterTest, TicksAreSortedAndClampedToTheBar) {
  meter.AddTick(50.0f, Yellow);
  meter.AddTick(25.0f, Red);
  meter.AddTick(75.0f, Yellow);
  meter.AddTick(150.0f, Yellow);
  meter.AddTick(-3.0f, Yellow);
  ASSERT_EQ(meter.ticks.size(), 5u);
  const float expected[] = {0.0f, 25.0f, 50.0f, 75.0f, 100.0f};
  const float expectedX[] = {8.0f, 9.0f, 10.0f, 11.0f, 12.0f};
  for (size_t i = 0; i < meter.ticks.size(); ++i) {
    EXPECT_EQ(meter.ticks[i].value, expected[i]);
    EXPECT_FLOAT_EQ(meter.ticks[i].line->position.x, expectedX[i]);
    EXPECT_FLOAT_EQ(meter.ticks[i].line->altPosition.x, expectedX[i]);
    EXPECT_EQ(meter.ticks[i].line->length, 0.5f);
    EXPECT_EQ(meter.ticks[i].line->rotation, 90.0f);
  }
  EXPECT_EQ(meter.ticks[1].line->GetColor(), Red);

  // Equal values keep the order they were added in.
  meter.AddTick(50.0f, Red);
  EXPECT_EQ(meter.ticks[2].color, Yellow);
  EXPECT_EQ(meter.ticks[3].color, Red);
}

TEST_F(BarMeterTest, FillCoversTheBarFromTheLeft) {
  meter.UpdateFill();
  EXPECT_FLOAT_EQ(meter.fill->width, meter.background->width);
  EXPECT_FLOAT_EQ(meter.fill->position.x, meter.background->position.x);
  EXPECT_FLOAT_EQ(meter.fill->altPosition.x, meter.background->altPosition.x);
  EXPECT_EQ(meter.fill->height, 0.5f);

  meter.value = 0.0f;
  meter.UpdateFill();
  EXPECT_EQ(meter.fill->width, 0.0f);
  EXPECT_FLOAT_EQ(meter.fill->position.x, 8.0f);

  // Not clamped: a value above the maximum runs past the bar's end.
  meter.value = 150.0f;
  meter.UpdateFill();
  EXPECT_FLOAT_EQ(meter.fill->width, 6.0f);
  EXPECT_FLOAT_EQ(meter.fill->altPosition.x, 11.0f);
}

TEST_F(BarMeterTest, FollowsItsPositionWithTicksPlacedOnUpdate) {
  meter.AddTick(25.0f, Yellow);
  meter.value = 50.0f;
  meter.UpdateFill();
  meter.SetPosition(0.0f, 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(meter.fill->position.x, -1.0f);
  EXPECT_FLOAT_EQ(meter.fill->altPosition.x, -1.0f);
  EXPECT_FLOAT_EQ(meter.ticks[0].line->position.x, 9.0f);
  meter.UpdateFill();
  EXPECT_FLOAT_EQ(meter.ticks[0].line->position.x, -1.0f);
}

TEST_F(BarMeterTest, AMaximumOfZeroShowsAnEmptyBar) {
  meter.maximum = 0.0f;
  meter.value = 0.0f;
  meter.AddTick(10.0f, Yellow);
  meter.AddTick(std::numeric_limits<float>::quiet_NaN(), Yellow);
  meter.UpdateFill();
  EXPECT_EQ(meter.fill->width, 0.0f);
  EXPECT_FLOAT_EQ(meter.fill->position.x, 8.0f);
  for (const BarMeterTick& tick : meter.ticks) {
    EXPECT_EQ(tick.value, 0.0f);
    EXPECT_FLOAT_EQ(tick.line->position.x, 8.0f);
  }
  meter.maximum = -5.0f;
  meter.value = 3.0f;
  meter.UpdateFill();
  EXPECT_EQ(meter.fill->width, 0.0f);
}

TEST_F(BarMeterTest, AnIconTakesTheFillsPlaceAndScale) {
  meter.SetIcon(nullptr);
  ASSERT_TRUE(meter.icon);
  meter.value = 50.0f;
  meter.UpdateFill();
  EXPECT_FLOAT_EQ(meter.icon->scale.x, 2.0f);
  EXPECT_EQ(meter.icon->scale.y, 1.0f);
  EXPECT_FLOAT_EQ(meter.icon->altPosition.x, 9.0f);
  meter.SetPosition(20.0f, 5.0f, 0.0f);
  EXPECT_FLOAT_EQ(meter.icon->altPosition.x, 19.0f);
}

}  // namespace
