#include <gtest/gtest.h>

#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Sprite.h"
#include "support/RenderFixture.h"

using platform::Vector3;

namespace {

class SpriteTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
  }

  void MoveCameraTo(float distance) {
    camera->eye = {0, 0, -distance};
    camera->targetEye = camera->eye;
    camera->ResetLookAt();
  }

  Sprite Framed(int left, int top, int right, int bottom) {
    return Sprite(&sheet, 0, Vector3{}, 0.0f, platform::PixelRect{left, top, right, bottom});
  }

  Texture sheet{"sheet.png", L"sheet.png", 256, 256};
};

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

TEST_F(SpriteTest, NewSpriteShowsTheWholeTextureInWhite) {
  Sprite sprite(&sheet);
  EXPECT_EQ(sprite.type, ShapeTypeSprite);
  EXPECT_EQ(sprite.sourceRect.right, 256);
  EXPECT_EQ(sprite.sourceRect.bottom, 256);
  EXPECT_EQ(sprite.GetColor(), (Color4{255, 255, 255, 255}));
  EXPECT_EQ(sprite.scale, (platform::Vector2{1, 1}));
  EXPECT_TRUE(sprite.dirty);
  Sprite framed(&sheet, 1, {1, 2, 3}, 30, {0, 0, 16, 16});
  EXPECT_EQ(framed.dynamicBuffers, 1);
  EXPECT_EQ(framed.previousPosition, (Vector3{1, 2, 3}));
  EXPECT_EQ(framed.altPosition, (Vector3{1, 2, 3}));
  EXPECT_EQ(framed.rotation, 30.0f);
}

TEST_F(SpriteTest, PictureIsDrawnAboutItsRoundedCentre) {
  EXPECT_EQ(Framed(0, 0, 15, 15).DrawCenter(), (Vector3{8, 8, 0}));
  EXPECT_EQ(Framed(0, 0, 2, 2).DrawCenter(), (Vector3{1, 1, 0}));
  EXPECT_EQ(Framed(0, 0, 3, 1).DrawCenter(), (Vector3{2, 0.5f, 0}));
}

TEST_F(SpriteTest, ATexelIsAPixelAtTheStartDistance) {
  Sprite sprite = Framed(0, 0, 64, 32);
  Vector3 size = sprite.GetScreenBottomRight() - sprite.GetScreenTopLeft();
  ExpectNear(size, {64, 32, 0});
  MoveCameraTo(34);
  size = sprite.GetScreenBottomRight() - sprite.GetScreenTopLeft();
  ExpectNear(size, {32, 16, 0});
  // In the world at depth 0 the picture keeps its size.
  const float worldWidth = sprite.GetSize().x;
  MoveCameraTo(17);
  EXPECT_NEAR(sprite.GetSize().x, worldWidth, 1e-4f);
  EXPECT_NEAR(sprite.GetSize().x * 42.6f, 64.0f, 0.2f);
}

TEST_F(SpriteTest, FlipsNegateTheDrawingScale) {
  Sprite sprite = Framed(0, 0, 16, 16);
  sprite.SetScale(2, 1);
  sprite.flipHorizontal = 1;
  platform::Matrix4 world = sprite.BuildWorldTransform();
  EXPECT_FLOAT_EQ(world.m[0][0], -2.0f);
  EXPECT_FLOAT_EQ(world.m[1][1], 1.0f);
  EXPECT_FLOAT_EQ(world.m[3][0], 400.0f);
  EXPECT_FLOAT_EQ(world.m[3][1], 300.0f);
  sprite.SetAltPosition({10.5f, 20.4f, 0});
  platform::Matrix4 screen = sprite.BuildScreenTransform();
  EXPECT_FLOAT_EQ(screen.m[0][0], -2.0f);
  EXPECT_EQ(screen.m[3][0], 11.0f);
  EXPECT_EQ(screen.m[3][1], 20.0f);
  // The outline box does not flip.
  sprite.Update();
  EXPECT_LT(sprite.worldOutline[0].x, sprite.worldOutline[1].x);
}

TEST_F(SpriteTest, TheScreenOutlineIsFourLinesRoundTheScaledCell) {
  Sprite sprite = Framed(0, 0, 16, 16);
  sprite.SetScale(2, 1);
  sprite.SetAltPosition({100, 50, 0});
  sprite.Update();
  // Screen y grows downwards: the bottom edge is at 50 + 8. Pairs: bottom, top, left, right.
  const float expected[8][2] = {{84, 58}, {116, 58}, {116, 42}, {84, 42},
                                {84, 58}, {84, 42},  {116, 42}, {116, 58}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(sprite.screenOutline[i].x, expected[i][0]) << i;
    EXPECT_EQ(sprite.screenOutline[i].y, expected[i][1]) << i;
  }
}

TEST_F(SpriteTest, UnchangedScaleLeavesTheDirtyFlag) {
  Sprite sprite(&sheet);
  sprite.Update();
  sprite.SetScale(1, 1);
  EXPECT_FALSE(sprite.dirty);
  sprite.SetScaleF({1, 2});
  EXPECT_TRUE(sprite.dirty);
  sprite.Update();
  // Unchanged positions and fill colours change nothing either.
  sprite.SetPosition(sprite.position);
  sprite.SetAltPosition(sprite.altPosition);
  sprite.SetFillColor(sprite.GetColor());
  EXPECT_FALSE(sprite.dirty);
}

