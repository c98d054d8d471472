#include <gtest/gtest.h>

#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "menus/ScrollBar.h"

namespace {

using platform::Vector3;

class ScrollBarTest : public ::testing::Test {
 protected:
  float ThumbCenter(const ScrollBar& bar) const { return bar.thumbMiddle->altPosition.y; }

  Texture atlas{"atlas", L"atlas", 1024, 1024};
};

}  // namespace

TEST_F(ScrollBarTest, TheThumbShrinksWithTheRangeAndTravelsBetweenTheEndCaps) {
  struct Row {
    float maximum;
    float value;
    float thumb;
    float center;
  };
  // A bar 300 long at y 100: a track of 252.
  const Row rows[] = {
      {0.0f, 0.0f, 252.0f, 100.0f},   {10.0f, 0.0f, 242.0f, 95.0f}, {10.0f, 10.0f, 242.0f, 105.0f},
      {10.0f, 99.0f, 242.0f, 105.0f}, {500.0f, 0.0f, 0.0f, -26.0f}, {500.0f, 500.0f, 0.0f, 226.0f},
  };
  for (const Row& row : rows) {
    ScrollBar bar(&atlas, 0.0f, row.maximum, 0.0f, {50.0f, 100.0f, 0.0f}, 300.0f);
    bar.SetValue(row.value);
    EXPECT_EQ(bar.thumbMiddle->scale.y, row.thumb) << row.maximum;
    EXPECT_FLOAT_EQ(ThumbCenter(bar), row.center) << row.maximum << " " << row.value;
    // The thumb caps touch the middle piece.
    EXPECT_FLOAT_EQ(bar.topThumbCap->altPosition.y, row.center - row.thumb / 2 - 4.0f);
    EXPECT_FLOAT_EQ(bar.bottomThumbCap->altPosition.y, row.center + row.thumb / 2 + 4.0f);
  }
}

TEST_F(ScrollBarTest, BoundsAreOrderedValuesClampedAndTheBarNeverShorterThanItsPieces) {
  ScrollBar bar(&atlas, 8.0f, 2.0f, 20.0f, {0.0f, 0.0f, 0.0f}, 10.0f);
  EXPECT_EQ(bar.minimum, 2.0f);
  EXPECT_EQ(bar.maximum, 8.0f);
  EXPECT_EQ(bar.value, 8.0f);
  EXPECT_EQ(bar.length, 49.0f);
  bar.SetMinimum(12.0f);
  EXPECT_EQ(bar.minimum, 8.0f);
  EXPECT_EQ(bar.maximum, 12.0f);
  bar.SetValue(-5.0f);
  EXPECT_EQ(bar.value, 8.0f);
  // Flush with the ends after a new length, one pixel inside after the owner moves the bar.
  bar.SetLength(100.0f);
  EXPECT_EQ(bar.topEndCap->altPosition.y, -42.0f);
  bar.PlaceEndCaps();
  EXPECT_EQ(bar.topEndCap->altPosition.y, -41.0f);
  EXPECT_EQ(bar.bottomEndCap->altPosition.y, 41.0f);
  bar.SetLength(20.0f);
  EXPECT_EQ(bar.thumbMiddle->scale.y, 0.0f) << "a track below 0 leaves no thumb";
}
