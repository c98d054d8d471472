#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "engine/Controls.h"
#include "engine/KeyboardLayer.h"
#include "engine/TextBox.h"
#include "engine/TextFieldEditors.h"

namespace {

namespace Key = VirtualKey;
using Frame = std::vector<int>;

constexpr int Left = Key::LeftArrow;
constexpr int Right = Key::RightArrow;
constexpr int Point = Key::Period;
constexpr int Minus = Key::Minus;
constexpr int Back = Key::Backspace;
constexpr int Del = Key::Delete;
constexpr int32_t NoLimit = 50;

constexpr int Digit(int n) { return Key::Digit0 + n; }

struct Case {
  const char* name;
  int32_t mode;
  std::string text;
  int32_t caret;
  int32_t anchor;
  int32_t maxLength;
  std::vector<Frame> frames;  // the keys that go down in each frame
  std::string expectedText;
  int32_t expectedCaret;
  int32_t expectedAnchor;
  // The number the box was shown from, in place of the text.
  std::optional<float> shown{};
};

const Case Cases[] = {
    // Carets and selections.
    {"left moves one back", TextBoxFreeText, "abc", 2, 2, NoLimit, {{Left}}, "abc", 1, 1},
    {"left at the start stays", TextBoxFreeText, "abc", 0, 0, NoLimit, {{Left}}, "abc", 0, 0},
    {"left keeps a range that starts at 0",
     TextBoxFreeText,
     "abc",
     3,
     0,
     NoLimit,
     {{Left}},
     "abc",
     3,
     0},
    {"left collapses a range to its start",
     TextBoxFreeText,
     "abcd",
     3,
     1,
     NoLimit,
     {{Left}},
     "abcd",
     1,
     1},
    {"right collapses a range to its end",
     TextBoxFreeText,
     "abcd",
     1,
     3,
     NoLimit,
     {{Right}},
     "abcd",
     3,
     3},
    {"right at the end stays", TextBoxFreeText, "abc", 3, 3, NoLimit, {{Right}}, "abc", 3, 3},
    {"indices past the text are read at its end",
     TextBoxFreeText,
     "ab",
     9,
     9,
     NoLimit,
     {{Key::C}},
     "abc",
     3,
     3},
    // Typing.
    {"typing goes in at the caret", TextBoxFreeText, "ac", 1, 1, NoLimit, {{'B'}}, "abc", 2, 2},
    {"typing replaces the selection",
     TextBoxFreeText,
     "abcd",
     1,
     3,
     NoLimit,
     {{Key::X}},
     "axd",
     2,
     2},
    {"minus is a character in free text",
     TextBoxFreeText,
     "a",
     1,
     1,
     NoLimit,
     {{Minus}},
     "a-",
     2,
     2},
    {"a full field takes no more", TextBoxFreeText, "abc", 3, 3, 3, {{Key::D}}, "abc", 3, 3},
    {"a full field's selection may be replaced",
     TextBoxFreeText,
     "abc",
     0,
     3,
     3,
     {{Key::D}},
     "d",
     1,
     1},
    {"keys of one frame are cut to the room left",
     TextBoxFreeText,
     "abcd",
     4,
     4,
     5,
     {{'X', 'Y', 'Z'}},
     "abcdx",
     5,
     5},
    {"number fields take only digits",
     TextBoxInteger,
     "1",
     1,
     1,
     NoLimit,
     {{Key::A, Point, Digit(2)}},
     "12",
     2,
     2},
    // Erasing.
    {"backspace erases before the caret",
     TextBoxFreeText,
     "abc",
     2,
     2,
     NoLimit,
     {{Back}},
     "ac",
     1,
     1},
    {"backspace at the start does nothing",
     TextBoxFreeText,
     "abc",
     0,
     0,
     NoLimit,
     {{Back}},
     "abc",
     0,
     0},
    {"backspace erases the selection",
     TextBoxFreeText,
     "abcd",
     3,
     1,
     NoLimit,
     {{Back}},
     "ad",
     1,
     1},
    {"delete erases at the caret", TextBoxFreeText, "abc", 1, 1, NoLimit, {{Del}}, "ac", 1, 1},
    {"delete at the end does nothing", TextBoxFreeText, "abc", 3, 3, NoLimit, {{Del}}, "abc", 3, 3},
    {"delete erases the selection", TextBoxFreeText, "abcd", 1, 3, NoLimit, {{Del}}, "ad", 1, 1},
    // The sign of numbers.
    {"minus turns the sign and back",
     TextBoxInteger,
     "5",
     1,
     1,
     NoLimit,
     {{Minus}, {}, {Minus}},
     "5",
     1,
     1},
    {"minus on 0 gives -0", TextBoxInteger, "0", 1, 1, NoLimit, {{Minus}}, "-0", 2, 2},
    {"the sign turns in a full field",
     TextBoxInteger,
     "1234567",
     7,
     7,
     7,
     {{Digit(8)}, {}, {Minus}},
     "-1234567",
     8,
     8},
    {"the sign keeps seven digits",
     TextBoxDecimal,
     "12345.6",
     7,
     7,
     7,
     {{Minus}},
     "-12345.6",
     8,
     8},
    {"a full field still erases", TextBoxInteger, "1234567", 7, 7, 7, {{Back}}, "123456", 6, 6},
    {"an edited number is no longer the one it was shown from",
     TextBoxDecimal,
     "",
     7,
     7,
     7,
     {{Back}, {}, {Digit(7)}, {}, {Minus}},
     "-12.3457",
     8,
     8,
     12.34567f},
    // The decimal point.
    {"a point goes in at the caret", TextBoxDecimal, "12", 2, 2, NoLimit, {{Point}}, "12.", 3, 3},
    {"a second point moves the first",
     TextBoxDecimal,
     "12",
     2,
     2,
     NoLimit,
     {{Point}, {}, {Left}, {}, {Left}, {}, {Point}},
     "1.2",
     2,
     2},
    {"a point replaces the selection",
     TextBoxDecimal,
     "1234",
     3,
     1,
     NoLimit,
     {{Point}},
     "1.4",
     2,
     2},
    {"the old point before the selection goes",
     TextBoxDecimal,
     "1.234",
     5,
     3,
     NoLimit,
     {{Point}},
     "12.",
     3,
     3},
    {"no point in a full field", TextBoxDecimal, "1234567", 7, 7, 7, {{Point}}, "1234567", 7, 7},
    {"a full field's point does not move", TextBoxDecimal, "12.4", 4, 4, 4, {{Point}}, "12.4", 4,
     4},
    {"integers take no point", TextBoxInteger, "12", 2, 2, NoLimit, {{Point}}, "12", 2, 2},
    {"typing 0.5",
     TextBoxDecimal,
     "",
     0,
     0,
     7,
     {{Digit(0)}, {}, {Point}, {}, {Digit(5)}},
     "0.5",
     3,
     3},
};

class TextFieldEditors : public ::testing::TestWithParam<Case> {};

TEST_P(TextFieldEditors, KeySequences) {
  const Case& c = GetParam();
  TextBox field(nullptr, c.mode);
  field.maxLength = c.maxLength;
  c.shown ? field.ShowNumber(*c.shown) : field.SetText(c.text);
  field.caret = c.caret;
  field.anchor = c.anchor;
  KeyboardBuffer keyboard;
  for (const Frame& frame : c.frames) {
    keyboard.previous = keyboard.current;
    keyboard.current.fill(0);
    for (int key : frame) keyboard.current[static_cast<size_t>(key)] = 0x80;
    EditOpenField(keyboard, field);
  }
  EXPECT_EQ(field.text, c.expectedText);
  EXPECT_EQ(field.caret, c.expectedCaret);
  EXPECT_EQ(field.anchor, c.expectedAnchor);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFieldEditors, ::testing::ValuesIn(Cases), CaseName);

}  // namespace