TEST_F(SpriteTest, CornerDraggedAcrossFlipsOnceAndKeepsTheScalePositive) {
  Sprite sprite = Framed(0, 0, 64, 64);
  const Vector3 fixed = sprite.GetBottomRight();
  const Vector3 width = sprite.GetSize();
  sprite.SetTopLeft(fixed + Vector3{width.x, width.y, 0});
  EXPECT_EQ(sprite.flipHorizontal, 1);
  EXPECT_EQ(sprite.flipVertical, 0);
  EXPECT_NEAR(sprite.scale.x, 1.0f, 1e-4f);
  EXPECT_NEAR(sprite.scale.y, 1.0f, 1e-4f);
  ExpectNear(sprite.position, fixed + Vector3{width.x / 2, width.y / 2, 0});

  Sprite grown = Framed(0, 0, 64, 64);
  const Vector3 topLeft = grown.GetTopLeft();
  grown.SetBottomRight(grown.GetBottomRight() + Vector3{grown.GetSize().x, 0, 0});
  EXPECT_NEAR(grown.scale.x, 2.0f, 1e-4f);
  EXPECT_EQ(grown.flipHorizontal, 0);
  ExpectNear(grown.GetTopLeft(), topLeft);
}

TEST_F(SpriteTest, EdgeDraggedAcrossTheOppositeEdgeFlips) {
  Sprite sprite = Framed(0, 0, 64, 32);
  const Vector3 right = sprite.GetRightmostPoint();
  sprite.SetLeftEdge(right + Vector3{sprite.GetSize().x, 0, 0});
  EXPECT_EQ(sprite.flipHorizontal, 1);
  EXPECT_NEAR(sprite.scale.x, 1.0f, 1e-4f);
  Sprite tall = Framed(0, 0, 64, 32);
  tall.SetTopEdge(tall.GetTopMid() + Vector3{0, tall.GetSize().y, 0});
  EXPECT_EQ(tall.flipVertical, 0);
  EXPECT_NEAR(tall.scale.y, 2.0f, 1e-4f);
}

// Each corner and edge pulled outward by a whole picture doubles the scale on its axes and
// keeps the far side where it was.
TEST_F(SpriteTest, EachCornerAndEdgeMovePullsItsSideAndKeepsTheFarSide) {
  using Setter = void (Sprite::*)(const Vector3&);
  using Getter = Vector3 (Sprite::*)() const;
  struct Row {
    Setter move;
    Getter pulled, kept;
    float across, up;  // the pull in pictures
  };
  const Row rows[] = {
      {&Sprite::SetTopLeft, &Sprite::GetTopLeft, &Sprite::GetBottomRight, -1, 1},
      {&Sprite::SetBottomLeft, &Sprite::GetBottomLeft, &Sprite::GetTopRight, -1, -1},
      {&Sprite::SetTopRight, &Sprite::GetTopRight, &Sprite::GetBottomLeft, 1, 1},
      {&Sprite::SetBottomRight, &Sprite::GetBottomRight, &Sprite::GetTopLeft, 1, -1},
      {&Sprite::SetTopEdge, &Sprite::GetTopMid, &Sprite::GetBottomLeft, 0, 1},
      {&Sprite::SetBottomEdge, &Sprite::GetBottomMid, &Sprite::GetTopLeft, 0, -1},
      {&Sprite::SetLeftEdge, &Sprite::GetLeftMid, &Sprite::GetBottomRight, -1, 0},
      {&Sprite::SetRightEdge, &Sprite::GetTopRight, &Sprite::GetBottomLeft, 1, 0},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const Row& row = rows[i];
    Sprite sprite = Framed(0, 0, 64, 32);
    const Vector3 size = sprite.GetSize();
    const Vector3 kept = (sprite.*row.kept)();
    (sprite.*row.move)((sprite.*row.pulled)() + Vector3{row.across * size.x, row.up * size.y, 0});
    EXPECT_NEAR(sprite.scale.x, row.across != 0 ? 2.0f : 1.0f, 1e-4f);
    EXPECT_NEAR(sprite.scale.y, row.up != 0 ? 2.0f : 1.0f, 1e-4f);
    EXPECT_EQ(sprite.flipHorizontal, 0);
    EXPECT_EQ(sprite.flipVertical, 0);
    ExpectNear((sprite.*row.kept)(), kept);
  }
}

