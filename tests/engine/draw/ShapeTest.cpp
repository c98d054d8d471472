#include <gtest/gtest.h>

#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"

using platform::Vector3;

namespace {

class ShapeTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
};

}  // namespace

TEST_F(ShapeTest, InitialStateComesFromTheInterfaceColours) {
  Quad quad;
  EXPECT_EQ(quad.id, 0);
  EXPECT_EQ(quad.GetName(), "");
  EXPECT_EQ(quad.GetColor(), (Color4{120, 100, 0, 0}));
  EXPECT_EQ(quad.GetColor2(), (Color4{255, 0, 0, 0}));
  EXPECT_EQ(quad.sideVectors[0], (Vector3{0, 1, 0}));
  EXPECT_EQ(quad.sideVectors[1], (Vector3{-1, 0, 0}));
  EXPECT_EQ(quad.sideVectors[2], (Vector3{0, -1, 0}));
  EXPECT_EQ(quad.sideVectors[3], (Vector3{0, 1, 0}));
}

TEST_F(ShapeTest, NullTextureLeavesRectangleAndDirtyFlag) {
  Quad quad;
  quad.SetRect(1, 2, 3, 4);
  quad.Update();
  quad.SetTexture(nullptr);
  EXPECT_EQ(quad.sourceRect.right, 3);
  EXPECT_FALSE(quad.dirty);

  Texture texture("a.png", L"a.png", 64, 32);
  quad.SetTexture(&texture);
  EXPECT_EQ(quad.sourceRect.right, 64);
  EXPECT_EQ(quad.sourceRect.bottom, 32);
  EXPECT_TRUE(quad.dirty);
}

TEST_F(ShapeTest, RotationChangesOnlyWhenTheNormalisedAngleDoes) {
  Quad quad;
  quad.SetRotation(90);
  quad.Update();
  quad.SetRotation(450);
  EXPECT_FALSE(quad.dirty);
  quad.SetRotation(0);
  EXPECT_TRUE(quad.dirty);
  quad.SetRotation(-90);
  EXPECT_EQ(quad.rotation, 270.0f);
}

TEST_F(ShapeTest, UntexturedCoordinatesAreTheRectangle) {
  Quad quad;
  quad.SetRect(3, 5, 7, 9);
  EXPECT_EQ(quad.GetTexCoordTopLeft(), (platform::Vector2{3, 5}));
  EXPECT_EQ(quad.GetTexCoordBottomRight(), (platform::Vector2{7, 9}));
  Texture texture("a.png", L"a.png", 8, 10);
  quad.SetTexture(&texture);
  quad.SetRect(4, 5, 8, 10);
  EXPECT_EQ(quad.GetTexCoordTopLeft(), (platform::Vector2{0.5f, 0.5f}));
  EXPECT_EQ(quad.GetTexCoordBottomLeft(), (platform::Vector2{0.5f, 1.0f}));
  EXPECT_EQ(quad.GetTexCoordTopRight(), (platform::Vector2{1.0f, 0.5f}));
}

TEST_F(ShapeTest, MoveIntegratesVelocityWithoutRebuilding) {
  Quad quad;
  quad.SetPosition({1, 1, 0});
  quad.Update();
  const Vector3 pivot = quad.pivot;
  quad.SetVelocity(2, 0, 0);
  quad.Move(0.5f);
  EXPECT_EQ(quad.position, (Vector3{2, 1, 0}));
  EXPECT_EQ(quad.previousPosition, (Vector3{1, 1, 0}));
  EXPECT_EQ(quad.pivot, pivot);
  EXPECT_FALSE(quad.dirty);
  // The drawn vertices stay where they were built.
  EXPECT_FLOAT_EQ(quad.worldFill[0].x, 0.5f);
}

TEST_F(ShapeTest, PositionSettersCarryThePivot) {
  Quad quad;
  quad.pivot = {1, 0, 0};
  quad.SetPosition({5, 5, 0});
  EXPECT_EQ(quad.pivot, (Vector3{6, 5, 0}));
  quad.Update();
  // An unchanged screen position changes nothing; an unchanged world position still rebuilds.
  quad.SetAltPositionXYZ(0, 0, 0);
  EXPECT_FALSE(quad.dirty);
  EXPECT_EQ(quad.pivot, (Vector3{6, 5, 0}));
  quad.SetPositionXYZ(5, 5, 0);
  EXPECT_TRUE(quad.dirty);
}

TEST_F(ShapeTest, CopyKeepsTheDestinationsExtentAndBufferFlag) {
  Circle source;
  source.SetName("source");
  source.id = 7;
  source.SetRadius(2);
  source.SetPosition({1, 2, 3});
  source.dynamicBuffers = 0;
  Circle target;
  target.dynamicBuffers = 1;
  target = source;
  EXPECT_EQ(target.GetName(), "source");
  EXPECT_EQ(target.id, 7);
  EXPECT_EQ(target.position, (Vector3{1, 2, 3}));
  EXPECT_EQ(target.dynamicBuffers, 1);
  EXPECT_EQ(target.extent, 2.0f);
}

TEST_F(ShapeTest, ClonePrimitiveIsAFreshCopyOfTheClass) {
  Quad quad;
  quad.id = 5;
  quad.SetName("Boundary Quad 1");
  std::unique_ptr<Primitive> copy = quad.ClonePrimitive();
  auto* copiedQuad = dynamic_cast<Quad*>(copy.get());
  ASSERT_NE(copiedQuad, nullptr);
  EXPECT_EQ(copiedQuad->id, 0);
  EXPECT_EQ(copiedQuad->GetName(), "Boundary Quad 1");
}
