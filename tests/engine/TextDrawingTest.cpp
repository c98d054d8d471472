#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "support/PixelColors.h"
#include "support/RenderFixture.h"

namespace {

using pixel::Black;
using pixel::White;

constexpr int32_t Most = std::numeric_limits<int32_t>::max();
constexpr int32_t Least = std::numeric_limits<int32_t>::min();
// The float just below 2^31, and the one at -2^31: the ends of the anchors that are whole
// 32-bit numbers.
constexpr float HighestAnchor = 2147483520.0f;
constexpr float LowestAnchor = -2147483648.0f;
constexpr float NotANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

void ExpectBox(const std::optional<platform::PixelRect>& box, int left, int top, int right,
               int bottom) {
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->left, left);
  EXPECT_EQ(box->top, top);
  EXPECT_EQ(box->right, right);
  EXPECT_EQ(box->bottom, bottom);
}

// Anchors, with their alignments, whose box of 300 x 300 does not lie within the 32-bit range.
struct OffRangeAnchor {
  float x;
  float y;
  int horizontal;
  int vertical;
};
constexpr OffRangeAnchor OffRangeAnchors[] = {
    {NotANumber, 10.0f, AlignLeft, AlignTop},
    {10.0f, NotANumber, AlignLeft, AlignTop},
    {Infinity, 10.0f, AlignRight, AlignTop},
    {10.0f, -Infinity, AlignLeft, AlignMiddle},
    {3e9f, 10.0f, AlignRight, AlignTop},
    {-3e9f, 10.0f, AlignLeft, AlignTop},
    {HighestAnchor, 10.0f, AlignLeft, AlignTop},
    {HighestAnchor, 10.0f, AlignCenter, AlignTop},
    {LowestAnchor, 10.0f, AlignRight, AlignTop},
    {LowestAnchor, 10.0f, AlignCenter, AlignTop},
    {10.0f, HighestAnchor, AlignLeft, AlignTop},
    {10.0f, HighestAnchor, AlignLeft, AlignMiddle},
    {10.0f, LowestAnchor, AlignLeft, AlignQuarterUp},
    {10.0f, LowestAnchor, AlignLeft, AlignMiddle},
};

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

TEST(AlignedTextBoxTest, ABoxReachingPastTheIntegerRangeIsNoBox) {
  for (const OffRangeAnchor& anchor : OffRangeAnchors) {
    EXPECT_FALSE(AlignedTextBox(anchor.x, anchor.y, {300, 300}, anchor.horizontal, anchor.vertical))
        << anchor.x << ", " << anchor.y << " " << anchor.horizontal << anchor.vertical;
  }
  // Boxes that just fit.
  ExpectBox(AlignedTextBox(LowestAnchor, HighestAnchor, {41, 14}, AlignLeft, AlignMiddle), Least,
            2147483513, Least + 41, 2147483527);
  ExpectBox(AlignedTextBox(HighestAnchor, LowestAnchor, {41, 14}, AlignRight, AlignTop), 2147483479,
            Least, 2147483520, Least + 14);
  ExpectBox(AlignedTextBox(0.0f, 0.0f, {Most, 0}, AlignLeft, AlignTop), 0, 0, Most, 0);
}

TEST_F(TextDrawingTest, TextAnchoredOffTheIntegerRangeDrawsNothing) {
  renderer->Clear(Black);
  SpriteRenderer->Begin();
  for (const OffRangeAnchor& anchor : OffRangeAnchors) {
    DrawTextAligned(LargeFont, anchor.x, anchor.y, 0, L"Far away\nand wide", White,
                    anchor.horizontal, anchor.vertical);
  }
  // The font's own pen and clip arithmetic at the edges of the range.
  const platform::PixelRect edgeBoxes[] = {
      {Most - 30, 0, Most, 40}, {Least, -100, Most, -60}, {Least, Most - 30, Least + 30, Most}};
  for (const platform::PixelRect& box : edgeBoxes) {
    for (auto align :
         {platform::TextAlign::Left, platform::TextAlign::Center, platform::TextAlign::Right}) {
      LargeFont->Draw(SpriteRenderer, L"Wider than its box\nover two lines", box, align, White);
    }
  }
  SpriteRenderer->End();
  EXPECT_EQ(LitBox().right, -1);
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
  const platform::PixelRect box =
      AlignedTextBox(500, 200, LargeFont->Measure(text), AlignRight, AlignMiddle).value();
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
