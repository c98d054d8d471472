#include <gtest/gtest.h>

#include "engine/Globals.h"
#include "engine/draw/Line.h"

using platform::Vector3;

namespace {

class LineTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
};

}  // namespace

TEST_F(LineTest, TurnedLineHasItsEndsAlongTheRotation) {
  Line line;
  line.SetLength(4);
  line.SetPosition({1, 1, 0});
  line.SetRotation(90);
  line.Update();
  EXPECT_FLOAT_EQ(line.worldEnds[0].x, 1.0f);
  EXPECT_FLOAT_EQ(line.worldEnds[0].y, -1.0f);
  EXPECT_FLOAT_EQ(line.worldEnds[1].x, 1.0f);
  EXPECT_FLOAT_EQ(line.worldEnds[1].y, 3.0f);
  EXPECT_EQ(line.GetTopmostPoint(), (Vector3{1, 3, 0}));
  EXPECT_EQ(line.GetBottommostPoint(), (Vector3{1, -1, 0}));
  // Equal x: the tie goes to the second end.
  EXPECT_EQ(line.GetLeftmostPoint(), (Vector3{1, 3, 0}));
  EXPECT_EQ(line.GetRightmostPoint(), (Vector3{1, 3, 0}));
}

TEST_F(LineTest, UnchangedLengthAndPositionLeaveTheDirtyFlag) {
  Line line;
  line.SetLength(2);
  line.SetPosition({1, 0, 0});
  line.Update();
  line.SetLength(2);
  line.SetPosition({1, 0, 0});
  line.SetAltPosition({0, 0, 0});
  EXPECT_FALSE(line.dirty);
  // The pivot does not follow a line.
  EXPECT_EQ(line.pivot, (Vector3{}));
  // The extent follows the length only when refreshed.
  EXPECT_EQ(line.extent, 0.0f);
  line.RefreshExtent();
  EXPECT_EQ(line.extent, 2.0f);
}

TEST_F(LineTest, ContainsNoPoint) {
  Line line;
  line.SetLength(10);
  EXPECT_FALSE(line.ContainsPoint({0, 0, 0}));
  EXPECT_FALSE(line.ContainsPointWithMargin({0, 0, 0}, 5));
  EXPECT_FALSE(line.AltContainsPoint({0, 0, 0}));
}

TEST_F(LineTest, ScreenEndsAreRoundedToWholePixels) {
  Line line;
  line.SetLength(10);
  line.SetAltPosition({100.5f, 50.5f, 0});
  line.Update();
  EXPECT_EQ(line.screenEnds[0].x, 96.0f);
  EXPECT_EQ(line.screenEnds[0].y, 51.0f);
  EXPECT_EQ(line.screenEnds[1].x, 106.0f);
  EXPECT_EQ(line.screenEnds[1].y, 51.0f);
  EXPECT_EQ(line.screenEnds[0].rhw, 1.0f);
  // Screen extremes are taken unrounded.
  EXPECT_EQ(line.GetAltLeftmostPoint(), (Vector3{95.5f, 50.5f, 0}));
  EXPECT_EQ(line.GetAltRightmostPoint(), (Vector3{105.5f, 50.5f, 0}));
  EXPECT_EQ(line.GetAltTopmostPoint(), (Vector3{105.5f, 50.5f, 0}));
  EXPECT_EQ(line.GetAltBottommostPoint(), (Vector3{105.5f, 50.5f, 0}));
}

TEST_F(LineTest, CloneKeepsLengthAndIsRebuiltAtItsFirstDraw) {
  Line line;
  line.SetLength(3);
  line.SetRotation(45);
  line.SetPosition({2, 2, 0});
  line.Update();
  std::unique_ptr<Shape> shape = line.Clone();
  auto& copy = dynamic_cast<Line&>(*shape);
  EXPECT_EQ(copy.length, 3.0f);
  EXPECT_EQ(copy.extent, 3.0f);
  EXPECT_EQ(copy.rotation, 45.0f);
  EXPECT_EQ(copy.position, (Vector3{2, 2, 0}));
  EXPECT_TRUE(copy.dirty);
  EXPECT_EQ(copy.worldEnds[1].x, 0.0f);
}
