#include <gtest/gtest.h>

#include <cmath>

#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"

using platform::Vector2;
using platform::Vector3;

namespace {

class QuadTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

  static Quad Sized(float width, float height, float degrees = 0) {
    Quad quad;
    quad.SetDimensions(width, height, 0);
    quad.SetRotation(degrees);
    return quad;
  }
};

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance = 1e-5f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

TEST_F(QuadTest, NewQuadIsAUnitSquareWaitingForItsFirstBuild) {
  Quad quad;
  EXPECT_EQ(quad.width, 1.0f);
  EXPECT_EQ(quad.height, 1.0f);
  EXPECT_EQ(quad.depth, 0.0f);
  EXPECT_NEAR(quad.extent, 0.7071068f, 1e-6f);
  EXPECT_EQ(quad.type, ShapeTypeQuad);
  EXPECT_TRUE(quad.dirty);
  EXPECT_EQ(quad.dynamicBuffers, 0);
  EXPECT_EQ(Quad(1).dynamicBuffers, 1);
  for (const auto& vertex : quad.screenFill) EXPECT_EQ(vertex.rhw, 1.0f);
  EXPECT_EQ(quad.worldFill[0].color, (Color4{120, 100, 0, 0}.ToD3DColor()));
}

TEST_F(QuadTest, UnchangedDimensionsLeaveTheDirtyFlag) {
  Quad quad = Sized(2, 3);
  quad.Update();
  quad.SetDimensionsF(2, 3, 0);
  EXPECT_FALSE(quad.dirty);
  quad.SetWidth(4);
  EXPECT_TRUE(quad.dirty);
  EXPECT_NEAR(quad.extent, 2.5f, 1e-6f);
}

TEST_F(QuadTest, PointTestIncludesTheBoundaryAndTheMargin) {
  Quad quad = Sized(2, 2);
  EXPECT_TRUE(quad.ContainsPoint({1, 1, 0}));
  EXPECT_TRUE(quad.ContainsPointWithMargin({1.5f, -1.5f, 0}, 0.5f));
  EXPECT_FALSE(quad.ContainsPoint({1.01f, 0, 0}));
  EXPECT_FALSE(quad.ContainsPointWithMargin({1.6f, 0, 0}, 0.5f));

  Quad turned = Sized(4, 2, 90);
  EXPECT_TRUE(turned.ContainsPoint({0, 1.9f, 0}));
  EXPECT_FALSE(turned.ContainsPoint({1.9f, 0, 0}));

  quad.SetAltPosition({100, 100, 0});
  EXPECT_TRUE(quad.AltContainsPoint({101, 99, 0}));
  EXPECT_FALSE(quad.AltContainsPoint({0, 0, 0}));
}

