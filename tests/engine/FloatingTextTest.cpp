#include <gtest/gtest.h>

#include "engine/BitmapFonts.h"
#include "engine/FloatingText.h"
#include "support/RenderFixture.h"

namespace {

class FloatingTextTest : public RenderFixture {};

}  // namespace

TEST(Color4Test, ArithmeticWrapsAroundEachByte) {
  EXPECT_EQ((Color4{0, 250, 10, 0} + Color4{0, 10, 10, 10}), (Color4{0, 4, 20, 10}));
  EXPECT_EQ((Color4{0, 4, 20, 10} - Color4{0, 10, 10, 10}), (Color4{0, 250, 10, 0}));
  EXPECT_EQ((Color4{255, 0, 0, 0}.ToD3DColor()), 0xFF000000u);
  EXPECT_EQ((Color4{1, 2, 3, 4}.ToD3DColor()), 0x01020304u);
}

TEST_F(FloatingTextTest, OpaqueTextLivesFiftyTwoUpdates) {
  FloatingTextList list;
  list.Add("12", 1, 2, 0, {255, 0, 0, 0});
  float risen = 0;
  for (int update = 1; update <= 51; ++update) {
    const float dt = update % 2 ? 0.02f : 0.01f;
    list.Update(dt);
    risen += dt * 0.5f;
    ASSERT_EQ(list.texts.size(), 1u) << update;
  }
  EXPECT_EQ(list.texts[0]->color.a, 0);
  EXPECT_NEAR(list.texts[0]->y, 2 + risen, 1e-5f);
  list.Update(0.02f);
  EXPECT_TRUE(list.texts.empty());
}

TEST_F(FloatingTextTest, FadeStopsAtZero) {
  FloatingTextList list;
  list.Add("7", 0, 0, 0, {7, 0, 0, 0});
  list.Update(0.02f);
  EXPECT_EQ(list.texts[0]->color.a, 2);
  list.Update(0.02f);
  EXPECT_EQ(list.texts[0]->color.a, 0);
  list.Update(0.02f);
  EXPECT_TRUE(list.texts.empty());
}

TEST_F(FloatingTextTest, RemovedTextIsReplacedByTheLast) {
  FloatingTextList list;
  list.Add("gone", 0, 0, 0, {0, 0, 0, 0});
  list.Add("middle", 0, 0, 0, {100, 0, 0, 0});
  list.Add("last", 0, 0, 0, {100, 0, 0, 0});
  list.Update(0.02f);
  ASSERT_EQ(list.texts.size(), 2u);
  EXPECT_EQ(list.texts[0]->text, "last");
  EXPECT_EQ(list.texts[1]->text, "middle");
  EXPECT_EQ(list.texts[0]->color.a, 95);
}

TEST_F(FloatingTextTest, DrawingLendsTheFontEachTextsColour) {
  FloatingTextList list;
  list.Draw();
  FontArc17pt font(nullptr);
  font.color = {255, 255, 255, 255};
  list.font = &font;
  list.Add("5", 0, 0, 0, {255, 0, 0, 0});
  list.Update(0);
  list.Draw();
  EXPECT_EQ(font.GetColor(), (Color4{255, 255, 255, 255}));
  // Centred on the world point's screen place.
  EXPECT_EQ(font.transform.m[3][0], 400.0f);
  EXPECT_EQ(font.transform.m[3][1], 300.0f);
  list.Clear();
  EXPECT_EQ(list.font, nullptr);
  EXPECT_TRUE(list.texts.empty());
}
