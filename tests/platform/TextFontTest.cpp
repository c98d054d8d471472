#include <gtest/gtest.h>

#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "support/PixelColors.h"

using namespace platform;

namespace {

using pixel::Black;
using pixel::White;

class TextFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    renderer = Renderer::CreateOffscreen(200, 60);
    ASSERT_TRUE(renderer);
    renderer->Clear(Black);
    small = TextFont::Create(*renderer, 12);
    large = TextFont::Create(*renderer, 20);
    ASSERT_TRUE(small && large);
  }

  // The columns that hold a lit pixel in the given rows.
  std::pair<int, int> LitColumns(int top, int bottom) {
    int first = -1, last = -1;
    for (int x = 0; x < renderer->Width(); ++x) {
      for (int y = top; y < bottom; ++y) {
        if (renderer->ReadPixel(x, y) != Black) {
          if (first < 0) first = x;
          last = x;
          break;
        }
      }
    }
    return {first, last};
  }

  std::unique_ptr<Renderer> renderer;
  std::unique_ptr<TextFont> small;
  std::unique_ptr<TextFont> large;
};

}  // namespace

TEST_F(TextFontTest, LinesHaveTheRequestedHeight) {
  EXPECT_EQ(small->Measure(L"Hello").height, 12);
  EXPECT_EQ(large->Measure(L"Hello").height, 20);
  EXPECT_EQ(small->Measure(L"one\ntwo\nthree").height, 36);
  EXPECT_GT(large->Measure(L"Hello").width, small->Measure(L"Hello").width);
}

TEST_F(TextFontTest, MeasuresTheWidestLineAndPrefixes) {
  TextExtent both = small->Measure(L"ab\nabcd");
  EXPECT_EQ(both.width, small->Measure(L"abcd").width);
  EXPECT_EQ(small->MeasurePrefix(L"Hello", 2).width, small->Measure(L"He").width);
  EXPECT_EQ(small->MeasurePrefix(L"Hello", 0).width, 0);
  EXPECT_EQ(small->MeasurePrefix(L"Hello", 99).width, small->Measure(L"Hello").width);
  // Text ends at an embedded zero, as a C string does.
  EXPECT_EQ(small->Measure(std::wstring(L"ab\0cd", 5)).width, small->Measure(L"ab").width);
}

TEST_F(TextFontTest, AlignsEachLineInsideTheBox) {
  const std::wstring text = L"IIII";
  const int width = large->Measure(text).width;
  large->Draw(nullptr, text, {0, 0, 200, 20}, TextAlign::Left, White);
  large->Draw(nullptr, text, {0, 20, 200, 40}, TextAlign::Center, White);
  large->Draw(nullptr, text, {0, 40, 200, 60}, TextAlign::Right, White);
  auto [leftFirst, leftLast] = LitColumns(0, 20);
  auto [centreFirst, centreLast] = LitColumns(20, 40);
  auto [rightFirst, rightLast] = LitColumns(40, 60);
  EXPECT_GE(leftFirst, 0);
  EXPECT_LE(leftLast, width);
  EXPECT_NEAR((centreFirst + centreLast) / 2.0, 100.0, 3.0);
  EXPECT_LE(rightLast, 199);
  EXPECT_GE(rightFirst, 200 - width);
}

TEST_F(TextFontTest, BatchedTextWaitsForTheEnd) {
  SpriteBatch batch(*renderer);
  batch.Begin();
  small->Draw(&batch, L"XXXX", {10, 10, 60, 22}, TextAlign::Left, White);
  EXPECT_EQ(LitColumns(10, 22).first, -1);
  batch.End();
  EXPECT_GE(LitColumns(10, 22).first, 10);
}
