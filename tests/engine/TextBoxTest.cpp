#include <gtest/gtest.h>

#include "engine/CreateTextBox.h"
#include "engine/TextBox.h"
#include "support/DrawnTexts.h"
#include "support/RenderFixture.h"

namespace {

// A 200 x 20 field centred on (300, 100): its text starts at x = 205.
class TextBoxTest : public RenderFixture {
 protected:
  void SetUp() override {
    RenderFixture::SetUp();
    SetInterfaceColors();
    CreateTextBox(nullptr, TextBoxFreeText, box, 200.0f, 20.0f, 0.0f, 300.0f, 100.0f, 0.0f, 50,
                  "Name", "");
  }
  void TearDown() override {
    box.reset();
    RenderFixture::TearDown();
  }

  float Width(const std::string& text) {
    return static_cast<float>(SmallFont->Measure(std::wstring(text.begin(), text.end())).width);
  }

  std::unique_ptr<TextBox> box;
};

TEST_F(TextBoxTest, CreatedReadyPlaced) {
  EXPECT_EQ(box->maxLength, 50);
  EXPECT_EQ(box->TextLeft(), 205.0f);

  std::unique_ptr<TextBox> number;
  CreateTextBox(nullptr, TextBoxDecimal, number, 40.0f, 19.0f, 0.0f, 10.0f, 10.0f, 0.0f, 7, "",
                "12.5");
  EXPECT_EQ(number->GetText(), "12.5");
  EXPECT_EQ(number->caret, 4);
  EXPECT_EQ(number->anchor, 4);
  EXPECT_EQ(number->mode, TextBoxDecimal);
}

TEST_F(TextBoxTest, SetTextKeepsTheDistanceFromTheEnd) {
  box->SetText("abc");
  EXPECT_EQ(box->caret, 3);
  box->SetText("abcdef");
  EXPECT_EQ(box->caret, 6);
  box->SetText("a");
  EXPECT_EQ(box->caret, 1);
  EXPECT_EQ(box->anchor, 1);

  box->SetText("abc");
  box->caret = 0;
  box->anchor = 2;
  box->SetText("x");
  EXPECT_EQ(box->caret, 0);
  EXPECT_EQ(box->anchor, 0);
  box->SetText("");
  EXPECT_EQ(box->caret, 0);
}

TEST_F(TextBoxTest, SetTextBringsIndicesPastTheEndBackIntoTheText) {
  box->SetText("abc");
  box->caret = 40;
  box->anchor = 41;
  box->SetText("abcd");
  EXPECT_EQ(box->caret, 4);
  EXPECT_EQ(box->anchor, 4);
}

TEST_F(TextBoxTest, InsertReplacesTheSelectionOrGoesInAtTheCaret) {
  box->SetText("abcd");
  box->anchor = 1;
  box->caret = 3;
  box->InsertText("XY");
  EXPECT_EQ(box->GetText(), "aXYd");
  EXPECT_EQ(box->caret, 3);
  EXPECT_EQ(box->anchor, 3);
  EXPECT_EQ(box->selection->width, 0.0f);

  box->anchor = 4;
  box->caret = 0;
  box->InsertText("Z");
  EXPECT_EQ(box->GetText(), "Z");
  EXPECT_EQ(box->caret, 1);

  box->caret = box->anchor = 0;
  box->InsertText("bc");
  box->InsertText("");
  EXPECT_EQ(box->GetText(), "bcZ");
  EXPECT_EQ(box->caret, 2);
  EXPECT_EQ(box->anchor, 2);
}

TEST_F(TextBoxTest, TextShortenedByItsOwnerIsEditedAtItsEnd) {
  box->SetText("console");
  box->anchor = 2;
  box->caret = 7;
  box->text = "con";
  box->UpdateCaret();
  EXPECT_FLOAT_EQ(box->selection->width, Width("n"));
  EXPECT_FLOAT_EQ(box->MeasureToCaret().x, 205.0f + Width("con") - 1.0f);
  box->InsertText("!");
  EXPECT_EQ(box->GetText(), "co!");
  EXPECT_EQ(box->caret, 3);

  box->text.clear();
  box->InsertText("x");
  EXPECT_EQ(box->GetText(), "x");
  EXPECT_EQ(box->caret, 1);
}

TEST_F(TextBoxTest, MeasureSelectionFindsTheNearestPlace) {
  EXPECT_EQ(box->MeasureSelection(400.0f, 100.0f, 0.0f), 0);
  box->SetText("hello world");
  EXPECT_EQ(box->MeasureSelection(100.0f, 0.0f, 0.0f), 0);
  EXPECT_EQ(box->MeasureSelection(205.0f, 0.0f, 0.0f), 0);
  EXPECT_EQ(box->MeasureSelection(390.0f, 0.0f, 0.0f), 11);
  const float afterHello = 205.0f + Width("hello");
  EXPECT_EQ(box->MeasureSelection(afterHello + 1.0f, 0.0f, 0.0f), 5);
  EXPECT_EQ(box->MeasureSelection(afterHello - 1.0f, 0.0f, 0.0f), 5);
}

TEST_F(TextBoxTest, HighlightAndCaretFollowTheIndices) {
  box->SetText("hello world");
  box->anchor = 8;
  box->caret = 6;
  box->UpdateCaret();
  EXPECT_FLOAT_EQ(box->selection->width, Width("wo"));
  EXPECT_FLOAT_EQ(box->selection->height, static_cast<float>(SmallFont->LineHeight()));
  EXPECT_FLOAT_EQ(box->selection->altPosition.x, 205.0f + Width("hello ") + Width("wo") / 2);
  EXPECT_EQ(box->selection->altPosition.y, 100.0f);
  EXPECT_EQ(box->selection->GetColor(), (Color4{255, 125, 130, 200}));

  box->anchor = 6;
  box->UpdateCaret();
  EXPECT_EQ(box->selection->width, 0.0f);
  EXPECT_EQ(box->selection->height, 0.0f);

  const platform::Vector3 caretPoint = box->MeasureToCaret();
  EXPECT_FLOAT_EQ(caretPoint.x, 205.0f + Width("hello ") - 1.0f);
  EXPECT_EQ(caretPoint.y, 101.0f);

  // A negative number shown shortened as "-..5.43": the caret at its end and a highlight of all
  // of it reach past its last digit, the sign and the mark counted.
  std::unique_ptr<TextBox> number;
  CreateTextBox(nullptr, TextBoxDecimal, number, 40.0f, 19.0f, 0.0f, 300.0f, 100.0f, 0.0f, 9, "",
                "-98765.43");
  number->anchor = 0;
  number->UpdateCaret();
  EXPECT_FLOAT_EQ(number->selection->width, Width("-..5.43"));
  EXPECT_FLOAT_EQ(number->MeasureToCaret().x, number->TextLeft() + Width("-..5.43") - 1.0f);

  // Too long only by its decimals, a number shows rounded, as its owner shows it once stored,
  // and the caret at its end stays in the box.
  number->SetText("12.3456");
  DrawnTexts drawn;
  SpriteRenderer->Begin();
  number->Draw();
  SpriteRenderer->End();
  EXPECT_EQ(drawn.AtX(number->TextLeft()), std::vector<std::string>{"12.346"});
  EXPECT_FLOAT_EQ(number->MeasureToCaret().x, number->TextLeft() + Width("12.346") - 1.0f);
}

}  // namespace