TEST_F(QuadTest, CornersTurnAboutThePosition) {
  Quad quad = Sized(4, 2, 90);
  quad.SetPosition({1, 1, 0.5f});
  quad.SetAltPosition({100, 50, 0});
  // A quarter turn counter-clockwise takes an offset (x, y) to (-y, x); the screen's mids turn
  // clockwise, (x, y) to (y, -x). Corners are tried top-left, bottom-left, top-right,
  // bottom-right, and a tie goes to the later one.
  const std::pair<Vector3, Vector3> rows[] = {{quad.GetTopLeft(), {0, -1, 0.5f}},
                                              {quad.GetBottomLeft(), {2, -1, 0.5f}},
                                              {quad.GetTopRight(), {0, 3, 0.5f}},
                                              {quad.GetBottomRight(), {2, 3, 0.5f}},
                                              {quad.GetLeftMid(), {1, -1, 0.5f}},
                                              {quad.GetRightMid(), {1, 3, 0.5f}},
                                              {quad.GetTopMid(), {0, 1, 0.5f}},
                                              {quad.GetBottomMid(), {2, 1, 0.5f}},
                                              {quad.GetTopmostPoint(), {2, 3, 0.5f}},
                                              {quad.GetLeftmostPoint(), {0, 3, 0.5f}},
                                              {quad.GetBottommostPoint(), {2, -1, 0.5f}},
                                              {quad.GetRightmostPoint(), {2, 3, 0.5f}},
                                              {quad.GetAltTopLeft(), {101, 48, 0}},
                                              {quad.GetAltBottomLeft(), {99, 48, 0}},
                                              {quad.GetAltTopRight(), {101, 52, 0}},
                                              {quad.GetAltBottomRight(), {99, 52, 0}},
                                              {quad.GetAltTopMid(), {99, 50, 0}},
                                              {quad.GetAltBottomMid(), {101, 50, 0}},
                                              {quad.GetAltTopLeftUnrotated(), {98, 49, 0}},
                                              {quad.GetAltTopRightUnrotated(), {102, 49, 0}},
                                              {quad.GetAltTopmostPoint(), {99, 52, 0}},
                                              {quad.GetAltLeftmostPoint(), {99, 52, 0}},
                                              {quad.GetAltBottommostPoint(), {99, 48, 0}},
                                              {quad.GetAltRightmostPoint(), {101, 52, 0}}};
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    ExpectNear(rows[i].first, rows[i].second, 1e-4f);
  }
  // The world vertices are kept unturned; the turn is applied when drawing.
  quad.Update();
  EXPECT_FLOAT_EQ(quad.worldFill[0].x, -1.0f);
  EXPECT_FLOAT_EQ(quad.worldFill[0].y, 2.0f);
}

TEST_F(QuadTest, ScreenVerticesAreTurnedAndSnappedToPixelCentres) {
  Quad quad = Sized(10, 4);
  quad.SetAltPosition({100.3f, 50.7f, 0});
  quad.Update();
  EXPECT_EQ(quad.screenFill[0].x, 95.5f);
  EXPECT_EQ(quad.screenFill[0].y, 48.5f);
  EXPECT_EQ(quad.screenFill[2].x, 105.5f);
  EXPECT_EQ(quad.screenFill[2].y, 52.5f);

  quad.SetRotation(90);
  quad.SetAltPosition({100.5f, 50.5f, 0});
  quad.Update();
  // Turned with the clockwise rotation about the snapped centre.
  EXPECT_EQ(quad.screenFill[0].x, 98.5f);
  EXPECT_EQ(quad.screenFill[0].y, 55.5f);
  ExpectNear(quad.GetAltTopMid(), {98.5f, 50.5f, 0});
}

TEST_F(QuadTest, ExtremePointsGiveTiesToTheLaterCorner) {
  Quad quad = Sized(2, 2);
  ExpectNear(quad.GetTopmostPoint(), quad.GetTopRight());
  ExpectNear(quad.GetLeftmostPoint(), quad.GetBottomLeft());
  ExpectNear(quad.GetBottommostPoint(), quad.GetBottomRight());
  ExpectNear(quad.GetRightmostPoint(), quad.GetBottomRight());

  Quad turned = Sized(2, 2, 45);
  EXPECT_NEAR(turned.GetTopmostPoint().y, std::sqrt(2.0f), 1e-5f);
  EXPECT_NEAR(turned.GetRightmostPoint().x, std::sqrt(2.0f), 1e-5f);
  // In screen terms the "topmost" screen point is the one with the largest y.
  turned.SetAltPosition({50, 50, 0});
  EXPECT_NEAR(turned.GetAltTopmostPoint().y, 50 + std::sqrt(2.0f), 1e-4f);
}

