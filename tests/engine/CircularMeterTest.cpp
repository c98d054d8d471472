#include <gtest/gtest.h>

#include <limits>

#include "engine/CircularMeter.h"
#include "support/RenderFixture.h"

namespace {

const Color4 Blue{255, 0, 0, 255};

class CircularMeterTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
    meter = std::make_unique<CircularMeter>(100.0f, 400.0f, 300.0f, 0.0f, 40.0f, Blue);
  }
  void TearDown() override {
    meter.reset();
    RenderFixture::TearDown();
  }

  std::unique_ptr<CircularMeter> meter;
};

TEST_F(CircularMeterTest, RatioIsClampedButTheValueIsNot) {
  EXPECT_EQ(meter->arc->MeterPrimitiveCount(), CircularMeterCircle::MeterSegments);
  meter->SetValue(150.0f);
  EXPECT_EQ(meter->value, 150.0f);
  EXPECT_EQ(meter->arc->fillFraction, 1.0f);
  meter->SetValue(-20.0f);
  EXPECT_EQ(meter->value, -20.0f);
  EXPECT_EQ(meter->arc->fillFraction, 0.0f);
  EXPECT_EQ(meter->arc->MeterPrimitiveCount(), 0);
}

TEST_F(CircularMeterTest, LoweringTheMaximumLowersTheValue) {
  meter->SetMaximum(60.0f);
  EXPECT_EQ(meter->value, 60.0f);
  EXPECT_EQ(meter->arc->fillFraction, 1.0f);
  meter->SetMaximum(120.0f);
  EXPECT_EQ(meter->value, 60.0f);
  EXPECT_FLOAT_EQ(meter->arc->fillFraction, 0.5f);
}

TEST_F(CircularMeterTest, AMaximumOfZeroDrawsNothing) {
  meter->SetMaximum(0.0f);
  EXPECT_EQ(meter->value, 0.0f);
  EXPECT_EQ(meter->arc->fillFraction, 0.0f);
  meter->SetValue(5.0f);
  EXPECT_EQ(meter->arc->fillFraction, 0.0f);
  meter->arc->fillFraction = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(meter->arc->MeterPrimitiveCount(), 0);
  meter->arc->fillFraction = 7.0f;
  EXPECT_EQ(meter->arc->MeterPrimitiveCount(), CircularMeterCircle::MeterSegments);
}

TEST_F(CircularMeterTest, HalfFillRunsFromTheBottomThroughTheLeftToTheTop) {
  meter->SetPosition(2.0f, 1.0f, 0.5f);
  meter->SetValue(50.0f);
  CircularMeterCircle& arc = *meter->arc;
  ASSERT_EQ(arc.MeterPrimitiveCount(), 49);
  arc.Update();
  // Fan vertex k + 1 is ring point k; the 49 triangles end at ring point 49.
  EXPECT_NEAR(arc.meterWorldFan[1].x, 2.0f, 1e-4f);
  EXPECT_NEAR(arc.meterWorldFan[1].y, 1.0f - 40.0f, 1e-4f);
  EXPECT_NEAR(arc.meterWorldFan[25].x, 2.0f - 40.0f, 0.1f);
  EXPECT_NEAR(arc.meterWorldFan[50].x, 2.0f, 1e-3f);
  EXPECT_NEAR(arc.meterWorldFan[50].y, 1.0f + 40.0f, 1e-4f);
  EXPECT_EQ(arc.meterWorldFan[50].z, 0.5f);
  EXPECT_EQ(arc.meterWorldFan[99].x, arc.meterWorldFan[1].x);
  EXPECT_EQ(arc.meterWorldRim[98].y, arc.meterWorldRim[0].y);
  EXPECT_EQ(arc.meterScreenFan[50].rhw, 1.0f);
}

}  // namespace