TEST_F(SpriteTest, CloneDropsTheVerticalFlip) {
  Sprite sprite(&sheet, 1, {1, 2, 0}, 45, {32, 0, 64, 48});
  sprite.SetName("Texture Sprite 3");
  sprite.flipVertical = 1;
  sprite.flipHorizontal = 1;
  sprite.SetScale(2, 3);
  sprite.layer = 5;
  std::unique_ptr<Shape> shape = sprite.Clone();
  auto& copy = dynamic_cast<Sprite&>(*shape);
  EXPECT_EQ(copy.flipVertical, 0);
  EXPECT_EQ(copy.flipHorizontal, 1);
  EXPECT_EQ(copy.GetName(), "Texture Sprite 3");
  EXPECT_EQ(copy.scale, (platform::Vector2{2, 3}));
  EXPECT_EQ(copy.layer, 5);
  EXPECT_EQ(copy.rotation, 45.0f);
  EXPECT_EQ(copy.dynamicBuffers, 1);
  sprite.RefreshExtent();
  EXPECT_FLOAT_EQ(copy.extent, sprite.extent);
  EXPECT_TRUE(copy.dirty);
}

TEST_F(SpriteTest, ScreenPositionCornersLieAtDepthZero) {
  Sprite sprite = Framed(0, 0, 16, 8);
  sprite.SetScale(2, 1);
  sprite.SetAltPosition({100, 50, 7});
  EXPECT_EQ(sprite.GetAltTopLeftUnrotated(), (Vector3{84, 46, 0}));
  EXPECT_EQ(sprite.GetAltTopRightUnrotated(), (Vector3{116, 46, 0}));
  sprite.SetRotation(90);
  // Offsets (-16, -4), (-16, 4), (16, -4), (16, 4) turn to (4, -16), (-4, -16), (4, 16) and
  // (-4, 16). On the screen the topmost point has the smallest y; ties go to the later corner.
  const std::pair<Vector3, Vector3> rows[] = {
      {sprite.GetAltTopLeft(), {104, 34, 0}},        {sprite.GetAltBottomLeft(), {96, 34, 0}},
      {sprite.GetAltTopRight(), {104, 66, 0}},       {sprite.GetAltBottomRight(), {96, 66, 0}},
      {sprite.GetAltTopmostPoint(), {96, 34, 0}},    {sprite.GetAltLeftmostPoint(), {96, 66, 0}},
      {sprite.GetAltBottommostPoint(), {96, 66, 0}}, {sprite.GetAltRightmostPoint(), {104, 66, 0}}};
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    ExpectNear(rows[i].first, rows[i].second);
  }
}

TEST_F(SpriteTest, TextureCoordinatesAreTexels) {
  Sprite sprite = Framed(32, 0, 64, 48);
  EXPECT_EQ(sprite.GetTexCoordTopLeft(), (platform::Vector2{32, 0}));
  EXPECT_EQ(sprite.GetTexCoordBottomLeft(), (platform::Vector2{32, 48}));
  EXPECT_EQ(sprite.GetTexCoordTopRight(), (platform::Vector2{64, 0}));
  EXPECT_EQ(sprite.GetTexCoordBottomRight(), (platform::Vector2{64, 48}));
}

TEST_F(SpriteTest, ScreenTestIgnoresTheCameraWorldTestDoesNot) {
  // Behind the plane, the picture is tested where it appears on the plane z = 0.
  Sprite sprite(&sheet, 0, {4, 0, 5}, 0, {0, 0, 64, 32});
  sprite.SetAltPosition({100, 100, 0});
  EXPECT_TRUE(sprite.ContainsPoint({4 * 17 / 22.0f, 0, 0}));
  EXPECT_FALSE(sprite.ContainsPoint({4, 0, 0}));
  EXPECT_TRUE(sprite.AltContainsPoint({131, 115, 0}));
  MoveCameraTo(34);
  EXPECT_FALSE(sprite.ContainsPoint({4 * 17 / 22.0f - 0.5f, 0, 0}));
  EXPECT_TRUE(sprite.ContainsPoint({4 * 34 / 39.0f, 0, 0}));
  EXPECT_TRUE(sprite.AltContainsPoint({131, 115, 0}));
  EXPECT_FALSE(sprite.AltContainsPoint({133, 115, 0}));
  EXPECT_TRUE(sprite.AltContainsPointWithMargin({133, 115, 0}, 2));
}

TEST_F(SpriteTest, MoveCarriesThePivotAndRaisesDirty) {
  Sprite sprite(&sheet);
  sprite.Update();
  sprite.SetVelocity(2, 0, 0);
  sprite.Move(0.5f);
  EXPECT_EQ(sprite.position, (Vector3{1, 0, 0}));
  EXPECT_EQ(sprite.pivot, (Vector3{1, 0, 0}));
  EXPECT_EQ(sprite.previousPosition, (Vector3{}));
  EXPECT_TRUE(sprite.dirty);
}

TEST_F(SpriteTest, SpriteWithoutTextureShowsNothing) {
  Sprite sprite(nullptr);
  EXPECT_EQ(sprite.sourceRect.right, 0);
  EXPECT_EQ(sprite.GetScaledSourceSize(), (Vector3{}));
  renderer->Clear(0xFF000000);
  sprite.outlineVisible = 0;
  sprite.Draw();
  sprite.DrawScreen();
  Texture missing("Content\\missing.png", L"missing", 64, 64);
  Sprite unloaded(&missing);
  unloaded.Draw();
  EXPECT_EQ(renderer->ReadPixel(400, 300), 0xFF000000u);
}