TEST_F(QuadTest, CornerDraggedPastTheOppositeCornerFlipsBothWays) {
  Quad quad = Sized(2, 2);
  quad.SetPosition({0, 0, 0.25f});
  quad.SetTopLeft({3, -4, 0});
  EXPECT_EQ(quad.flipHorizontal, 1);
  EXPECT_EQ(quad.flipVertical, 1);
  EXPECT_FLOAT_EQ(quad.width, 2.0f);
  EXPECT_FLOAT_EQ(quad.height, 3.0f);
  EXPECT_FLOAT_EQ(quad.depth, 0.25f);
  ExpectNear(quad.position, {2, -2.5f, 0.25f});
  // The fixed corner stayed.
  ExpectNear(quad.GetTopLeft(), {1, -1, 0.25f});

  Quad plain = Sized(2, 2);
  plain.SetBottomRight({3, -2, 0});
  EXPECT_EQ(plain.flipHorizontal, 0);
  EXPECT_EQ(plain.flipVertical, 0);
  ExpectNear(plain.GetTopLeft(), {-1, 1, 0});
  ExpectNear(plain.GetBottomRight(), {3, -2, 0});
}

TEST_F(QuadTest, CornerMoveOfATurnedQuadKeepsTheOppositeCorner) {
  Quad quad = Sized(2, 1, 30);
  const Vector3 fixed = quad.GetBottomLeft();
  quad.SetTopRight(quad.GetTopRight() + Vector3{0.5f, 0.5f, 0});
  ExpectNear(quad.GetBottomLeft(), fixed, 1e-4f);
  EXPECT_EQ(quad.flipHorizontal, 0);
}

TEST_F(QuadTest, EdgeDraggedPastTheOppositeEdgeFlipsOnceAtAnyRotation) {
  for (float degrees : {0.0f, 30.0f, 200.0f}) {
    Quad quad = Sized(2, 1, degrees);
    const Vector3 right = quad.GetRightMid();
    const Vector3 beyond = quad.position + DirectionFromAngle(degrees) * 3.0f;
    quad.SetLeftEdge(beyond);
    EXPECT_EQ(quad.flipHorizontal, 1) << degrees;
    EXPECT_EQ(quad.flipVertical, 0) << degrees;
    EXPECT_NEAR(quad.width, 2.0f, 1e-4f) << degrees;
    ExpectNear(quad.position, right + (beyond - right) * 0.5f, 1e-4f);
  }
  Quad quad = Sized(2, 2);
  quad.SetTopEdge({5, 3, 0});
  EXPECT_EQ(quad.flipVertical, 0);
  EXPECT_FLOAT_EQ(quad.height, 4.0f);
  ExpectNear(quad.position, {0, 1, 0});
  quad.SetBottomEdge({0, 4, 0});
  EXPECT_EQ(quad.flipVertical, 1);
}

TEST_F(QuadTest, FlipsSwapTextureCoordinatesNotPositions) {
  Texture texture("t.png", L"t.png", 64, 64);
  Quad quad = Sized(2, 2);
  quad.SetTexture(&texture);
  quad.SetRect(0, 0, 32, 64);
  quad.Update();
  const platform::WorldVertex before = quad.worldFill[0];
  EXPECT_EQ((Vector2{before.u, before.v}), (Vector2{0, 0}));
  quad.flipHorizontal = 1;
  quad.flipVertical = 1;
  quad.Update();
  // A half turn of the picture: top-left shows bottom-right and so on.
  EXPECT_EQ((Vector2{quad.worldFill[0].u, quad.worldFill[0].v}), (Vector2{0.5f, 1}));
  EXPECT_EQ((Vector2{quad.worldFill[1].u, quad.worldFill[1].v}), (Vector2{0, 1}));
  EXPECT_EQ((Vector2{quad.screenFill[2].u, quad.screenFill[2].v}), (Vector2{0, 0}));
  EXPECT_EQ(quad.worldFill[0].x, before.x);
  EXPECT_EQ(quad.worldFill[0].y, before.y);
  quad.flipVertical = 0;
  quad.Update();
  EXPECT_EQ((Vector2{quad.worldFill[0].u, quad.worldFill[0].v}), (Vector2{0.5f, 0}));
  EXPECT_EQ((Vector2{quad.worldFill[3].u, quad.worldFill[3].v}), (Vector2{0.5f, 1}));
}

