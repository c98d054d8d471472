#include <gtest/gtest.h>

#include "engine/Globals.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"

using platform::Vector3;

namespace {

class ShapeListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    first.SetRadius(2);
    first.SetPosition({5, 5, 0});
    second.SetRadius(1);
    second.SetPosition({10, 5, 0});
  }
  void TearDown() override { ResetGlobals(); }

  Circle first;
  Circle second;
};

}  // namespace

TEST_F(ShapeListTest, FirstMemberSetsTheBounds) {
  ShapeList list;
  EXPECT_EQ(list.type, ShapeTypeShapeList);
  list.AddShape(&first);
  EXPECT_EQ(list.boundingRadius, 2.0f);
  EXPECT_EQ(list.extent, 2.0f);
  EXPECT_EQ(list.position, (Vector3{5, 5, 0}));
  EXPECT_EQ(list.size, (platform::Vector2{4, 4}));
}

TEST_F(ShapeListTest, SecondMemberGrowsRadiusAndBox) {
  ShapeList list;
  list.AddShape(&first);
  list.AddShape(&second);
  EXPECT_EQ(list.boundingRadius, 6.0f);
  EXPECT_EQ(list.size, (platform::Vector2{8, 4}));
  EXPECT_EQ(list.position, (Vector3{7, 5, 0}));
  EXPECT_EQ(list.GetLeftmostPoint(), (Vector3{3, 5, 0}));
  EXPECT_EQ(list.GetRightmostPoint(), (Vector3{11, 5, 0}));
  EXPECT_EQ(list.edgeMidpoints[ShapeList::Top], (Vector3{7, 7, 0}));
  // The list tests as one disc around its centre.
  EXPECT_TRUE(list.ContainsPoint({7.5f, 5, 0}));
  EXPECT_TRUE(list.ContainsPoint({7, 10.9f, 0}));
  EXPECT_FALSE(list.ContainsPoint({7, 12.1f, 0}));
}

TEST_F(ShapeListTest, ScreenBoundsUseScreenDirections) {
  Quad top;
  top.SetDimensions(10, 10, 0);
  top.SetAltPosition({100, 100, 0});
  Quad low;
  low.SetDimensions(10, 10, 0);
  low.SetAltPosition({100, 200, 0});
  ShapeList list;
  list.AddShape(&top);
  list.AddShape(&low);
  EXPECT_EQ(list.altSize.x, 10.0f);
  EXPECT_EQ(list.altPosition.x, 100.0f);
  // A quad's screen "topmost" point is its corner with the largest y and its "bottommost" the
  // one with the smallest, so the box runs from the top quad's 105 to the low quad's 195.
  EXPECT_EQ(list.altSize.y, 90.0f);
  EXPECT_EQ(list.altPosition.y, 150.0f);
}

TEST_F(ShapeListTest, SetPositionMovesMembersAndStoredBounds) {
  ShapeList list;
  list.AddShape(&first);
  list.AddShape(&second);
  list.Update();
  list.SetPosition(list.position + Vector3{1, 0, 0});
  EXPECT_EQ(first.position, (Vector3{6, 5, 0}));
  EXPECT_EQ(second.position, (Vector3{11, 5, 0}));
  EXPECT_EQ(list.GetLeftmostPoint(), (Vector3{4, 5, 0}));
  EXPECT_EQ(list.edgeMidpoints[ShapeList::Right], (Vector3{12, 5, 0}));
  EXPECT_FALSE(list.dirty);
}

TEST_F(ShapeListTest, MoveLeavesThePreviousPosition) {
  ShapeList list;
  list.AddShape(&first);
  list.previousPosition = {1, 1, 1};
  list.SetVelocity(2, 0, 0);
  list.Move(0.5f);
  EXPECT_EQ(list.position, (Vector3{6, 5, 0}));
  EXPECT_EQ(first.position, (Vector3{6, 5, 0}));
  EXPECT_EQ(list.previousPosition, (Vector3{1, 1, 1}));
}

TEST_F(ShapeListTest, RemoveTakesEveryOccurrenceAndKeepsTheRadius) {
  ShapeList list;
  list.AddShape(&first);
  list.AddShape(&second);
  list.AddShape(&first);
  list.RemoveShape(&first);
  ASSERT_EQ(list.members.size(), 1u);
  EXPECT_EQ(list.members[0], &second);
  EXPECT_EQ(list.boundingRadius, 6.0f);
  EXPECT_EQ(list.position, (Vector3{10, 5, 0}));
  list.RemoveShape(&second);
  EXPECT_TRUE(list.members.empty());
  EXPECT_EQ(list.position, (Vector3{10, 5, 0}));
}

TEST_F(ShapeListTest, ClearForgetsMembersAndBoundsButNotTheRadius) {
  ShapeList list;
  list.AddShape(&first);
  list.Clear();
  EXPECT_TRUE(list.members.empty());
  EXPECT_EQ(list.position, (Vector3{}));
  EXPECT_EQ(list.GetTopmostPoint(), (Vector3{}));
  EXPECT_EQ(list.boundingRadius, 2.0f);
  EXPECT_EQ(first.position, (Vector3{5, 5, 0}));
}

TEST_F(ShapeListTest, ColoursGoToEveryMember) {
  ShapeList list;
  list.AddShape(&first);
  list.AddShape(&second);
  list.SetFillColorRGBA(255, 1, 2, 3);
  EXPECT_EQ(first.GetColor(), (Color4{255, 1, 2, 3}));
  EXPECT_EQ(second.GetColor(), (Color4{255, 1, 2, 3}));
  EXPECT_NE(list.GetColor(), (Color4{255, 1, 2, 3}));
}

TEST_F(ShapeListTest, CloneHoldsFreshCopiesOfTheMembers) {
  Quad quad;
  quad.SetPosition({0, 8, 0});
  ShapeList list({1, 2, 3}, 30);
  EXPECT_EQ(list.position, (Vector3{}));
  EXPECT_EQ(list.previousPosition, (Vector3{1, 2, 3}));
  EXPECT_EQ(list.rotation, 30.0f);
  list.AddShape(&first);
  list.AddShape(&second);
  list.AddShape(&quad);
  std::unique_ptr<Shape> shape = list.Clone();
  auto& copy = dynamic_cast<ShapeList&>(*shape);
  ASSERT_EQ(copy.members.size(), 3u);
  EXPECT_NE(copy.members[0], &first);
  EXPECT_EQ(dynamic_cast<Circle&>(*copy.members[1]).radius, 1.0f);
  EXPECT_EQ(copy.members[2]->type, ShapeTypeQuad);
  EXPECT_EQ(copy.members[2]->position, (Vector3{0, 8, 0}));
  EXPECT_EQ(copy.rotation, 30.0f);
  EXPECT_EQ(copy.position, list.position);
  // The copy owns nothing; its members are the caller's to destroy.
  for (Shape* member : copy.members) delete member;
}
