#include <gtest/gtest.h>

#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "support/PixelColors.h"
#include "support/RenderFixture.h"

namespace {

using pixel::Black;
using pixel::White;

void ExpectBox(const platform::PixelRect& box, int left, int top, int right, int bottom) {
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.top, top);
  EXPECT_EQ(box.right, right);
  EXPECT_EQ(box.bottom, bottom);
}

class TextDrawingTest : public RenderFixture {
 protected:
  // The bounding box of every pixel that differs from black.
  platform::PixelRect LitBox() {
    platform::PixelRect box{10000, 10000, -1, -1};
    for (int y = 0; y < 600; y += 1) {
      for (int x = 0; x < 800; ++x) {
        if (renderer->ReadPixel(x, y) == Black) continue;
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
    }
    return box;
  }
};

}  // namespace

TEST(AlignedTextBoxTest, HorizontalCodes) {
  ExpectBox(AlignedTextBox(100.7f, 10, {41, 14}, AlignCenter, AlignTop), 80, 10, 121, 24);
  ExpectBox(AlignedTextBox(100.7f, 10, {41, 14}, AlignRight, AlignTop), 59, 10, 100, 24);
  ExpectBox(AlignedTextBox(100.7f, 10, {41, 14}, AlignLeft, AlignTop), 100, 10, 141, 24);
  ExpectBox(AlignedTextBox(100.7f, 10, {41, 14}, 7, AlignTop), 100, 10, 141, 24);
  ExpectBox(AlignedTextBox(-3.7f, 0, {10, 14}, AlignLeft, AlignTop), -3, 0, 7, 14);
}

TEST(AlignedTextBoxTest, VerticalCodes) {
  ExpectBox(AlignedTextBox(0, 50, {10, 14}, AlignLeft, AlignMiddle), 0, 43, 10, 57);
  ExpectBox(AlignedTextBox(0, 50, {10, 14}, AlignLeft, AlignQuarterUp), 0, 47, 10, 61);
  ExpectBox(AlignedTextBox(0, 50.9f, {10, 14}, AlignLeft, 0), 0, 50, 10, 64);
  ExpectBox(AlignedTextBox(0, -3.7f, {10, 14}, AlignLeft, AlignTop), 0, -3, 10, 11);
}

TEST_F(TextDrawingTest, NullFontDrawsNothing) {
  renderer->Clear(Black);
  SpriteRenderer->Begin();
  DrawTextAligned(nullptr, 10, 10, 0, L"Hello", White, AlignLeft, AlignTop);
  SpriteRenderer->End();
  EXPECT_EQ(LitBox().right, -1);
}

TEST_F(TextDrawingTest, TextLandsInsideItsAlignedBox) {
  renderer->Clear(Black);
  const std::wstring text = L"Right aligned";
  platform::PixelRect box =
      AlignedTextBox(500, 200, LargeFont->Measure(text), AlignRight, AlignMiddle);
  SpriteRenderer->Begin();
  DrawTextAligned(LargeFont, 500, 200, 0, text, White, AlignRight, AlignMiddle);
  SpriteRenderer->End();
  platform::PixelRect lit = LitBox();
  EXPECT_GE(lit.left, box.left);
  EXPECT_LE(lit.right, box.right);
  EXPECT_GE(lit.top, box.top);
  EXPECT_LE(lit.bottom, box.bottom);
  EXPECT_GE(lit.right, box.right - 3);
}

TEST_F(TextDrawingTest, WorldPointTextHangsBelowAndRightOfThePoint) {
  renderer->Clear(Black);
  SpriteRenderer->Begin();
  DrawTextAtWorldPoint({2, 1, 0}, L"TL (2, 1)", White);
  SpriteRenderer->End();
  platform::Vector3 anchor = WorldToScreen(2, 1, 0);
  platform::PixelRect lit = LitBox();
  EXPECT_GE(lit.left, static_cast<int>(anchor.x));
  EXPECT_LE(lit.left, static_cast<int>(anchor.x) + 2);
  EXPECT_GE(lit.top, static_cast<int>(anchor.y));
  EXPECT_LE(lit.bottom, static_cast<int>(anchor.y) + 12);
}

TEST_F(TextDrawingTest, StatusTextShowsWithoutClearing) {
  renderer->Clear(0xFF204060);
  DebugTextColor = {255, 255, 255, 0};
  PresentStatusText(60, 50, 0, "Building world...");
  EXPECT_EQ(renderer->ReadPixel(5, 5), 0xFF204060u);
  bool yellow = false;
  for (int y = 50; y < 62 && !yellow; ++y) {
    for (int x = 60; x < 160 && !yellow; ++x) yellow = renderer->ReadPixel(x, y) == 0xFFFFFF00u;
  }
  EXPECT_TRUE(yellow);
  EXPECT_FALSE(SpriteRenderer->Begun());
}