TEST_F(QuadTest, EdgeColoursRecolourTheNamedEdgeInBothOutlines) {
  Quad quad;
  const uint32_t black = Color4{255, 0, 0, 0}.ToD3DColor();
  const Color4 blue{255, 0, 0, 255};
  quad.SetTopEdgeColor(blue);
  EXPECT_EQ(quad.GetColor2(), blue);
  // World lines run right, left, top, bottom; screen lines top, bottom, left, right.
  EXPECT_EQ(quad.worldOutline[4].color, blue.ToD3DColor());
  EXPECT_EQ(quad.worldOutline[5].color, blue.ToD3DColor());
  EXPECT_EQ(quad.worldOutline[0].color, black);
  EXPECT_EQ(quad.screenOutline[0].color, blue.ToD3DColor());
  EXPECT_EQ(quad.screenOutline[1].color, blue.ToD3DColor());
  EXPECT_EQ(quad.screenOutline[6].color, black);
  quad.SetRightEdgeColor(blue);
  EXPECT_EQ(quad.worldOutline[0].color, blue.ToD3DColor());
  EXPECT_EQ(quad.screenOutline[6].color, blue.ToD3DColor());

  const Color4 green{255, 0, 255, 0};
  quad.SetOutlineColor(green);
  for (const auto& vertex : quad.worldOutline) EXPECT_EQ(vertex.color, green.ToD3DColor());
  for (const auto& vertex : quad.screenOutline) EXPECT_EQ(vertex.color, green.ToD3DColor());
}

TEST_F(QuadTest, CloneCopiesTheShapeButNotTheId) {
  Texture texture("t.png", L"t.png", 64, 64);
  Quad quad = Sized(3, 2, 45);
  quad.id = 9;
  quad.SetName("Texture Quad 2");
  quad.SetTexture(&texture);
  quad.SetRect(0, 0, 16, 16);
  quad.SetPosition({1, 2, 0});
  quad.SetAltPosition({10, 20, 0});
  quad.flipHorizontal = 1;
  quad.SetFillColorRGBA(255, 1, 2, 3);
  quad.outlineVisible = 1;
  quad.layer = 4;
  quad.sideVectors[0] = {};
  std::unique_ptr<Shape> shape = quad.Clone();
  auto& copy = dynamic_cast<Quad&>(*shape);
  EXPECT_EQ(copy.id, 0);
  EXPECT_EQ(copy.GetName(), "Texture Quad 2");
  EXPECT_EQ(copy.texture, &texture);
  EXPECT_EQ(copy.sourceRect.right, 16);
  EXPECT_EQ(copy.position, quad.position);
  EXPECT_EQ(copy.altPosition, quad.altPosition);
  EXPECT_EQ(copy.rotation, 45.0f);
  EXPECT_EQ(copy.flipHorizontal, 1);
  EXPECT_EQ(copy.GetColor(), (Color4{255, 1, 2, 3}));
  EXPECT_EQ(copy.outlineVisible, 1);
  EXPECT_EQ(copy.layer, 4);
  EXPECT_EQ(copy.sideVectors[0], (Vector3{}));
  EXPECT_EQ(copy.width, 3.0f);
  EXPECT_EQ(copy.extent, quad.extent);
  EXPECT_EQ(copy.worldFill[0].x, -0.5f);
}

TEST_F(QuadTest, AssignmentCopiesIdentityAndRebuilds) {
  Quad source = Sized(4, 2);
  source.id = 3;
  source.dynamicBuffers = 1;
  Quad target;
  target = source;
  EXPECT_EQ(target.id, 3);
  EXPECT_EQ(target.dynamicBuffers, 1);
  EXPECT_EQ(target.worldFill[1].x, 2.0f);
  EXPECT_NEAR(target.extent, std::sqrt(5.0f), 1e-6f);
}
